#include "shell/startup_session.h"

#include "library/snmp/global_session.h"

void OpenDeviceSession() {
    CreateGlobalSNMPSession("");
    GlobalSNMPSecurity.version = 0;
}
