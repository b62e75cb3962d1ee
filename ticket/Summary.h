// The dialog's summary: one localized label and one value per option.
#pragma once

#include "CustomContext.h"
#include "OptionCatalog.h"

// Appends the pairs of all options; the status of the last member.
OSStatus MyGetSummaryText(CustomContext *context, CFMutableArrayRef titles, CFMutableArrayRef values);
// The summary member of one option of the catalogue.
OSStatus MyGetOptionSummaryText(OptionIndex option, CustomContext *context, CFMutableArrayRef titles,
                                CFMutableArrayRef values);

// The 27 named summary members.
#define QV_DECLARE_SUMMARY_MEMBER(Name) \
    OSStatus Get##Name##SummaryText(CustomContext *context, CFMutableArrayRef titles, CFMutableArrayRef values);
QV_DECLARE_SUMMARY_MEMBER(QuickColor)
QV_DECLARE_SUMMARY_MEMBER(Brightness)
QV_DECLARE_SUMMARY_MEMBER(ColorAsGray)
QV_DECLARE_SUMMARY_MEMBER(ColorSeparation)
QV_DECLARE_SUMMARY_MEMBER(EconoMode)
QV_DECLARE_SUMMARY_MEMBER(EdgeType)
QV_DECLARE_SUMMARY_MEMBER(ImageRGBSource)
QV_DECLARE_SUMMARY_MEMBER(ImageRenderIntent)
QV_DECLARE_SUMMARY_MEMBER(ImageGrayTreatment)
QV_DECLARE_SUMMARY_MEMBER(ImageHalftone)
QV_DECLARE_SUMMARY_MEMBER(ImageEdgeEnhance)
QV_DECLARE_SUMMARY_MEMBER(ImageDestinationProfile)
QV_DECLARE_SUMMARY_MEMBER(TextRGBSource)
QV_DECLARE_SUMMARY_MEMBER(TextRenderIntent)
QV_DECLARE_SUMMARY_MEMBER(TextGrayTreatment)
QV_DECLARE_SUMMARY_MEMBER(TextHalftone)
QV_DECLARE_SUMMARY_MEMBER(TextEdgeEnhance)
QV_DECLARE_SUMMARY_MEMBER(TextDestinationProfile)
QV_DECLARE_SUMMARY_MEMBER(GraphicsRGBSource)
QV_DECLARE_SUMMARY_MEMBER(GraphicsRenderIntent)
QV_DECLARE_SUMMARY_MEMBER(GraphicsGrayTreatment)
QV_DECLARE_SUMMARY_MEMBER(GraphicsHalftone)
QV_DECLARE_SUMMARY_MEMBER(GraphicsEdgeEnhance)
QV_DECLARE_SUMMARY_MEMBER(GraphicsDestinationProfile)
QV_DECLARE_SUMMARY_MEMBER(SimulationSource)
QV_DECLARE_SUMMARY_MEMBER(SimulationRenderIntent)
QV_DECLARE_SUMMARY_MEMBER(SimulationGrayTreatment)
