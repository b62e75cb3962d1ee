// The rule table and the condition arrays, logic sequences and action list
// its rules share.  Every rule greys out its target while its test holds.
#include "ConstraintTables.h"

#define CST_END_CONDITION {"", "", -1, kCstEnd}
#define CST_CHECKED(name) {name, "Checked", 1, kCstEqual}
#define CST_ON_FIRST(name, label) {name, label, 1, kCstEqual}
#define CST_OFF_FIRST(name, label) {name, label, 1, kCstNotEqual}

const ConditionRecord conditionsColorOptions_0000[2] = {CST_CHECKED("ColorAsGrayCheckBox"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0001[2] = {CST_CHECKED("ColorSeparationCheckBox"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0002[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_ON_FIRST("ImageRGBSourcePopup", "None"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0003[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_ON_FIRST("TextRGBSourcePopup", "None"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0004[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_ON_FIRST("GraphicsRGBSourcePopup", "None"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0005[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_ON_FIRST("SimulationSourcePopup", "None"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0006[2] = {{"QuickColorPopup", "Custom", 4, kCstNotEqual},
                                                        CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0007[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_OFF_FIRST("ImageDestinationProfilePopup", "Auto"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0008[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_OFF_FIRST("TextDestinationProfilePopup", "Auto"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0009[3] = {
    CST_CHECKED("ColorAsGrayCheckBox"), CST_OFF_FIRST("GraphicsDestinationProfilePopup", "Auto"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0013[3] = {
    CST_CHECKED("EconoModeCheckBox"), CST_ON_FIRST("EdgeTypePopup", "Off"), CST_END_CONDITION};
const ConditionRecord conditionsColorOptions_0014[2] = {CST_ON_FIRST("EdgeTypePopup", "Off"), CST_END_CONDITION};

// The rule's result is its first condition.
const SInt32 conditions2ndColorOptions_0000[1] = {kCstEnd};
// First condition OR second.
const SInt32 conditions2ndColorOptions_0001[4] = {0, 1, kCstOr, kCstEnd};

const ActionEntry options_0001[1] = {{kCstActGreyOut, 0}};

// The rules in evaluation order.  Fields: kind, number of conditions, their
// array, number of logic entries, the sequence, the target, the value change
// (kCstAssign forces the value while the rule holds), the actions.
const ConstraintRule cstColorOption[kCstRuleCount + 1] = {
    {kCstKindValueChange, 1, conditionsColorOptions_0006, 0, conditions2ndColorOptions_0000,
     {"GoToAdvancedOptionsButton", "", 0, kCstEnd}, {"GoToAdvancedOptionsButton", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"ColorSeparationCheckBox", "", 0, kCstEnd}, {"ColorSeparationCheckBox", "UnChecked", 0, kCstAssign}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0001, 0, conditions2ndColorOptions_0000,
     {"ColorAsGrayCheckBox", "", 0, kCstEnd}, {"ColorAsGrayCheckBox", "UnChecked", 0, kCstAssign}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"ImageRGBSourcePopup", "", 0, kCstEnd}, {"ImageRGBSourcePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0002, 3, conditions2ndColorOptions_0001,
     {"ImageRenderIntentPopup", "", 0, kCstEnd}, {"ImageRenderIntentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0007, 3, conditions2ndColorOptions_0001,
     {"ImageGrayTreatmentPopup", "", 0, kCstEnd}, {"ImageGrayTreatmentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"ImageDestinationProfilePopup", "", 0, kCstEnd}, {"ImageDestinationProfilePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"TextRGBSourcePopup", "", 0, kCstEnd}, {"TextRGBSourcePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0003, 3, conditions2ndColorOptions_0001,
     {"TextRenderIntentPopup", "", 0, kCstEnd}, {"TextRenderIntentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0008, 3, conditions2ndColorOptions_0001,
     {"TextGrayTreatmentPopup", "", 0, kCstEnd}, {"TextGrayTreatmentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"TextDestinationProfilePopup", "", 0, kCstEnd}, {"TextDestinationProfilePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"GraphicsRGBSourcePopup", "", 0, kCstEnd}, {"GraphicsRGBSourcePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0004, 3, conditions2ndColorOptions_0001,
     {"GraphicsRenderIntentPopup", "", 0, kCstEnd}, {"GraphicsRenderIntentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0009, 3, conditions2ndColorOptions_0001,
     {"GraphicsGrayTreatmentPopup", "", 0, kCstEnd}, {"GraphicsGrayTreatmentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"GraphicsDestinationProfilePopup", "", 0, kCstEnd}, {"GraphicsDestinationProfilePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 1, conditionsColorOptions_0000, 0, conditions2ndColorOptions_0000,
     {"SimulationSourcePopup", "", 0, kCstEnd}, {"SimulationSourcePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0005, 3, conditions2ndColorOptions_0001,
     {"SimulationRenderIntentPopup", "", 0, kCstEnd}, {"SimulationRenderIntentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0005, 3, conditions2ndColorOptions_0001,
     {"SimulationGrayTreatmentPopup", "", 0, kCstEnd}, {"SimulationGrayTreatmentPopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0013, 3, conditions2ndColorOptions_0001,
     {"ImageEdgeEnhancePopup", "", 0, kCstEnd}, {"ImageEdgeEnhancePopup", "", 0, kCstEnd}, 1, options_0001},
    // One condition under the two-condition sequence: the second result stays
    // 0, so the rule holds exactly when its one condition does.
    {kCstKindValueChange, 1, conditionsColorOptions_0014, 3, conditions2ndColorOptions_0001,
     {"TextEdgeEnhancePopup", "", 0, kCstEnd}, {"TextEdgeEnhancePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstKindValueChange, 2, conditionsColorOptions_0013, 3, conditions2ndColorOptions_0001,
     {"GraphicsEdgeEnhancePopup", "", 0, kCstEnd}, {"GraphicsEdgeEnhancePopup", "", 0, kCstEnd}, 1, options_0001},
    {kCstRuleTableEnd, 0, nullptr, 0, nullptr, {"", "", -1, kCstEnd}, {"", "", -1, kCstEnd}, 0, nullptr},
};
