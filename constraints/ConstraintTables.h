// The compiled constraint rules: the codes of the rule language, its token
// tables, the table of named controls, and the rule records with the
// condition arrays, logic sequences and action lists they point into.  All of
// it is constant data; the evaluator works on the codes only.
#pragma once

#include <MacTypes.h>

#include <Toolkit/Toolkit.h>

#include "CustomContext.h"

// Codes of the rule language.
enum ConstraintCode : SInt32 {
    kCstOpenParen = 1001,
    kCstCloseParen = 1002,
    kCstAnd = 1003,
    kCstOr = 1004,
    kCstEqual = 1005,
    kCstNotEqual = 1006,
    kCstAssign = 1007,
    kCstLess = 1009,
    kCstGreater = 1010,
    kCstLessEqual = 1011,     // "=<"
    kCstLessEqualAlt = 1012,  // "<="
    kCstGreaterEqual = 1013,  // ">="
    kCstGreaterEqualAlt = 1014, // "=>"
    kCstEnd = 1017,           // end of an array or sequence; no value change
    kCstOperatorTableEnd = 1018,
    kCstRuleTableEnd = 1019,
    kCstKindAbstractCondition = 1020,
    kCstKindAbstractTarget = 1021,
    kCstKindValueChange = 1022,
    kCstKindDefaultIcon = 1023,
    kCstKindHint = 1024,
    kCstKindTableEnd = 1025,
    kCstActGreyOut = 1027,
    kCstActChangeMessage = 1028,
    kCstActErrorMessage = 1029,
    kCstActToolControl = 1030,
    kCstActHint = 1031,
    kCstActionTableEnd = 1032, // also ends gCtrlTable
    kCstCtrlPopup = 1035,
    kCstCtrlCheckBox = 1036,
    kCstCtrlButton = 1039,     // buttons and the three edge-enhancement popups
};

// Limits of one rule: its conditions, and the logic entries folded.
enum { kCstMaxConditions = 20, kCstMaxLogicEntries = 40, kCstNameSize = 32 };

// Token tables: fixed-width blank-padded tokens, their significant length and
// code.  Nothing reads them at run time; they fix the rule vocabulary.
struct OperatorToken {
    char token[4 + 1];
    SInt32 length;
    SInt32 code;
    Boolean logical;
    Boolean comparison;
};
struct ActionToken {
    char token[12 + 1];
    SInt32 length;
    SInt32 code;
    Boolean takesArgument; // the token ends in '_' and a number follows it
};
struct RuleKindToken {
    char token[33 + 1];
    SInt32 length;
    SInt32 code;
};

extern const OperatorToken strOpe2enum_sample[14];
extern const ActionToken strOption2enum_Mod[6];
extern const RuleKindToken strMainOpe2enum_sample[6];

// A control that rules may name.
struct ControlTableRow {
    SInt32 controlID;    // number under the signature 'vxco'
    SInt32 controlIndex; // slot in CustomContext::controls
    SInt32 kind;         // kCstCtrlPopup, kCstCtrlCheckBox, kCstCtrlButton; kCstActionTableEnd ends
    SInt32 reserved0;    // 0
    SInt32 reserved1;    // -1
    char name[kCstNameSize];
};

extern const ControlTableRow gCtrlTable[32];

// Condition, target and value-change records share one layout.
struct ConditionRecord {
    char controlName[kCstNameSize];
    char valueName[kCstNameSize]; // a label only
    SInt32 value;
    SInt32 code;
};

struct ActionEntry {
    SInt32 code;
    SInt32 argument;
};

struct ConstraintRule {
    SInt32 kind;                       // kCstKindValueChange; kCstRuleTableEnd ends the table
    SInt8 conditionCount;
    const ConditionRecord *conditions;
    SInt32 logicCount;                 // not read: the fold stops at kCstEnd
    const SInt32 *logic;
    ConditionRecord target;            // its control name names the target
    ConditionRecord valueChange;       // code kCstAssign: the target gets value
    SInt8 actionCount;
    const ActionEntry *actions;
};

extern const ConditionRecord conditionsColorOptions_0000[2];
extern const ConditionRecord conditionsColorOptions_0001[2];
extern const ConditionRecord conditionsColorOptions_0002[3];
extern const ConditionRecord conditionsColorOptions_0003[3];
extern const ConditionRecord conditionsColorOptions_0004[3];
extern const ConditionRecord conditionsColorOptions_0005[3];
extern const ConditionRecord conditionsColorOptions_0006[2];
extern const ConditionRecord conditionsColorOptions_0007[3];
extern const ConditionRecord conditionsColorOptions_0008[3];
extern const ConditionRecord conditionsColorOptions_0009[3];
extern const ConditionRecord conditionsColorOptions_0013[3];
extern const ConditionRecord conditionsColorOptions_0014[2];
extern const SInt32 conditions2ndColorOptions_0000[1];
extern const SInt32 conditions2ndColorOptions_0001[4];
extern const ActionEntry options_0001[1];

// 21 rules and the end record.
enum { kCstRuleCount = 21 };
extern const ConstraintRule cstColorOption[kCstRuleCount + 1];

// The control of the context that gCtrlTable names `name` (same length, same
// bytes, at most 32 of them), or null when no row matches, the row's index is
// outside the context or the context has no such control.
ControlRef ConstraintControlByName(const CustomContext *context, const char *name);
