// Whether a choice would put its option in conflict with the marked choices,
// found by marking it for a moment.
#include "PPDAccess.h"

#include <utility>
#include <vector>

namespace {

using ConflictFlags = std::vector<std::pair<ppd_option_t *, char>>;

// The conflict flag of every option of ppd, groups and subgroups included.
ConflictFlags saveConflictFlags(ppd_file_t *ppd)
{
    ConflictFlags flags;
    auto saveGroup = [&flags](ppd_group_t &group) {
        for (int i = 0; i < group.num_options; ++i)
            flags.emplace_back(&group.options[i], group.options[i].conflicted);
    };
    for (int g = 0; g < ppd->num_groups; ++g) {
        saveGroup(ppd->groups[g]);
        for (int s = 0; s < ppd->groups[g].num_subgroups; ++s)
            saveGroup(ppd->groups[g].subgroups[s]);
    }
    return flags;
}

void restoreConflictFlags(const ConflictFlags &flags)
{
    for (const auto &[option, conflicted] : flags)
        option->conflicted = conflicted;
}

} // namespace

// 1 when marking choice puts option keyword in conflict, else 0; the PPD's
// marks and conflict flags are restored before returning.
SInt32 IsPPDChoiceConflicted(ppd_file_t *ppd, const char *keyword, const char *choice)
{
    ppd_option_t *option = ppdFindOption(ppd, keyword);
    if (!option || !choice)
        return 0;
    if (ppdIsMarked(ppd, keyword, choice))
        return option->conflicted ? 1 : 0;
    ppd_choice_t *tested = ppdFindChoice(option, choice);
    if (!tested)
        return 0;

    ppd_choice_t *previous = ppdFindMarkedChoice(ppd, keyword);
    if (previous) {
        // Marking the previous choice again restores both marks and flags.
        ppdMarkOption(ppd, keyword, choice);
        const SInt32 conflicted = option->conflicted ? 1 : 0;
        ppdMarkOption(ppd, keyword, previous->choice);
        return conflicted;
    }

    // No choice was marked, and libcups cannot unmark an option: take the
    // tested choice out of the record's marked set ourselves, and put back the
    // flags that were computed without it.
    const ConflictFlags flags = saveConflictFlags(ppd);
    ppdMarkOption(ppd, keyword, choice);
    const SInt32 conflicted = option->conflicted ? 1 : 0;
    cupsArrayRemove(ppd->marked, tested);
    tested->marked = 0;
    restoreConflictFlags(flags);
    return conflicted;
}
