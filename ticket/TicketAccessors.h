// Reading every option from the print settings ticket into its control and
// writing it back: one routine per kind of option, driven by the catalogue.
#pragma once

#include "CustomContext.h"
#include "OptionCatalog.h"
#include "ProfileList.h"

// The session's ticket under key (normally "PMPrintSettingsTicket").
OSStatus MyGetTicket(PMPrintSession session, CFStringRef key, PMTicketRef *ticket);

// The getter and setter of one option of the catalogue.  The setters of the
// seven profile options read list (the option's class); the others ignore it.
OSStatus MyGetOption(OptionIndex option, PMPrintSession session, CustomContext *context);
OSStatus MySetOption(OptionIndex option, PMPrintSession session, CustomContext *context, const ProfileList *list);

// The 54 named entry points.
#define QV_DECLARE_PLAIN_ACCESSORS(Name)                                   \
    OSStatus MyGet##Name(PMPrintSession session, CustomContext *context); \
    OSStatus MySet##Name(PMPrintSession session, CustomContext *context);
#define QV_DECLARE_PROFILE_ACCESSORS(Name)                                 \
    OSStatus MyGet##Name(PMPrintSession session, CustomContext *context); \
    OSStatus MySet##Name(PMPrintSession session, CustomContext *context, const ProfileList *list);

QV_DECLARE_PLAIN_ACCESSORS(QuickColor)
QV_DECLARE_PLAIN_ACCESSORS(Brightness)
QV_DECLARE_PLAIN_ACCESSORS(ColorAsGray)
QV_DECLARE_PLAIN_ACCESSORS(ColorSeparation)
QV_DECLARE_PLAIN_ACCESSORS(EconoMode)
QV_DECLARE_PLAIN_ACCESSORS(EdgeType)
QV_DECLARE_PROFILE_ACCESSORS(ImageRGBSource)
QV_DECLARE_PLAIN_ACCESSORS(ImageRenderIntent)
QV_DECLARE_PLAIN_ACCESSORS(ImageGrayTreatment)
QV_DECLARE_PLAIN_ACCESSORS(ImageHalftone)
QV_DECLARE_PLAIN_ACCESSORS(ImageEdgeEnhance)
QV_DECLARE_PROFILE_ACCESSORS(ImageDestinationProfile)
QV_DECLARE_PROFILE_ACCESSORS(TextRGBSource)
QV_DECLARE_PLAIN_ACCESSORS(TextRenderIntent)
QV_DECLARE_PLAIN_ACCESSORS(TextGrayTreatment)
QV_DECLARE_PLAIN_ACCESSORS(TextHalftone)
QV_DECLARE_PLAIN_ACCESSORS(TextEdgeEnhance)
QV_DECLARE_PROFILE_ACCESSORS(TextDestinationProfile)
QV_DECLARE_PROFILE_ACCESSORS(GraphicsRGBSource)
QV_DECLARE_PLAIN_ACCESSORS(GraphicsRenderIntent)
QV_DECLARE_PLAIN_ACCESSORS(GraphicsGrayTreatment)
QV_DECLARE_PLAIN_ACCESSORS(GraphicsHalftone)
QV_DECLARE_PLAIN_ACCESSORS(GraphicsEdgeEnhance)
QV_DECLARE_PROFILE_ACCESSORS(GraphicsDestinationProfile)
QV_DECLARE_PROFILE_ACCESSORS(SimulationSource)
QV_DECLARE_PLAIN_ACCESSORS(SimulationRenderIntent)
QV_DECLARE_PLAIN_ACCESSORS(SimulationGrayTreatment)
