// The dialog's summary: one localized label and one value per option.
#pragma once

#include "CustomContext.h"
#include "OptionCatalog.h"

// Appends the pairs of all options; the status of the last member.
OSStatus MyGetSummaryText(CustomContext *context, CFMutableArrayRef titles, CFMutableArrayRef values);
// The summary member of one option of the catalogue.
OSStatus MyGetOptionSummaryText(OptionIndex option, CustomContext *context, CFMutableArrayRef titles,
                                CFMutableArrayRef values);
