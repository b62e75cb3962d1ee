#include "CustomContext.h"

#include <cstdlib>

#include "OptionCatalog.h"

// A new zero-filled context, or null when memory runs out.
CustomContext *MyCreateCustomContext(void)
{
    return static_cast<CustomContext *>(std::calloc(1, sizeof(CustomContext)));
}

// Releases the titles, then the choice arrays, each set back to null, then
// frees the record.  Controls, menus and windows belong to the control tree.
void MyReleaseCustomContext(CustomContext *context)
{
    if (context == nullptr)
        return;
    CFStringRef *titles = reinterpret_cast<CFStringRef *>(&context->titles);
    for (size_t i = 0; i < sizeof(context->titles) / sizeof(CFStringRef); ++i) {
        if (titles[i] != nullptr) {
            CFRelease(titles[i]);
            titles[i] = nullptr;
        }
    }
    for (const OptionInfo &option : kOptionCatalog) {
        CFMutableArrayRef &array = context->ppdarrays.*(option.array);
        if (array != nullptr) {
            CFRelease(array);
            array = nullptr;
        }
    }
    std::free(context);
}
