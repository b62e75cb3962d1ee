// The walk of the printer's profile table: SNMPv1 GetNext requests from the
// root until the answers leave its subtree, the MIB ends, or something fails.
// Each variable inside the subtree goes to the spool; the result goes to the
// merge on every way out.
#include "ProfileWalk.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DebugMessage.h"
#include "ProfileMerge.h"
#include "ProfileSnmp.h"

SInt32 numprinted = 0;

const oid objid_mib[6] = {1, 3, 6, 1, 2, 1};

namespace {

// The walk's booleans in the library's application store.
enum {
    kWalkIncludeRequested = 1,   // fetch the root itself before walking
    kWalkPrintStatistics = 2,    // trace the number of variables found
    kWalkDontCheckOrdering = 3,  // skip the check that OIDs increase
};

struct WalkBoolean {
    const char *token;
    int which;
    char flag;  // letter of the "-C" option that toggles it
};

const WalkBoolean kWalkBooleans[] = {
    {"includeRequested", kWalkIncludeRequested, 'i'},
    {"printStatistics", kWalkPrintStatistics, 'p'},
    {"dontCheckOrdering", kWalkDontCheckOrdering, 'c'},
};

// Registers the booleans as configuration tokens of the application "snmpwalk".
void vRegisterWalkBooleans(void)
{
    for (const WalkBoolean &b : kWalkBooleans)
        netsnmp_ds_register_config(ASN_BOOLEAN, "snmpwalk", b.token, NETSNMP_DS_APPLICATION_ID, b.which);
}

bool bWalkBoolean(int which)
{
    return netsnmp_ds_get_boolean(NETSNMP_DS_APPLICATION_ID, which) != 0;
}

// Formats a diagnostic into the debug message buffer and hands it to the
// trace; nothing is shown.
void vTraceOrdering(const oid *previous, size_t previousLength, const oid *next, size_t nextLength)
{
    char before[256];
    char after[256];
    char message[600];
    snprint_objid(before, sizeof before, previous, previousLength);
    snprint_objid(after, sizeof after, next, nextLength);
    std::snprintf(message, sizeof message, "[SNMP] Error: OID not increasing: %s >= %s", before, after);
    MyDebugMessage(message, 0);
}

bool bIsException(u_char type)
{
    return type == SNMP_NOSUCHOBJECT || type == SNMP_NOSUCHINSTANCE || type == SNMP_ENDOFMIBVIEW;
}

// Hands a failed walk to the merge and returns what the walk returns.
SInt32 iAbandonWalk(SInt32 returned)
{
    vRestructPlistSpool2Current(kWalkFailed);
    return returned;
}

// The argument parser gives the session its own copy of the community.
void vReleaseParsedSession(netsnmp_session *session)
{
    free(session->community);
    session->community = nullptr;
}

} // namespace

void optProc(int argc, char *const *argv, int opt)
{
    if (opt != 'C' || optarg == nullptr)
        return;
    for (const char *p = optarg; *p != '\0'; p++) {
        bool known = false;
        for (const WalkBoolean &b : kWalkBooleans) {
            if (*p == b.flag) {
                netsnmp_ds_toggle_boolean(NETSNMP_DS_APPLICATION_ID, b.which);
                known = true;
            }
        }
        if (!known) {
            char message[64];
            std::snprintf(message, sizeof message, "Unknown flag passed to -C: %c\n", *p);
            MyDebugMessage(message, 0);
        }
    }
}

void snmp_get_and_print(netsnmp_session *ss, const oid *theoid, size_t theoid_len)
{
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    netsnmp_pdu *response = nullptr;
    snmp_add_null_var(pdu, theoid, theoid_len);
    int status = snmp_synch_response(ss, pdu, &response);
    if (status == STAT_SUCCESS && response != nullptr && response->errstat == SNMP_ERR_NOERROR) {
        for (netsnmp_variable_list *vars = response->variables; vars != nullptr; vars = vars->next_variable) {
            numprinted++;
            print_variable(vars->name, vars->name_length, vars);
        }
    }
    if (response != nullptr)
        snmp_free_pdu(response);
}

