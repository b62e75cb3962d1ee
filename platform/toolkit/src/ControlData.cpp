// Tagged control data of edit fields: the text (as UTF-8 bytes or as a CF
// string), the selection, and whatever other tags the caller stores.
#include "Model.h"

#include <algorithm>
#include <cstring>

using namespace tk;

namespace {

// The field's text length in UTF-16 units, capped to what a selection holds.
SInt16 textLength(const Control &c)
{
    CFIndex n = c.text.get() ? CFStringGetLength(c.text.get()) : 0;
    return SInt16(std::min<CFIndex>(n, 0x7FFF));
}

// Replaces the field's text with a copy of text and puts the caret at its end.
OSStatus setText(Control &c, CFStringRef text)
{
    if (c.text.get() && CFEqual(c.text.get(), text))
        return noErr;
    CFStringRef copy = CFStringCreateCopy(kCFAllocatorDefault, text);
    if (!copy)
        return memFullErr;
    c.text.reset(copy);
    c.selStart = c.selEnd = textLength(c);
    notify(c.self, kTKChangeText);
    return noErr;
}

// Looks up an edit field; errUnknownControl or errDataNotSupported otherwise.
OSStatus findField(ControlRef control, Control **out)
{
    *out = findControl(control);
    if (!*out)
        return errUnknownControl;
    return (*out)->kind == kControlKindEditUnicodeText ? OSStatus(noErr) : OSStatus(errDataNotSupported);
}

// Copies up to bufferSize of the bytes into buffer (when given).
void copyOut(const void *bytes, Size size, Size bufferSize, void *buffer, Size *actualSize)
{
    if (actualSize)
        *actualSize = size;
    if (buffer && bufferSize > 0 && size > 0)
        std::memcpy(buffer, bytes, size_t(std::min(size, bufferSize)));
}

} // namespace

// Reads the tagged data of an edit field into buffer (null asks only for the
// size).  Text and stored tags are copied up to bufferSize, actualSize being
// the full size; 'cfst' and 'sele' need room for their whole value (paramErr).
// errDataNotSupported for other controls and tags never set.
OSErr GetControlData(ControlRef control, ControlPartCode, ResType tagName, Size bufferSize, void *buffer,
                     Size *actualSize)
{
    Control *c;
    if (OSStatus status = findField(control, &c))
        return OSErr(status);
    switch (tagName) {
    case kControlEditTextTextTag: {
        std::string bytes = utf8Of(c->text.get());
        copyOut(bytes.data(), Size(bytes.size()), bufferSize, buffer, actualSize);
        return noErr;
    }
    case kControlEditTextCFStringTag:
        if (actualSize)
            *actualSize = sizeof(CFStringRef);
        if (!buffer)
            return noErr;
        if (bufferSize < Size(sizeof(CFStringRef)))
            return paramErr;
        {
            CFStringRef text = c->text.get() ? c->text.get() : CFSTR("");
            *static_cast<CFStringRef *>(buffer) = static_cast<CFStringRef>(CFRetain(text));
        }
        return noErr;
    case kControlEditTextSelectionTag: {
        if (buffer && bufferSize < Size(sizeof(ControlEditTextSelectionRec)))
            return paramErr;
        ControlEditTextSelectionRec sel{c->selStart, c->selEnd};
        copyOut(&sel, sizeof sel, bufferSize, buffer, actualSize);
        return noErr;
    }
    default: {
        auto it = c->data.find(tagName);
        if (it == c->data.end())
            return errDataNotSupported;
        copyOut(it->second.data(), Size(it->second.size()), bufferSize, buffer, actualSize);
        return noErr;
    }
    }
}

// Sets the tagged data of an edit field.  'text' must be valid UTF-8 and
// 'cfst' a non-null string (paramErr otherwise); a selection is clamped to
// the text.  Observers hear of every change as a text change.
OSErr SetControlData(ControlRef control, ControlPartCode, ResType tagName, Size size, const void *data)
{
    Control *c;
    if (OSStatus status = findField(control, &c))
        return OSErr(status);
    if (size < 0 || (size > 0 && !data))
        return paramErr;
    switch (tagName) {
    case kControlEditTextTextTag: {
        CFStringRef text = size == 0 ? CFSTR("")
                                     : CFStringCreateWithBytes(kCFAllocatorDefault, static_cast<const UInt8 *>(data),
                                                               size, kCFStringEncodingUTF8, false);
        if (!text)
            return paramErr;
        OSStatus status = setText(*c, text);
        CFRelease(text);
        return OSErr(status);
    }
    case kControlEditTextCFStringTag:
        if (size != Size(sizeof(CFStringRef)) || !*static_cast<const CFStringRef *>(data))
            return paramErr;
        return OSErr(setText(*c, *static_cast<const CFStringRef *>(data)));
    case kControlEditTextSelectionTag: {
        if (size < Size(sizeof(ControlEditTextSelectionRec)))
            return paramErr;
        ControlEditTextSelectionRec sel;
        std::memcpy(&sel, data, sizeof sel);
        SInt16 length = textLength(*c);
        SInt16 start = std::clamp<SInt16>(sel.selStart, 0, length);
        SInt16 end = std::clamp<SInt16>(sel.selEnd, 0, length);
        if (start != c->selStart || end != c->selEnd) {
            c->selStart = start;
            c->selEnd = end;
            notify(c->self, kTKChangeText);
        }
        return noErr;
    }
    default: {
        const UInt8 *bytes = static_cast<const UInt8 *>(data);
        std::vector<UInt8> value(bytes, bytes + size);
        auto it = c->data.find(tagName);
        if (it != c->data.end() && it->second == value)
            return noErr;
        c->data[tagName] = std::move(value);
        notify(c->self, kTKChangeText);
        return noErr;
    }
    }
}

// The size of the tagged data, as GetControlData reports it.
OSStatus GetControlDataSize(ControlRef control, ControlPartCode part, ResType tagName, Size *outSize)
{
    if (!outSize)
        return paramErr;
    return GetControlData(control, part, tagName, 0, nullptr, outSize);
}
