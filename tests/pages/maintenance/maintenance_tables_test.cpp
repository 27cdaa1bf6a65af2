// The maintenance pages' own tables against the simulator's object data.

#include <gtest/gtest.h>

#include "pages/maintenance/admin_page_vars.h"
#include "pages/maintenance/device_info_page_vars.h"
#include "pages/maintenance/firmware_page_vars.h"
#include "pages/maintenance/log_settings_page_vars.h"
#include "pages/maintenance/system_page_vars.h"
#include "pages/maintenance/time_page_vars.h"
#include "pages/maintenance/view_log_page_vars.h"
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
        {"VarsLogSetSyslog", VarsLogSetSyslog, MVT_SV},
        {"VarsLogSetEmail", VarsLogSetEmail, MVT_SV},
        {"VarsLogSetEmailUser", VarsLogSetEmailUser, MVT_SV},
        {"VarsLogSetEmailSchedule", VarsLogSetEmailSchedule, MVT_SV},
        {"VarsLogSetMailServer", VarsLogSetMailServer, MVT_SV},
        {"VarsViewLogTransfer", VarsViewLogTransfer, SVT_SV},
        {"VarsViewLogGet", VarsViewLogGet, SVT_SV},
        {"VarsViewLogClear", VarsViewLogClear, SVT_SV},
        {"VarsTimeSntp", VarsTimeSntp, SVT_SV},
        // The manual time is the clock's own object, under the page's name.
        {"VarsTimeManual", VarsTimeManual, SVT_SV, false},
    };
    for (const Table& t : tables) served::ExpectTableServed(store, t.name, t.rows, t.kind, t.sameNames, t.readOnlyUse);
    // The MIB-II system objects carry the page's own names.
    served::ExpectTableServed(store, "VarsAdminSystemName", VarsAdminSystemName, SVT_SV, false);
}
