// The spool of a walk: every variable of the printer's profile table is stored
// by row into PlistForSpool, slot r - 1 for row r.
#include "ProfileSnmp.h"

#include <cstring>

#include "ProfileList.h"

#define PROFILE_COLUMN(n) {1, 3, 6, 1, 4, 1, 18334, 1, 1, 1, 1, 6, 13, 1, 1, n}

const oid iOidIndexOnDevice[kProfileColumnOidLength] = PROFILE_COLUMN(1);
const oid iOidSourceType[kProfileColumnOidLength] = PROFILE_COLUMN(2);
const oid iOidProfileName[kProfileColumnOidLength] = PROFILE_COLUMN(3);
const oid iOidFileName[kProfileColumnOidLength] = PROFILE_COLUMN(4);
const oid iOidProfileClass[kProfileColumnOidLength] = PROFILE_COLUMN(5);
const oid iOidProfileAvailability[kProfileColumnOidLength] = PROFILE_COLUMN(7);

namespace {

enum SpoolField { kFieldIndexOnDevice, kFieldLocation, kFieldProfileName, kFieldFileName, kFieldProfileClass, kFieldDriverAvail };

struct SpoolColumn {
    const oid *column;
    u_char type;
    SpoolField field;
};

// The columns the pane uses; column 6 and any other are walked over.
const SpoolColumn kSpoolColumns[] = {
    {iOidIndexOnDevice, ASN_INTEGER, kFieldIndexOnDevice},
    {iOidSourceType, ASN_INTEGER, kFieldLocation},
    {iOidProfileName, ASN_OCTET_STR, kFieldProfileName},
    {iOidFileName, ASN_OCTET_STR, kFieldFileName},
    {iOidProfileClass, ASN_INTEGER, kFieldProfileClass},
    {iOidProfileAvailability, ASN_INTEGER, kFieldDriverAvail},
};

// The table entry of the column whose OID begins name, or null.
const SpoolColumn *pFindColumn(const oid *name)
{
    for (const SpoolColumn &c : kSpoolColumns) {
        if (std::memcmp(c.column, name, sizeof(oid) * kProfileColumnOidLength) == 0)
            return &c;
    }
    return nullptr;
}

// Copies a string value up to its first NUL or its end, at most 31 bytes,
// into a text field, zero-filled behind.
void vCopyText(char (&field)[kProfileTextSize], const netsnmp_variable_list *var)
{
    std::memset(field, 0, sizeof field);
    if (var->val.string == nullptr)
        return;
    size_t length = var->val_len < kProfileTextSize - 1 ? var->val_len : kProfileTextSize - 1;
    const void *nul = std::memchr(var->val.string, '\0', length);
    if (nul != nullptr)
        length = static_cast<size_t>(static_cast<const u_char *>(nul) - var->val.string);
    std::memcpy(field, var->val.string, length);
}

// The value of an INTEGER variable as the 32-bit field stores it.
SInt32 iIntegerValue(const netsnmp_variable_list *var)
{
    return var->val.integer != nullptr ? static_cast<SInt32>(*var->val.integer) : 0;
}

} // namespace

void vSpoolPlist(const oid *name, size_t name_length, const netsnmp_variable_list *var, SInt32 reset)
{
    if (reset == 1) {
        std::memset(&PlistForSpool, 0, sizeof PlistForSpool);
        return;
    }
    if (name == nullptr || var == nullptr || name_length < kProfileInstanceOidLength)
        return;
    const SpoolColumn *column = pFindColumn(name);
    if (column == nullptr || var->type != column->type)
        return;
    oid row = name[kProfileInstanceOidLength - 1];
    if (row < 1 || row > kProfileListSlots)
        return;

    ProfileEntry &entry = PlistForSpool.entry[row - 1];
    switch (column->field) {
    case kFieldIndexOnDevice:
        entry.IndexOnDevice = iIntegerValue(var);
        // The count never passes the number of slots, even when an agent sends
        // a row's index more than once under different first index components.
        if (PlistForSpool.iNum < kProfileListSlots)
            PlistForSpool.iNum++;
        break;
    case kFieldLocation:
        entry.Location = iIntegerValue(var);
        break;
    case kFieldProfileName:
        vCopyText(entry.ProfileName, var);
        break;
    case kFieldFileName:
        vCopyText(entry.FileName, var);
        break;
    case kFieldProfileClass:
        entry.ProfileClass = iIntegerValue(var);
        break;
    case kFieldDriverAvail:
        entry.DriverAvail = iIntegerValue(var);
        break;
    }
}