SInt32 mib_walk(int argc, char **argv)
{
    netsnmp_session session;
    oid root[MAX_OID_LEN];
    size_t rootlen;
    oid name[MAX_OID_LEN];
    size_t name_length;
    SInt32 exitval = kWalkCompleted;

    MyDebugMessage("[SnmpWalk]  mib_walk  <Enter>", 0);
    vRegisterWalkBooleans();
    vSpoolPlist(nullptr, 0, nullptr, 1);

    int arg = snmp_parse_args(argc, argv, &session, "C:", optProc);
    // Any negative answer is a parser failure (not only -1 and -2): it must
    // never be taken as an argument index.
    if (arg < 0)
        return iAbandonWalk(arg);

    if (arg < argc) {
        rootlen = MAX_OID_LEN;
        if (snmp_parse_oid(argv[arg], root, &rootlen) == nullptr) {
            snmp_perror(argv[arg]);
            vReleaseParsedSession(&session);
            return iAbandonWalk(kWalkFailed);
        }
    } else {
        rootlen = sizeof objid_mib / sizeof objid_mib[0];
        std::memcpy(root, objid_mib, sizeof objid_mib);
    }

    netsnmp_session *ss = snmp_open(&session);
    if (ss == nullptr) {
        snmp_sess_perror("snmpwalk", &session);
        vReleaseParsedSession(&session);
        return iAbandonWalk(kWalkFailed);
    }

    std::memcpy(name, root, rootlen * sizeof(oid));
    name_length = rootlen;
    bool check = !bWalkBoolean(kWalkDontCheckOrdering);
    if (bWalkBoolean(kWalkIncludeRequested))
        snmp_get_and_print(ss, root, rootlen);

    int status = STAT_ERROR;
    bool running = true;
    while (running) {
        netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GETNEXT);
        netsnmp_pdu *response = nullptr;
        snmp_add_null_var(pdu, name, name_length);
        status = snmp_synch_response(ss, pdu, &response);
        if (status == STAT_SUCCESS && response != nullptr) {
            if (response->errstat == SNMP_ERR_NOERROR) {
                // An answer without variables would repeat the same request
                // for ever; the rest of the table is unknown, so the walk
                // counts as failed.
                if (response->variables == nullptr) {
                    running = false;
                    exitval = kWalkFailed;
                }
                for (netsnmp_variable_list *vars = response->variables; vars != nullptr;
                     vars = vars->next_variable) {
                    if (vars->name_length < rootlen || vars->name_length > MAX_OID_LEN ||
                        std::memcmp(root, vars->name, rootlen * sizeof(oid)) != 0) {
                        running = false;  // outside the subtree
                        continue;
                    }
                    numprinted++;
                    vSpoolPlist(vars->name, vars->name_length, vars, 0);
                    if (bIsException(vars->type)) {
                        running = false;
                        continue;
                    }
                    if (check && snmp_oid_compare(name, name_length, vars->name, vars->name_length) >= 0) {
                        vTraceOrdering(name, name_length, vars->name, vars->name_length);
                        running = false;
                        exitval = kWalkFailed;
                    }
                    std::memcpy(name, vars->name, vars->name_length * sizeof(oid));
                    name_length = vars->name_length;
                }
            } else if (response->errstat == SNMP_ERR_NOSUCHNAME) {
                MyDebugMessage("[UTIL-MIB] End of MIB\n", 0);
                running = false;
            } else {
                running = false;
                exitval = kWalkAgentError;
            }
        } else if (status == STAT_TIMEOUT) {
            running = false;
            exitval = kWalkFailed;
        } else {
            snmp_sess_perror("snmpwalk", ss);
            running = false;
            exitval = kWalkFailed;
        }
        if (response != nullptr)
            snmp_free_pdu(response);
    }

    if (numprinted == 0 && status == STAT_SUCCESS)
        snmp_get_and_print(ss, root, rootlen);

    snmp_close(ss);
    vReleaseParsedSession(&session);
    if (bWalkBoolean(kWalkPrintStatistics))
        MyDebugMessage("[UTIL-MIB] Variables found: ", numprinted);

    vRestructPlistSpool2Current(exitval);
    return exitval;
}
