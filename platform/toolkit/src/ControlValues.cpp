// A control's value and its range.  The 16-bit calls read and write the same
// 32-bit fields, truncating on the way out.  Programmatic changes send no
// events; observers hear of them.
#include "Model.h"

#include <algorithm>

using namespace tk;

namespace {

enum class Field { Value, Minimum, Maximum };

// Reads one field of the control, 0 for an unknown control.
SInt32 readField(ControlRef control, Field field)
{
    const Control *c = findControl(control);
    if (!c)
        return 0;
    switch (field) {
    case Field::Value: return c->value;
    case Field::Minimum: return c->minimum;
    case Field::Maximum: return c->maximum;
    }
    return 0;
}

// Sets one field; a new bound clamps the value into the range.
void writeField(ControlRef control, Field field, SInt32 v)
{
    Control *c = findControl(control);
    if (!c)
        return;
    Handle h = c->self;
    if (field == Field::Value) {
        setValue(h, v);
        return;
    }
    SInt32 &bound = field == Field::Minimum ? c->minimum : c->maximum;
    if (bound != v) {
        bound = v;
        notify(h, field == Field::Minimum ? kTKChangeMinimum : kTKChangeMaximum);
    }
    if ((c = findControl(h)))
        setValue(h, c->value);
}

} // namespace

SInt32 GetControl32BitValue(ControlRef control) { return readField(control, Field::Value); }
void SetControl32BitValue(ControlRef control, SInt32 value) { writeField(control, Field::Value, value); }
SInt32 GetControl32BitMaximum(ControlRef control) { return readField(control, Field::Maximum); }
void SetControl32BitMaximum(ControlRef control, SInt32 maximum) { writeField(control, Field::Maximum, maximum); }
SInt32 GetControl32BitMinimum(ControlRef control) { return readField(control, Field::Minimum); }
void SetControl32BitMinimum(ControlRef control, SInt32 minimum) { writeField(control, Field::Minimum, minimum); }
SInt16 GetControlValue(ControlRef control) { return SInt16(readField(control, Field::Value)); }
void SetControlValue(ControlRef control, SInt16 value) { writeField(control, Field::Value, value); }
SInt16 GetControlMaximum(ControlRef control) { return SInt16(readField(control, Field::Maximum)); }
void SetControlMaximum(ControlRef control, SInt16 maximum) { writeField(control, Field::Maximum, maximum); }
SInt16 GetControlMinimum(ControlRef control) { return SInt16(readField(control, Field::Minimum)); }
void SetControlMinimum(ControlRef control, SInt16 minimum) { writeField(control, Field::Minimum, minimum); }
