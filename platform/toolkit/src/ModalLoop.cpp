// Application-modal loops.  Headless, a loop hands control to the driver
// that the host or test installed, which acts as the person at the keyboard;
// loops nest, each waiting for its own window's quit.
#include "Model.h"

using namespace tk;

// Runs the modal loop for the window: calls the driver once and returns noErr
// when QuitAppModalLoopForWindow was called for this loop meanwhile, else
// eventLoopQuitErr (also when no driver is installed).  errInvalidWindowRef
// for an unknown window.
OSStatus RunAppModalLoopForWindow(WindowRef window)
{
    Model &m = model();
    if (!findWindow(window))
        return errInvalidWindowRef;
    m.modalStack.push_back({handleOf(window), false});
    size_t depth = m.modalStack.size();
    if (m.modalDriver)
        m.modalDriver(window, m.modalDriverData);
    bool quit = m.modalStack[depth - 1].quit;
    m.modalStack.resize(depth - 1);
    return quit ? OSStatus(noErr) : OSStatus(eventLoopQuitErr);
}

// Ends the innermost running loop of the window (it returns once its driver
// does).  paramErr when no loop runs for the window.
OSStatus QuitAppModalLoopForWindow(WindowRef window)
{
    auto &stack = model().modalStack;
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (it->window == handleOf(window)) {
            it->quit = true;
            return noErr;
        }
    return paramErr;
}

// Installs the driver that runs modal loops (null removes it).
void TKSetModalDriver(TKModalDriver driver, void *userData)
{
    model().modalDriver = driver;
    model().modalDriverData = userData;
}

int TKModalDepth(void) { return int(model().modalStack.size()); }
