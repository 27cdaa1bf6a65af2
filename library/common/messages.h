#pragma once
// The program-wide error codes and their message tables.
//
// Code space (every code has one message text):
//        0          success                VkSNMPLayerMessages entry 0
//    -1 ..   -18    "(VkCommon)"           VkCommonMessages entry -code       common.err
//  -101 ..  -118    "(SNMP)" PDU errors    VkSNMPPduMessages entry -101-code  snmp.err
//  -201 ..  -217    "(SNMPv3)"             VkSNMPv3Messages entry -201-code   snmpv3.err
//  -301 ..  -314    "(SNMPv3USM)"          VkSNMPUsmMessages entry -301-code  snmpusm.err
//  -401 ..  -423    "(SNMPClass)"          VkSNMPClassMessages entry -401-code snmpclass.err
//  -501 ..  -528    "(ZuDUZU++)"           VkSNMPLayerMessages entry -500-code vksnmp.err
// -1101 .. -1114    "(VkTFTP)"             the TFTP server's own table, kept with the TFTP server
// Beside them VkSNMPStatusTemplates holds the two status-line templates
// (entry 0 read, entry 1 write), replaced from snmp.msg.
//
// Each table keeps its built-in texts and the entries last loaded from a
// message file. A lookup by entry index gives the loaded text when the loaded
// entries reach that index and the built-in text otherwise, so a message file
// with fewer lines than the table keeps the built-in texts for the entries it
// does not hold, and a lookup never reads past what was loaded. Every text is
// taken from the table's content at the moment it is asked for (lookups return
// copies, so a later load never invalidates a text already taken).
//
// Built-in entries 9 to 11 of VkCommonMessages hold a line break; it is the
// single byte "\n" (LF). A message file cannot reproduce such a text: its two
// halves would be two lines, hence two entries.
//
// All texts are 8-bit byte strings, taken as they are (no code-page
// conversion). The tables are used on the GUI thread only.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class VkMessageTable {
public:
    // builtIn points at `count` zero-terminated texts that live for the whole
    // process (static arrays). Constant-initialised, so a table is ready
    // before any dynamic initialiser of another unit can use it.
    constexpr VkMessageTable(const char* const* builtIn, std::size_t count)
        : builtIn_(builtIn), count_(count), loaded_() {}

    VkMessageTable(const VkMessageTable&) = delete;
    VkMessageTable& operator=(const VkMessageTable&) = delete;

    // The fixed number of entries of the table (its built-in texts).
    std::size_t Count() const { return count_; }

    // The number of entries of the message file now in force (0 when none was
    // loaded). It may be larger than Count(): extra entries are kept.
    std::size_t LoadedCount() const { return loaded_ ? loaded_->size() : 0; }

    // The text of one entry: the loaded one when the loaded entries reach
    // `index`, else the built-in one; empty for an index outside both.
    std::string Text(std::size_t index) const;

    // The built-in text of one entry (empty outside the table).
    std::string BuiltInText(std::size_t index) const;

    // Puts `entries` in force in place of whatever was loaded before
    // (LoadMessageFile calls this; an empty list is ignored).
    void Replace(std::vector<std::string> entries);

    // Forgets every loaded entry, so that the built-in texts are in force
    // again (for tests).
    void ResetToBuiltIn() { loaded_.reset(); }

private:
    const char* const* builtIn_;
    std::size_t count_;
    std::shared_ptr<const std::vector<std::string>> loaded_;
};

extern VkMessageTable VkCommonMessages;       // 19 entries, entry i = code -i
extern VkMessageTable VkSNMPPduMessages;      // 18 entries, code -101 - i
extern VkMessageTable VkSNMPv3Messages;       // 17 entries, code -201 - i
extern VkMessageTable VkSNMPUsmMessages;      // 14 entries, code -301 - i
extern VkMessageTable VkSNMPClassMessages;    // 23 entries, code -401 - i
extern VkMessageTable VkSNMPLayerMessages;    // 29 entries, entry 0 = code 0, entry i = code -500 - i
extern VkMessageTable VkSNMPStatusTemplates;  // 2 entries, 0 read ("Get: ..."), 1 write ("Set: ...")

// The codes that the rest of the program names.
enum : int {
    VK_OK = 0,
    VK_ERR_BAD_LOGIC_OPERAND = -1,        // VkCommon 1, the expression evaluators
    VK_ERR_BAD_CONSTRAINT_FORMAT = -2,    // VkCommon 2, the edit constraints
    VK_ERR_NO_SUCH_NAME = -102,           // the agent has no such object (SNMPv1 noSuchName)
    VK_ERR_TIMEOUT = -405,                // the agent did not answer in time
    VK_ERR_BAD_OID = -417,                // an OID text that does not parse
    VK_ERR_SESSION = -506,                // CreateGlobalSNMPSession
    VK_ERR_LOAD_BOOTS = -507,
    VK_ERR_SAVE_BOOTS = -508,
    VK_ERR_BAD_ADDRESS = -509,            // a request's target
    VK_ERR_GETNEXT_SINGLE = -510,         // a walk step on a scalar or instance list
    VK_ERR_BAD_SYNTAX = -511,
    VK_ERR_NULL_IN_EXPRESSION = -512,
    VK_ERR_BAD_SYNTAX_IN_EXPRESSION = -513,
    VK_ERR_BAD_KEY_COUNT = -514,
    VK_ERR_BAD_LIST_KIND = -515,
    VK_ERR_BAD_PART_SYNTAX = -517,        // -517 .. -522: the control binding
    VK_ERR_BAD_PART_VALUE = -518,
    VK_ERR_PART_INDEX = -519,
    VK_ERR_NO_OPTION_LIST = -520,
    VK_ERR_BAD_CONTROL_TYPE = -521,
    VK_ERR_TOO_FEW_CONTROLS = -522,
    VK_ERR_UNKNOWN = -528,                // MapSNMPStatus for any status outside its ranges
    VK_ERR_WALK_UNENDING = -529,          // a walk that had not ended after its most steps (own text)
};

// The text of a code of the whole space above (TFTP codes excepted), from the
// table in force now. A code that belongs to no table gives the text of -528
// ("(ZuDUZU++) Unknown error code!").
std::string MessageText(int code);

// Raise the program's exception, os::Exception(text of the code, code).
[[noreturn]] void RaiseError(int code);

// Replaces one table from one message file:
// - a file that cannot be opened or read leaves the table unchanged;
// - the file is read in text mode as on the original platform: a CR LF pair
//   counts as one line end (a lone CR is an ordinary byte), and lines are read
//   in chunks of at most 1023 bytes, so a longer line becomes several lines;
// - a line counts when it is not empty after removing blanks and control
//   characters (bytes up to 0x20) from both ends;
// - when no line counts the table stays unchanged; otherwise each counted
//   line, with its final line end (CR LF or LF) removed and nothing else
//   changed, becomes the next entry, in file order, and these entries replace
//   those of any file loaded before (entries the new file does not hold fall
//   back to the built-in texts, not to an earlier file's).
// It reports nothing.
void LoadMessageFile(VkMessageTable& table, const std::string& path);
