// Drawing: a draw event for the control, then one for each visible control
// embedded in it, each its own event, so that a container's draw handlers
// never see the draws of what it holds.
#include "Model.h"

namespace tk {

// Draws the control and its visible descendants, when it is visible.  The
// children are read after the control's own draw, so what its draw handlers
// change is what gets drawn.
void drawTree(Handle control)
{
    const Control *c = findControl(control);
    if (!c || !visibleInTree(*c))
        return;
    sendControlEvent(control, kEventClassControl, kEventControlDraw);
    if (!(c = findControl(control)))
        return;
    std::vector<Handle> kids = c->children;
    for (Handle k : kids) {
        const Control *kid = findControl(k);
        if (kid && kid->container == control)
            drawTree(k);
    }
}

} // namespace tk

void Draw1Control(ControlRef control) { tk::drawTree(tk::handleOf(control)); }
