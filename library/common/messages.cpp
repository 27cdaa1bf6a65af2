#include "library/common/messages.h"

#include <cstdio>
#include <iterator>
#include <utility>

#include "library/common/text.h"
#include "platform/os/exception.h"

// The tables are constant-initialised; GCC checks it where it can.
#if defined(__GNUC__) && !defined(__clang__)
#define VK_CONSTINIT __constinit
#else
#define VK_CONSTINIT
#endif

namespace {

// The built-in texts, exactly as the program ships them. Note the oddities
// kept on purpose: -409 has no blank after "(SNMPClass)", -420 reads
// "(SNMP Class)", and VkCommon entries 9 to 11 hold a line break ("\n").

// VkCommonMessages: 19 entries.
const char* const kCommon[] = {
    /*  0 */ "(VkCommon) Ok!",
    /*  1 */ "(VkCommon) Bad logic operand!",
    /*  2 */ "(VkCommon) Bad format specifier of edit's constraint!",
    /*  3 */ "(VkCommon) Empty value is not allowed!",
    /*  4 */ "(VkCommon) Please enter a string whose length is less than [MAXLEN]!",
    /*  5 */ "(VkCommon) Please enter a string whose length is [LEN]!",
    /*  6 */ "(VkCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    /*  7 */ "(VkCommon) Please enter a hex string whose length is [LEN]!",
    /*  8 */ "(VkCommon) Please enter a number between [MIN] and [MAX]!",
    /*  9 */ "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    /* 10 */ "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    /* 11 */ "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    /* 12 */ "(VkCommon) Out of range at index of array or list!",
    /* 13 */ "(VkCommon) Destination buffer is undersize!",
    /* 14 */ "(VkCommon) The source to dncrypt is not encrypted!",
    /* 15 */ "(VkCommon) Fail to read data from file([FILENAME])!",
    /* 16 */ "(VkCommon) Fail to write data to file([FILENAME])!",
    /* 17 */ "(VkCommon) Fail to write value in ini file([FILENAME])!",
    /* 18 */ "(VkCommon) Fail to read option data from file([FILENAME])!",
};

// VkSNMPPduMessages: 18 entries.
const char* const kPdu[] = {
    /*  0 */ "(SNMP) Response PDU Too Big!",
    /*  1 */ "(SNMP) Variable does not exist!",
    /*  2 */ "(SNMP) Cannot modify variable: Bad Value!",
    /*  3 */ "(SNMP) Cannot modify object, Read Only!",
    /*  4 */ "(SNMP) Cannot perform operation, General Error!",
    /*  5 */ "(SNMP) Cannot access variable, No Access!",
    /*  6 */ "(SNMP) Cannot create/modify variable, Wrong Type!",
    /*  7 */ "(SNMP) Cannot create/set variable, Wrong Length!",
    /*  8 */ "(SNMP) Cannot create/set variable, Wrong Encoding!",
    /*  9 */ "(SNMP) Cannot create/set variable, Wrong Value!",
    /* 10 */ "(SNMP) Cannot create variable, Creation Not Allowed!",
    /* 11 */ "(SNMP) Cannot create/set variable, Inconsistent Value!",
    /* 12 */ "(SNMP) Cannot create/set variable, Resource Unavailable!",
    /* 13 */ "(SNMP) Cannot create/set variable, Commit Failed!",
    /* 14 */ "(SNMP) Cannot create/set variable, Undo Failed!",
    /* 15 */ "(SNMP) Cannot perform operation, Authorization Error!",
    /* 16 */ "(SNMP) Cannot create/set variable, Not Writable!",
    /* 17 */ "(SNMP) Cannot create variable, Inconsistent Name!",
};

// VkSNMPv3Messages: 17 entries.
const char* const kV3[] = {
    /*  0 */ "(SNMPv3) Unsupported Security Model!",
    /*  1 */ "(SNMPv3) Message not in Time Window!",
    /*  2 */ "(SNMPv3) Received same Message twice!",
    /*  3 */ "(SNMPv3) Invalid Message!",
    /*  4 */ "(SNMPv3) Invalid EngineID!",
    /*  5 */ "(SNMPv3) v3MP not initialized!",
    /*  6 */ "(SNMPv3) Parse Error!",
    /*  7 */ "(SNMPv3) Received Message with unknown MsgID!",
    /*  8 */ "(SNMPv3) Message does not match known message!",
    /*  9 */ "(SNMPv3) Community format error!",
    /* 10 */ "(SNMPv3) Unknown UserName!",
    /* 11 */ "(SNMPv3) Build error!",
    /* 12 */ "(SNMPv3) USM: error!",
    /* 13 */ "(SNMPv3) Unknown pdu handlers!",
    /* 14 */ "(SNMPv3) Unavailable Context!",
    /* 15 */ "(SNMPv3) Unknown Context!",
    /* 16 */ "(SNMPv3) Report sent!",
};

// VkSNMPUsmMessages: 14 entries.
const char* const kUsm[] = {
    /*  0 */ "(SNMPv3USM) error!",
    /*  1 */ "(SNMPv3USM) Configfile write error!",
    /*  2 */ "(SNMPv3USM) Unsupported SecurityLevel!",
    /*  3 */ "(SNMPv3USM) Unknown SecurityName!",
    /*  4 */ "(SNMPv3USM) Encryption error!",
    /*  5 */ "(SNMPv3USM) Decryption error!",
    /*  6 */ "(SNMPv3USM) Authentication error!",
    /*  7 */ "(SNMPv3USM) Authentication failure!",
    /*  8 */ "(SNMPv3USM) Parse error!",
    /*  9 */ "(SNMPv3USM) Unknown EngineID!",
    /* 10 */ "(SNMPv3USM) Message not in TimeWindow!",
    /* 11 */ "(SNMPv3USM) Unsupported AuthProtocol!",
    /* 12 */ "(SNMPv3USM) Unsupported PrivProtocol!",
    /* 13 */ "(SNMPv3USM) Address error!",
};

// VkSNMPClassMessages: 23 entries.
const char* const kClass[] = {
    /*  0 */ "(SNMPClass) Operation failed!",
    /*  1 */ "(SNMPClass) Resource unavailable!",
    /*  2 */ "(SNMPClass) Internal error!",
    /*  3 */ "(SNMPClass) Unsupported function!",
    /*  4 */ "(SNMPClass) SNMP request timed out!",
    /*  5 */ "(SNMPClass) Received SNMP Response!",
    /*  6 */ "(SNMPClass) Received SNMP Notification (trap or inform)!",
    /*  7 */ "(SNMPClass) Closing session with outstanding requests!",
    /*  8 */ "(SNMPClass)Unknown error code!",
    /*  9 */ "(SNMPClass) Class not valid!",
    /* 10 */ "(SNMPClass) Invalid Pdu!",
    /* 11 */ "(SNMPClass) Invalid Target!",
    /* 12 */ "(SNMPClass) Invalid (null) Callback Function!",
    /* 13 */ "(SNMPClass) Invalid Request Id!",
    /* 14 */ "(SNMPClass) Invalid Notification Id!",
    /* 15 */ "(SNMPClass) SNMP Operation not supported on specified Target!",
    /* 16 */ "(SNMPClass) Invalid Object Identifier!",
    /* 17 */ "(SNMPClass) Invalid Address!",
    /* 18 */ "(SNMPClass) Agent indicates error in SNMP request!",
    /* 19 */ "(SNMP Class) Transport is not supported!",
    /* 20 */ "(SNMPClass) Transport is in use!",
    /* 21 */ "(SNMPClass) Transport operation failed!",
    /* 22 */ "(SNMPClass) Blocked Mode Shutdown!",
};

// VkSNMPLayerMessages: 29 entries.
const char* const kLayer[] = {
    /*  0 */ "(ZuDUZU++) Ok!",
    /*  1 */ "(ZuDUZU++) Fail to read SNMP variables from file([FILENAME])!",
    /*  2 */ "(ZuDUZU++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    /*  3 */ "(ZuDUZU++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    /*  4 */ "(ZuDUZU++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    /*  5 */ "(ZuDUZU++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    /*  6 */ "(ZuDUZU++) Cannot create the global ZuDUZU++ session!",
    /*  7 */ "(ZuDUZU++) Error when loading SNMP engine boots counter!",
    /*  8 */ "(ZuDUZU++) Error when saving SNMP engine boots counter!",
    /*  9 */ "(ZuDUZU++) Invalid IP Address or DNS name!",
    /* 10 */ "(ZuDUZU++) Can't send get-next command for a SNMP variable list with single value!",
    /* 11 */ "(ZuDUZU++) Bad SNMP syntax!",
    /* 12 */ "(ZuDUZU++) Null value in the expression!",
    /* 13 */ "(ZuDUZU++) Bad SNMP syntax in the expression!",
    /* 14 */ "(ZuDUZU++) Bad key count of SNMP variable list!",
    /* 15 */ "(ZuDUZU++) Bad item type of SNMP variable list!",
    /* 16 */ "(ZuDUZU++) Bad item type of associated SNMP variable list!",
    /* 17 */ "(ZuDUZU++) Bad syntax of the associated SNMP variable's (partial) data!",
    /* 18 */ "(ZuDUZU++) Bad value of the associated SNMP variable's (partial) data!",
    /* 19 */ "(ZuDUZU++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    /* 20 */ "(ZuDUZU++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    /* 21 */ "(ZuDUZU++) Bad type of the associated visual control!",
    /* 22 */ "(ZuDUZU++) Count of the associated visual controls is not enough!",
    /* 23 */ "(ZuDUZU++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    /* 24 */ "(ZuDUZU++) Count of the value items for the chart's history data is not enough!",
    /* 25 */ "(ZuDUZU++) Log database is not connected!",
    /* 26 */ "(ZuDUZU++) Log database field not found!",
    /* 27 */ "(ZuDUZU++) Bad syntax for the history chart of log!",
    /* 28 */ "(ZuDUZU++) Unknown error code!",
};

// VkSNMPStatusTemplates: 2 entries.
const char* const kTemplates[] = {
    /*  0 */ "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    /*  1 */ "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

}  // namespace

VK_CONSTINIT VkMessageTable VkCommonMessages(kCommon, std::size(kCommon));
VK_CONSTINIT VkMessageTable VkSNMPPduMessages(kPdu, std::size(kPdu));
VK_CONSTINIT VkMessageTable VkSNMPv3Messages(kV3, std::size(kV3));
VK_CONSTINIT VkMessageTable VkSNMPUsmMessages(kUsm, std::size(kUsm));
VK_CONSTINIT VkMessageTable VkSNMPClassMessages(kClass, std::size(kClass));
VK_CONSTINIT VkMessageTable VkSNMPLayerMessages(kLayer, std::size(kLayer));
VK_CONSTINIT VkMessageTable VkSNMPStatusTemplates(kTemplates, std::size(kTemplates));

std::string VkMessageTable::BuiltInText(std::size_t index) const {
    return index < count_ ? std::string(builtIn_[index]) : std::string();
}

std::string VkMessageTable::Text(std::size_t index) const {
    // Hold the loaded array while reading it, whatever happens to the table.
    std::shared_ptr<const std::vector<std::string>> loaded = loaded_;
    if (loaded && index < loaded->size()) return (*loaded)[index];
    return BuiltInText(index);
}

void VkMessageTable::Replace(std::vector<std::string> entries) {
    if (entries.empty()) return;
    loaded_ = std::make_shared<const std::vector<std::string>>(std::move(entries));
}

namespace {

std::string TextOfEntry(const VkMessageTable& table, int entry) {
    return table.Text(static_cast<std::size_t>(entry));
}

}  // namespace

std::string MessageText(int code) {
    if (code == 0) return TextOfEntry(VkSNMPLayerMessages, 0);
    if (code >= -18 && code <= -1) return TextOfEntry(VkCommonMessages, -code);
    if (code >= -118 && code <= -101) return TextOfEntry(VkSNMPPduMessages, -101 - code);
    if (code >= -217 && code <= -201) return TextOfEntry(VkSNMPv3Messages, -201 - code);
    if (code >= -314 && code <= -301) return TextOfEntry(VkSNMPUsmMessages, -301 - code);
    if (code >= -423 && code <= -401) return TextOfEntry(VkSNMPClassMessages, -401 - code);
    if (code >= -528 && code <= -501) return TextOfEntry(VkSNMPLayerMessages, -500 - code);
    return TextOfEntry(VkSNMPLayerMessages, 28);
}

void RaiseError(int code) { throw os::Exception(MessageText(code), code); }

namespace {

// The size of the original reader's line buffer: a chunk holds at most
// kLineBuffer - 1 characters, its line end included.
constexpr std::size_t kLineBuffer = 1024;

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool failed = std::ferror(file) != 0;  // e.g. a folder
    std::fclose(file);
    return !failed;
}

// Splits the bytes into the lines the original text-mode reader saw: a CR LF
// pair reads as one line-end character, and a chunk ends after a line end or
// when it holds kLineBuffer - 1 characters. Each line is returned with its
// line end removed. (A Ctrl-Z byte is an ordinary byte here, not an end of
// file as in the original platform's text mode.)
std::vector<std::string> SplitIntoChunks(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t characters = 0;  // characters of the chunk, a line end counting as one
    std::size_t i = 0;
    while (i < bytes.size()) {
        bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (crlf || bytes[i] == '\n') {
            i += crlf ? 2 : 1;
            lines.push_back(std::move(line));
            line.clear();
            characters = 0;
            continue;
        }
        line.push_back(bytes[i++]);
        if (++characters == kLineBuffer - 1) {
            lines.push_back(std::move(line));
            line.clear();
            characters = 0;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace

void LoadMessageFile(VkMessageTable& table, const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return;
    std::vector<std::string> entries;
    for (std::string& line : SplitIntoChunks(bytes))
        if (!Trim(line).empty()) entries.push_back(std::move(line));
    if (entries.empty()) return;
    table.Replace(std::move(entries));
}
