// The net-snmp side of the profile walk: the profile table's OIDs, the root
// fetch and the spool that collects the table's variables by row.
#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <MacTypes.h>

// The profile table's entry OID, the walk's root.
#define kProfileEntryOidText "1.3.6.1.4.1.18334.1.1.1.1.6.13.1.1"

// Sub-identifiers of a column OID, and of a row's instance OID (column, a
// first index component, the row number).
enum { kProfileColumnOidLength = 16, kProfileInstanceOidLength = 18 };

extern const oid iOidIndexOnDevice[kProfileColumnOidLength];
extern const oid iOidSourceType[kProfileColumnOidLength];
extern const oid iOidProfileName[kProfileColumnOidLength];
extern const oid iOidFileName[kProfileColumnOidLength];
extern const oid iOidProfileClass[kProfileColumnOidLength];
extern const oid iOidProfileAvailability[kProfileColumnOidLength];

// Root used when an argument vector names no OID.
extern const oid objid_mib[6];

// Sends one GET for the OID and prints every variable of a clean answer on
// the standard output, counting each in numprinted.  Nothing is spooled.
void snmp_get_and_print(netsnmp_session *ss, const oid *theoid, size_t theoid_len);

// reset 1 empties the spool (PlistForSpool); reset 0 stores one variable of
// the profile table in the slot of its row.  Variables of other columns, of
// the wrong type, or with a row number outside 1 to 500 are ignored.
void vSpoolPlist(const oid *name, size_t name_length, const netsnmp_variable_list *var, SInt32 reset);
