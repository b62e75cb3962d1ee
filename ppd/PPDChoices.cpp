// Choice arrays: one five-string element per choice of a PPD option, and the
// lookup of a (keyword, choice) pair in them.
#include "PPDAccess.h"

namespace {

// A string made from UTF-8 text, or null.
CFStringRef utf8String(const char *text)
{
    return text ? CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingUTF8) : nullptr;
}

// Creates the element of one choice, or null when a string cannot be made.
CFArrayRef createElement(ppd_file_t *ppd, ppd_option_t *option, ppd_choice_t *choice, CFStringEncoding encoding)
{
    const void *strings[kPPDElementCount] = {
        utf8String(option->keyword),
        utf8String(option->defchoice),
        utf8String(choice->choice),
        CreatePPDChoiceText(ppd, choice->text, encoding),
        IsPPDChoiceConflicted(ppd, option->keyword, choice->choice) ? CFSTR(kPPDConflictTrue)
                                                                    : CFSTR(kPPDConflictFalse),
    };
    bool complete = true;
    for (const void *s : strings)
        complete = complete && s != nullptr;
    CFArrayRef element =
        complete ? CFArrayCreate(kCFAllocatorDefault, strings, kPPDElementCount, &kCFTypeArrayCallBacks) : nullptr;
    for (const void *s : strings)
        if (s)
            CFRelease(s);
    return element;
}

// The string at index of element when element is an array holding one there.
CFStringRef stringAt(const void *element, CFIndex index)
{
    if (!element || CFGetTypeID(element) != CFArrayGetTypeID())
        return nullptr;
    const void *value = CFArrayGetValueAtIndex(static_cast<CFArrayRef>(element), index);
    return value && CFGetTypeID(value) == CFStringGetTypeID() ? static_cast<CFStringRef>(value) : nullptr;
}

} // namespace

// Creates the choice array of option keyword in *array; 0, kPPDOptionNotFound
// or kPPDArrayNotCreated.
OSStatus GetPPDArrayForUIOption(ppd_file_t *ppd, const char *keyword, CFMutableArrayRef *array)
{
    if (!ppd || !keyword || !ppdFindOption(ppd, keyword))
        return kPPDOptionNotFound;
    if (!array)
        return kPPDArrayNotCreated;
    *array = CFArrayCreateMutable(kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    if (!*array)
        return kPPDArrayNotCreated;
    UInt16 count = 0;
    return GetUIListFromPPD(ppd, keyword, *array, &count);
}

// Appends the elements of option keyword's choices to array, counting them in
// *count; returns 0.
OSStatus GetUIListFromPPD(ppd_file_t *ppd, const char *keyword, CFMutableArrayRef array, UInt16 *count)
{
    ppd_option_t *option = (ppd && keyword) ? ppdFindOption(ppd, keyword) : nullptr;
    if (!array || !option)
        return noErr;
    CFStringEncoding encoding = kCFStringEncodingMacRoman;
    GetCFStringEncodingFromPPD(ppd, &encoding);
    for (int i = 0; i < option->num_choices; ++i) {
        CFArrayRef element = createElement(ppd, option, &option->choices[i], encoding);
        if (!element)
            continue;
        CFArrayAppendValue(array, element);
        CFRelease(element);
        if (count)
            ++*count;
    }
    return noErr;
}

// Index of the first element with option keyword key and choice keyword
// choice, or -1.
SInt32 FindPPDKeyPairsMatch(CFArrayRef array, CFStringRef key, CFStringRef choice)
{
    if (!array || !key || !choice)
        return -1;
    const CFIndex count = CFArrayGetCount(array);
    for (CFIndex i = 0; i < count; ++i) {
        const void *element = CFArrayGetValueAtIndex(array, i);
        CFStringRef elementKey = stringAt(element, kPPDElementOptionKeyword);
        CFStringRef elementChoice = stringAt(element, kPPDElementChoiceKeyword);
        if (elementKey && elementChoice && CFStringCompare(elementKey, key, 0) == kCFCompareEqualTo &&
            CFStringCompare(elementChoice, choice, 0) == kCFCompareEqualTo)
            return static_cast<SInt32>(i);
    }
    return -1;
}

// The same lookup with C strings (UTF-8).
SInt32 FindPPDKeyPairsMatch(CFArrayRef array, const char *key, const char *choice)
{
    CFStringRef keyString = utf8String(key);
    CFStringRef choiceString = utf8String(choice);
    const SInt32 index = FindPPDKeyPairsMatch(array, keyString, choiceString);
    if (keyString)
        CFRelease(keyString);
    if (choiceString)
        CFRelease(choiceString);
    return index;
}
