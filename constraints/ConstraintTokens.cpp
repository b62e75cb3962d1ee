// The rule language's tokens.  Two-character operators come before the
// one-character ones, so that a scanner trying the rows in order takes "<="
// before "<".
#include "ConstraintTables.h"

const OperatorToken strOpe2enum_sample[14] = {
    {"=<  ", 2, kCstLessEqual, FALSE, TRUE},
    {"<=  ", 2, kCstLessEqualAlt, FALSE, TRUE},
    {">=  ", 2, kCstGreaterEqual, FALSE, TRUE},
    {"=>  ", 2, kCstGreaterEqualAlt, FALSE, TRUE},
    {"!=  ", 2, kCstNotEqual, FALSE, TRUE},
    {"->  ", 2, kCstAssign, FALSE, FALSE},
    {"(   ", 1, kCstOpenParen, FALSE, FALSE},
    {")   ", 1, kCstCloseParen, FALSE, FALSE},
    {"&   ", 1, kCstAnd, TRUE, FALSE},
    {"|   ", 1, kCstOr, TRUE, FALSE},
    {"=   ", 1, kCstEqual, FALSE, TRUE},
    {"<   ", 1, kCstLess, FALSE, TRUE},
    {">   ", 1, kCstGreater, FALSE, TRUE},
    {"    ", 0, kCstOperatorTableEnd, FALSE, FALSE},
};

const ActionToken strOption2enum_Mod[6] = {
    {"/ERMSG_     ", 7, kCstActErrorMessage, TRUE},
    {"/CHMSG_     ", 7, kCstActChangeMessage, TRUE},
    {"/TOOLC_     ", 7, kCstActToolControl, TRUE},
    {"/HINT_      ", 6, kCstActHint, TRUE},
    {"/GROUT      ", 6, kCstActGreyOut, FALSE},
    {"            ", 0, kCstActionTableEnd, FALSE},
};

const RuleKindToken strMainOpe2enum_sample[6] = {
    {"ABSTRACTION_CONDITION            ", 21, kCstKindAbstractCondition},
    {"ABSTRACTION_TARGET               ", 18, kCstKindAbstractTarget},
    {"VRCHG                            ", 5, kCstKindValueChange},
    {"DPICO                            ", 5, kCstKindDefaultIcon},
    {"HINT                             ", 4, kCstKindHint},
    {"                                 ", 0, kCstKindTableEnd},
};
