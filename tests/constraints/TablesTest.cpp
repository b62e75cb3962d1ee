// Consistency of the constant rule tables with the option catalogue and with
// the controls the pane actually builds.
#include "PaneHarness.h"

#include <cstring>
#include <string>

#include "ConstraintTables.h"
#include "OptionCatalog.h"

namespace {

const ControlTableRow *RowNamed(const char *name)
{
    for (const ControlTableRow *row = gCtrlTable; row->kind != kCstActionTableEnd; ++row)
        if (std::strncmp(row->name, name, kCstNameSize) == 0)
            return row;
    return nullptr;
}

} // namespace

// A misspelt control name would make a condition silently false or a rule
// silently inert.
TEST(ConstraintTables, EveryRuleNamesAKnownControl)
{
    int rules = 0;
    for (const ConstraintRule *rule = cstColorOption; rule->kind != kCstRuleTableEnd; ++rule, ++rules) {
        SCOPED_TRACE(testing::Message() << "rule " << rules);
        EXPECT_NE(RowNamed(rule->target.controlName), nullptr) << rule->target.controlName;
        EXPECT_STREQ(rule->valueChange.controlName, rule->target.controlName);
        ASSERT_LE(rule->conditionCount, kCstMaxConditions);
        for (int i = 0; i < rule->conditionCount; ++i) {
            EXPECT_NE(RowNamed(rule->conditions[i].controlName), nullptr) << rule->conditions[i].controlName;
            EXPECT_NE(rule->conditions[i].code, kCstEnd);
        }
        EXPECT_EQ(rule->conditions[rule->conditionCount].code, kCstEnd);
        int length = 0;
        while (length < kCstMaxLogicEntries && rule->logic[length] != kCstEnd)
            ++length;
        EXPECT_LT(length, kCstMaxLogicEntries) << "logic sequence without its end";
    }
    EXPECT_EQ(rules, kCstRuleCount);
}

// Rows of the option controls agree with the catalogue on slot and ID.
TEST(ConstraintTables, ControlRowsAgreeWithTheCatalogue)
{
    int matched = 0;
    for (const OptionInfo &option : kOptionCatalog) {
        const ControlTableRow *row = RowNamed(option.controlName);
        if (row == nullptr) {
            ADD_FAILURE() << option.controlName << " has no row";
            continue;
        }
        ++matched;
        EXPECT_EQ(row->controlIndex, option.slot) << option.controlName;
        EXPECT_EQ(row->controlID, option.controlID) << option.controlName;
    }
    EXPECT_EQ(matched, kOptionCount);
}

// Each row reaches, through its index, the pane's control of that name and ID.
TEST_F(RulePane, ControlRowsReachTheirControls)
{
    StartPane();
    for (const ControlTableRow *row = gCtrlTable; row->kind != kCstActionTableEnd; ++row) {
        SCOPED_TRACE(row->name);
        ControlRef control = ConstraintControlByName(Context(), row->name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control, Control(row->name));
        ControlID id{};
        ASSERT_EQ(GetControlID(control, &id), noErr);
        EXPECT_EQ(id.id, row->controlID);
    }
    // The lookup is by whole name: a prefix or another case finds nothing.
    EXPECT_EQ(ConstraintControlByName(Context(), "ColorAsGray"), nullptr);
    EXPECT_EQ(ConstraintControlByName(Context(), "coloraSgraycheckbox"), nullptr);
}
