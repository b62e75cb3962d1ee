// Parsing the toolkit's resource files (the format is described in
// NibFormat.cpp).
#pragma once

#include "Model.h"

namespace tk {
bool parseNib(CFPropertyListRef plist, Nib *nib);
}
