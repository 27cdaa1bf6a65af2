#include "shell/startup_message_files.h"

#include <initializer_list>
#include <stdexcept>

#include "library/common/messages.h"
#include "library/common/path.h"
#include "platform/os/folder_entry.h"

namespace {

struct MessageFile {
    const char* name;
    VkMessageTable& table;
};

const MessageFile kMessageFiles[] = {
    {"common.err", VkCommonMessages},       {"snmp.err", VkSNMPPduMessages},
    {"snmpv3.err", VkSNMPv3Messages},       {"snmpusm.err", VkSNMPUsmMessages},
    {"snmpclass.err", VkSNMPClassMessages}, {"vksnmp.err", VkSNMPLayerMessages},
    {"snmp.msg", VkSNMPStatusTemplates},
};

VkMessageTable& TableOf(const std::string& fileName) {
    for (const MessageFile& file : kMessageFiles) {
        if (fileName == file.name) return file.table;
    }
    throw std::logic_error("no message table for " + fileName);
}

void LoadMessageFolder(const std::string& parent, const char* folderName,
                       std::initializer_list<const char*> fileOrder) {
    std::string folder = os::FindEntryIgnoringCase(parent, folderName);
    if (folder.empty()) return;
    for (const char* fileName : fileOrder) LoadMessageFile(TableOf(fileName), JoinPath(folder, fileName));
}

}  // namespace

void LoadProgramMessageFiles(const std::string& programFolder) {
    LoadMessageFolder(programFolder, "errMSg",
                      {"snmpclass.err", "snmp.err", "snmp.msg", "vksnmp.err", "snmpv3.err",
                       "snmpusm.err", "common.err"});
}

void LoadModuleMessageFiles(const std::string& moduleFolder) {
    LoadMessageFolder(moduleFolder, "errmsg",
                      {"common.err", "snmp.err", "snmpv3.err", "snmpusm.err", "snmpclass.err",
                       "vksnmp.err", "snmp.msg"});
}
