// The rule evaluator: tests each rule against the current pane's controls,
// applies its value change and greys its target out while the test holds, and
// enables the target again when it does not.
#include "ConstraintTables.h"
#include "Constraints.h"
#include "PluginShell.h"

// The rule at index, or null when index is not a rule of the table.
static const ConstraintRule *RuleAt(SInt32 index)
{
    if (index < 0 || index >= kCstRuleCount)
        return nullptr;
    const ConstraintRule *rule = &cstColorOption[index];
    return rule->kind == kCstRuleTableEnd ? nullptr : rule;
}

// 1 when value compares to expected under code, 0 otherwise (and for codes
// that are not comparisons).
static UInt8 bCompare(SInt32 value, SInt32 expected, SInt32 code)
{
    switch (code) {
    case kCstEqual: return value == expected;
    case kCstNotEqual: return value != expected;
    case kCstLess: return value < expected;
    case kCstGreater: return value > expected;
    case kCstLessEqual:
    case kCstLessEqualAlt: return value <= expected;
    case kCstGreaterEqual:
    case kCstGreaterEqualAlt: return value >= expected;
    default: return 0;
    }
}

// Runs every rule in table order; each rule sees the values the rules before
// it left.
void vColorPresetConstraints(void)
{
    for (SInt32 index = 0; cstColorOption[index].kind != kCstRuleTableEnd; ++index) {
        if (bMatchCondition(index)) {
            vValueChange(index);
            vActOption(index);
        } else {
            vActReverseOption(index);
        }
    }
}

// Evaluates the rule's conditions into 20 one-byte results, then folds its
// logic sequence strictly left to right (parentheses have no effect).
// Returns 1 when the rule holds, 0 otherwise or without a pane.
Boolean bMatchCondition(SInt32 index)
{
    const ConstraintRule *rule = RuleAt(index);
    const CustomContext *context = MyCurrentContext();
    if (rule == nullptr || context == nullptr)
        return 0;

    UInt8 results[kCstMaxConditions] = {};
    const SInt32 count = rule->conditions != nullptr ? rule->conditionCount : 0;
    for (SInt32 i = 0; i < count && i < kCstMaxConditions; ++i) {
        const ConditionRecord &condition = rule->conditions[i];
        ControlRef control = ConstraintControlByName(context, condition.controlName);
        if (control != nullptr)
            results[i] = bCompare(GetControl32BitValue(control), condition.value, condition.code);
    }

    UInt8 running = results[0];
    UInt8 operand = 0;
    for (SInt32 i = 0; rule->logic != nullptr && i < kCstMaxLogicEntries; ++i) {
        const SInt32 entry = rule->logic[i];
        if (entry == kCstEnd)
            break;
        if (entry >= 0 && entry < kCstMaxConditions)
            operand = results[entry];
        else if (entry == kCstAnd)
            running = running & operand;
        else if (entry == kCstOr)
            running = running | operand;
    }
    return running;
}

// Sets the rule's target to the value-change record's value when its code
// asks for a change.
void vValueChange(SInt32 index)
{
    const ConstraintRule *rule = RuleAt(index);
    if (rule == nullptr || rule->valueChange.code != kCstAssign)
        return;
    ControlRef target = ConstraintControlByName(MyCurrentContext(), rule->target.controlName);
    if (target != nullptr)
        SetControl32BitValue(target, rule->valueChange.value);
}

// Applies the rule's actions to its target: greying out disables it when
// `forward`, enables it otherwise.  Other actions have no effect.
static void vApplyActions(SInt32 index, bool forward)
{
    const ConstraintRule *rule = RuleAt(index);
    if (rule == nullptr || rule->actions == nullptr)
        return;
    const CustomContext *context = MyCurrentContext();
    for (SInt32 i = 0; i < rule->actionCount; ++i) {
        ControlRef target = ConstraintControlByName(context, rule->target.controlName);
        if (target == nullptr || rule->actions[i].code != kCstActGreyOut)
            continue;
        if (forward)
            DisableControl(target);
        else
            EnableControl(target);
    }
}

// Applies the rule's actions (its target is greyed out).
void vActOption(SInt32 index)
{
    vApplyActions(index, true);
}

// Reverses the rule's actions (its target is enabled again).
void vActReverseOption(SInt32 index)
{
    vApplyActions(index, false);
}
