// The 54 named accessors: each reads or writes its own option through the
// routine of its kind.
#include "TicketAccessors.h"

#define QV_DEFINE_PLAIN_ACCESSORS(Name)                                   \
    OSStatus MyGet##Name(PMPrintSession session, CustomContext *context) \
    {                                                                     \
        return MyGetOption(kOpt##Name, session, context);                 \
    }                                                                     \
    OSStatus MySet##Name(PMPrintSession session, CustomContext *context) \
    {                                                                     \
        return MySetOption(kOpt##Name, session, context, nullptr);        \
    }
#define QV_DEFINE_PROFILE_ACCESSORS(Name)                                                         \
    OSStatus MyGet##Name(PMPrintSession session, CustomContext *context)                         \
    {                                                                                             \
        return MyGetOption(kOpt##Name, session, context);                                         \
    }                                                                                             \
    OSStatus MySet##Name(PMPrintSession session, CustomContext *context, const ProfileList *list) \
    {                                                                                             \
        return MySetOption(kOpt##Name, session, context, list);                                   \
    }

QV_DEFINE_PLAIN_ACCESSORS(QuickColor)
QV_DEFINE_PLAIN_ACCESSORS(Brightness)
QV_DEFINE_PLAIN_ACCESSORS(ColorAsGray)
QV_DEFINE_PLAIN_ACCESSORS(ColorSeparation)
QV_DEFINE_PLAIN_ACCESSORS(EconoMode)
QV_DEFINE_PLAIN_ACCESSORS(EdgeType)
QV_DEFINE_PROFILE_ACCESSORS(ImageRGBSource)
QV_DEFINE_PLAIN_ACCESSORS(ImageRenderIntent)
QV_DEFINE_PLAIN_ACCESSORS(ImageGrayTreatment)
QV_DEFINE_PLAIN_ACCESSORS(ImageHalftone)
QV_DEFINE_PLAIN_ACCESSORS(ImageEdgeEnhance)
QV_DEFINE_PROFILE_ACCESSORS(ImageDestinationProfile)
QV_DEFINE_PROFILE_ACCESSORS(TextRGBSource)
QV_DEFINE_PLAIN_ACCESSORS(TextRenderIntent)
QV_DEFINE_PLAIN_ACCESSORS(TextGrayTreatment)
QV_DEFINE_PLAIN_ACCESSORS(TextHalftone)
QV_DEFINE_PLAIN_ACCESSORS(TextEdgeEnhance)
QV_DEFINE_PROFILE_ACCESSORS(TextDestinationProfile)
QV_DEFINE_PROFILE_ACCESSORS(GraphicsRGBSource)
QV_DEFINE_PLAIN_ACCESSORS(GraphicsRenderIntent)
QV_DEFINE_PLAIN_ACCESSORS(GraphicsGrayTreatment)
QV_DEFINE_PLAIN_ACCESSORS(GraphicsHalftone)
QV_DEFINE_PLAIN_ACCESSORS(GraphicsEdgeEnhance)
QV_DEFINE_PROFILE_ACCESSORS(GraphicsDestinationProfile)
QV_DEFINE_PROFILE_ACCESSORS(SimulationSource)
QV_DEFINE_PLAIN_ACCESSORS(SimulationRenderIntent)
QV_DEFINE_PLAIN_ACCESSORS(SimulationGrayTreatment)
