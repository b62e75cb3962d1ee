// A real SNMP agent for the walk's tests and benchmark: snmpsimd serving a
// .snmprec file, or a scripted responder, on 127.0.0.1 and a high port, and
// the snmp.conf that points the SNMP library at it.
#pragma once

#include <sys/types.h>

#include <string>

struct SnmpTestSetup {
    std::string workDir;  // temporary folder of this process
    int port = 0;         // the agents' port, also snmp.conf's defaultPort
};

// Creates the process's temporary folder, picks a free UDP port on the
// loopback and writes snmp.conf (defaultPort, timeout, retries, no MIB
// modules) into a folder named by SNMPCONFPATH; SNMP_PERSISTENT_DIR goes to
// the folder too.  The SNMP library reads the configuration once per process,
// so the first call decides; later calls return the same setup.  The folder
// is removed when the process ends.
const SnmpTestSetup &SnmpPrepareEnvironment(int timeoutSeconds, int retries);

// Starts snmpsimd serving a copy of the .snmprec file as community "tundra",
// and waits until it answers.  Returns its process id, or -1 (with a reason
// in *error) when it does not come up.
pid_t SnmpStartAgent(const SnmpTestSetup &setup, const std::string &snmprecFile, std::string *error);

// Starts the scripted responder (responder.py) in the given mode and waits
// until it answers.  Returns its process id or -1.
pid_t SnmpStartResponder(const SnmpTestSetup &setup, const std::string &script, const std::string &mode,
                         std::string *error);

// Stops a process started above, by its id, and waits for it to end.
void SnmpStopAgent(pid_t pid);

// Writes a profile table of rows rows (1 to rows, the six columns the pane
// uses) to path: row r is "P%07d.ICC", class 1, on the disk,
// IndexOnDevice 1000 + r.  Returns false when it cannot be written.
bool SnmpWriteFullTable(const std::string &path, int rows);

// Removes a folder tree (the test's own temporary folders only).
void SnmpRemoveTree(const std::string &path);
