// The maintenance pages' own tables against the simulator's object data.

#include <gtest/gtest.h>

#include "pages/maintenance/admin_page_vars.h"
#include "pages/maintenance/device_info_page_vars.h"
#include "pages/maintenance/firmware_page_vars.h"
#include "pages/maintenance/system_page_vars.h"
#include "tests/shell/served_tables.h"

TEST(MaintenancePageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    struct Table {
        const char* name;
        const VkSNMPVarEntry* rows;
        VkSNMPVarListKind kind;
        bool sameNames = true;
        bool readOnlyUse = false;
    };
    const Table tables[] = {
        // Device Information only reads; it names the SSID key as the primary SSID's.
        {"VarsDevInfoInterface", VarsDevInfoInterface, MVT_SV, true, true},
        {"VarsDevInfoRadioTable", VarsDevInfoRadioTable, MVT_UMV, true, true},
        {"VarsDevInfoSecurity", VarsDevInfoSecurity, MVT_SV, true, true},
        {"VarsDevInfoMssidKey", VarsDevInfoMssidKey, MVT_SV, false, true},
        {"VarsDevInfoApArray", VarsDevInfoApArray, SVT_SV, true, true},
        {"VarsAdminManagerLimit", VarsAdminManagerLimit, SVT_SV},
        {"VarsAdminNetworkAccessProtection", VarsAdminNetworkAccessProtection, MVT_SV},
        {"VarsAdminConsole", VarsAdminConsole, MVT_SV},
        {"VarsAdminConsoleTimeout", VarsAdminConsoleTimeout, SVT_SV},
        {"VarsAdminUser", VarsAdminUser, MVT_SV},
        {"VarsAdminTrap", VarsAdminTrap, MVT_SV},
        {"VarsAdminPingControl", VarsAdminPingControl, MVT_SV},
        {"VarsAdminManagerPool", VarsAdminManagerPool, MVT_UMV},
        // The list's columns are named by their captions.
        {"VarsAdminManagerPoolList", VarsAdminManagerPoolList, MVT_UMV, false},
        {"VarsAdminManagerDelete", VarsAdminManagerDelete, SVT_SV},
        {"VarsTftpServerFirmware", VarsTftpServerFirmware, SVT_SV},
        {"VarsSystemActions", VarsSystemActions, SVT_SV},
    };
    for (const Table& t : tables) served::ExpectTableServed(store, t.name, t.rows, t.kind, t.sameNames, t.readOnlyUse);
    // The MIB-II system objects carry the page's own names.
    served::ExpectTableServed(store, "VarsAdminSystemName", VarsAdminSystemName, SVT_SV, false);
}
