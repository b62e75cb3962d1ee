// Synchronising the pane and the print settings ticket in either direction,
// then letting the constraint rules settle the controls.
#include "Sync.h"

#include <cstdlib>

#include "Constraints.h"
#include "DebugMessage.h"
#include "PluginShell.h"
#include "ProfileFile.h"
#include "ProfileMenus.h"
#include "TicketAccessors.h"
#include "TicketInternal.h"

namespace {

// The getters' order.  It differs from the setters' in the first four options.
const OptionIndex kGetterOrder[] = {
    kOptQuickColor, kOptColorAsGray, kOptColorSeparation, kOptBrightness, kOptEconoMode, kOptEdgeType,
    kOptImageRGBSource, kOptImageRenderIntent, kOptImageGrayTreatment,
    kOptImageDestinationProfile, kOptImageHalftone, kOptImageEdgeEnhance,
    kOptTextRGBSource, kOptTextRenderIntent, kOptTextGrayTreatment,
    kOptTextDestinationProfile, kOptTextHalftone, kOptTextEdgeEnhance,
    kOptGraphicsRGBSource, kOptGraphicsRenderIntent, kOptGraphicsGrayTreatment,
    kOptGraphicsDestinationProfile, kOptGraphicsHalftone, kOptGraphicsEdgeEnhance,
    kOptSimulationSource, kOptSimulationRenderIntent, kOptSimulationGrayTreatment,
};


static_assert(sizeof kGetterOrder / sizeof kGetterOrder[0] == kOptionCount);

// The three profile lists of one sync, by class.
struct SyncLists {
    ProfileList list[3];
};

} // namespace

// Runs the 27 getters in order, then records the advanced controls as the
// current Custom preset.  The last getter's status.
OSStatus MySyncPaneFromTicket(CustomContext *context, PMPrintSession session)
{
    OSStatus status = noErr;
    for (OptionIndex option : kGetterOrder)
        status = MyGetOption(option, session, context);
    vGetCustomProfilesAsCurrent();
    MyDebugMessage("MySyncPane", status);
    return status;
}

// Reads the three profile lists, then runs the 27 setters in order.  The last
// setter's status.
OSStatus MySyncTicketFromPane(CustomContext *context, PMPrintSession session)
{
    // Without memory for the lists, the profile setters see no custom profiles.
    auto *lists = static_cast<SyncLists *>(std::calloc(1, sizeof(SyncLists)));
    if (lists != nullptr)
        VxPListReadProfile_All(&lists->list[kProfileClassRGB], &lists->list[kProfileClassSIM],
                               &lists->list[kProfileClassDST]);
    OSStatus status = noErr;
    for (OptionIndex option : kTicketWriteOrder) {
        const SInt32 profileClass = kOptionCatalog[option].profileClass;
        const ProfileList *list = lists != nullptr && profileClass >= 0 ? &lists->list[profileClass] : nullptr;
        status = MySetOption(option, session, context, list);
    }
    std::free(lists);
    MyDebugMessage("MySyncTicket", status);
    return status;
}

// The host's Sync: direction 1 reads the ticket into the pane, any other value
// writes the pane into the ticket; the constraint rules run either way.  The
// status of the sync.
OSStatus MySync(PMPDEContext context, PMPrintSession printSession, Boolean reinitializePlugin)
{
    auto *instance = static_cast<PDEInstance *>(context);
    globalContext = instance;
    if (instance == nullptr || instance->context == nullptr)
        return paramErr;
    OSStatus status = reinitializePlugin == 1 ? MySyncPaneFromTicket(instance->context, printSession)
                                              : MySyncTicketFromPane(instance->context, printSession);
    vColorPresetConstraints();
    return status;
}
