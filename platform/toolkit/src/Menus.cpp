// Popup menus: the item texts of a popup button.  A menu belongs to its popup
// and goes with it; item changes are reported to observers as changes of the
// popup.  The popup's maximum is the caller's to set.
#include "Model.h"

#include <algorithm>

using namespace tk;

// The popup button's menu, null for other controls.
MenuRef GetControlPopupMenuHandle(ControlRef control)
{
    const Control *c = findControl(control);
    return c && c->menu ? refOf<MenuRef>(c->menu) : nullptr;
}

// The number of items, 0 for an unknown menu.
UInt16 CountMenuItems(MenuRef menu)
{
    const Menu *m = findMenu(menu);
    return m ? UInt16(std::min<size_t>(m->items.size(), 0xFFFF)) : 0;
}

// Deletes numItems items from firstItem (from 1) on; the part of the range
// outside the menu is ignored.
void DeleteMenuItems(MenuRef menu, MenuItemIndex firstItem, ItemCount numItems)
{
    Menu *m = findMenu(menu);
    if (!m || firstItem < 1 || firstItem > m->items.size() || numItems == 0)
        return;
    size_t first = firstItem - 1;
    size_t last = std::min<size_t>(first + numItems, m->items.size());
    m->items.erase(m->items.begin() + first, m->items.begin() + last);
    m->commands.erase(m->commands.begin() + first, m->commands.begin() + last);
    notify(m->control, kTKChangeItems);
}

// Appends an item with a copy of text; its index goes to outNewItem.
// paramErr for a null text or a full menu.
OSStatus AppendMenuItemTextWithCFString(MenuRef menu, CFStringRef text, MenuItemAttributes, MenuCommand commandID,
                                        MenuItemIndex *outNewItem)
{
    Menu *m = findMenu(menu);
    if (!m || !text || m->items.size() >= 0xFFFF)
        return paramErr;
    CFStringRef copy = CFStringCreateCopy(kCFAllocatorDefault, text);
    if (!copy)
        return memFullErr;
    m->items.emplace_back(copy);
    m->commands.push_back(commandID);
    if (outNewItem)
        *outNewItem = MenuItemIndex(m->items.size());
    notify(m->control, kTKChangeItems);
    return noErr;
}

// Hands out the text of item (from 1), +1.  menuItemNotFoundErr outside
// 1..count.
OSStatus CopyMenuItemTextAsCFString(MenuRef menu, MenuItemIndex item, CFStringRef *outString)
{
    if (!outString)
        return paramErr;
    *outString = nullptr;
    const Menu *m = findMenu(menu);
    if (!m)
        return paramErr;
    if (item < 1 || item > m->items.size())
        return menuItemNotFoundErr;
    *outString = static_cast<CFStringRef>(CFRetain(m->items[item - 1].get()));
    return noErr;
}
