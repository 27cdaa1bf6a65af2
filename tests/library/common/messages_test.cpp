#include "library/common/messages.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#include <stdlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/os/exception.h"

namespace {

struct CodeText {
    int code;
    const char* text;
};

// Every code with its text, typed independently of the tables. Code 0
// is the request layer's entry 0; VkCommon entry 0 is checked separately.
const CodeText kAllCodes[] = {
    // VkSNMPLayerMessages
    {0, "(ZuDUZU++) Ok!"},
    {-501, "(ZuDUZU++) Fail to read SNMP variables from file([FILENAME])!"},
    {-502, "(ZuDUZU++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!"},
    {-503, "(ZuDUZU++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!"},
    {-504, "(ZuDUZU++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!"},
    {-505, "(ZuDUZU++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!"},
    {-506, "(ZuDUZU++) Cannot create the global ZuDUZU++ session!"},
    {-507, "(ZuDUZU++) Error when loading SNMP engine boots counter!"},
    {-508, "(ZuDUZU++) Error when saving SNMP engine boots counter!"},
    {-509, "(ZuDUZU++) Invalid IP Address or DNS name!"},
    {-510, "(ZuDUZU++) Can't send get-next command for a SNMP variable list with single value!"},
    {-511, "(ZuDUZU++) Bad SNMP syntax!"},
    {-512, "(ZuDUZU++) Null value in the expression!"},
    {-513, "(ZuDUZU++) Bad SNMP syntax in the expression!"},
    {-514, "(ZuDUZU++) Bad key count of SNMP variable list!"},
    {-515, "(ZuDUZU++) Bad item type of SNMP variable list!"},
    {-516, "(ZuDUZU++) Bad item type of associated SNMP variable list!"},
    {-517, "(ZuDUZU++) Bad syntax of the associated SNMP variable's (partial) data!"},
    {-518, "(ZuDUZU++) Bad value of the associated SNMP variable's (partial) data!"},
    {-519, "(ZuDUZU++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"},
    {-520, "(ZuDUZU++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!"},
    {-521, "(ZuDUZU++) Bad type of the associated visual control!"},
    {-522, "(ZuDUZU++) Count of the associated visual controls is not enough!"},
    {-523, "(ZuDUZU++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!"},
    {-524, "(ZuDUZU++) Count of the value items for the chart's history data is not enough!"},
    {-525, "(ZuDUZU++) Log database is not connected!"},
    {-526, "(ZuDUZU++) Log database field not found!"},
    {-527, "(ZuDUZU++) Bad syntax for the history chart of log!"},
    {-528, "(ZuDUZU++) Unknown error code!"},
    // VkCommonMessages
    {-1, "(VkCommon) Bad logic operand!"},
    {-2, "(VkCommon) Bad format specifier of edit's constraint!"},
    {-3, "(VkCommon) Empty value is not allowed!"},
    {-4, "(VkCommon) Please enter a string whose length is less than [MAXLEN]!"},
    {-5, "(VkCommon) Please enter a string whose length is [LEN]!"},
    {-6, "(VkCommon) Please enter a hex string whose length is less than [MAXLEN]!"},
    {-7, "(VkCommon) Please enter a hex string whose length is [LEN]!"},
    {-8, "(VkCommon) Please enter a number between [MIN] and [MAX]!"},
    {-9, "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!"},
    {-10, "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!"},
    {-11, "(VkCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!"},
    {-12, "(VkCommon) Out of range at index of array or list!"},
    {-13, "(VkCommon) Destination buffer is undersize!"},
    {-14, "(VkCommon) The source to dncrypt is not encrypted!"},
    {-15, "(VkCommon) Fail to read data from file([FILENAME])!"},
    {-16, "(VkCommon) Fail to write data to file([FILENAME])!"},
    {-17, "(VkCommon) Fail to write value in ini file([FILENAME])!"},
    {-18, "(VkCommon) Fail to read option data from file([FILENAME])!"},
    // VkSNMPPduMessages
    {-101, "(SNMP) Response PDU Too Big!"},
    {-102, "(SNMP) Variable does not exist!"},
    {-103, "(SNMP) Cannot modify variable: Bad Value!"},
    {-104, "(SNMP) Cannot modify object, Read Only!"},
    {-105, "(SNMP) Cannot perform operation, General Error!"},
    {-106, "(SNMP) Cannot access variable, No Access!"},
    {-107, "(SNMP) Cannot create/modify variable, Wrong Type!"},
    {-108, "(SNMP) Cannot create/set variable, Wrong Length!"},
    {-109, "(SNMP) Cannot create/set variable, Wrong Encoding!"},
    {-110, "(SNMP) Cannot create/set variable, Wrong Value!"},
    {-111, "(SNMP) Cannot create variable, Creation Not Allowed!"},
    {-112, "(SNMP) Cannot create/set variable, Inconsistent Value!"},
    {-113, "(SNMP) Cannot create/set variable, Resource Unavailable!"},
    {-114, "(SNMP) Cannot create/set variable, Commit Failed!"},
    {-115, "(SNMP) Cannot create/set variable, Undo Failed!"},
    {-116, "(SNMP) Cannot perform operation, Authorization Error!"},
    {-117, "(SNMP) Cannot create/set variable, Not Writable!"},
    {-118, "(SNMP) Cannot create variable, Inconsistent Name!"},
    // VkSNMPv3Messages
    {-201, "(SNMPv3) Unsupported Security Model!"},
    {-202, "(SNMPv3) Message not in Time Window!"},
    {-203, "(SNMPv3) Received same Message twice!"},
    {-204, "(SNMPv3) Invalid Message!"},
    {-205, "(SNMPv3) Invalid EngineID!"},
    {-206, "(SNMPv3) v3MP not initialized!"},
    {-207, "(SNMPv3) Parse Error!"},
    {-208, "(SNMPv3) Received Message with unknown MsgID!"},
    {-209, "(SNMPv3) Message does not match known message!"},
    {-210, "(SNMPv3) Community format error!"},
    {-211, "(SNMPv3) Unknown UserName!"},
    {-212, "(SNMPv3) Build error!"},
    {-213, "(SNMPv3) USM: error!"},
    {-214, "(SNMPv3) Unknown pdu handlers!"},
    {-215, "(SNMPv3) Unavailable Context!"},
    {-216, "(SNMPv3) Unknown Context!"},
    {-217, "(SNMPv3) Report sent!"},
    // VkSNMPUsmMessages
    {-301, "(SNMPv3USM) error!"},
    {-302, "(SNMPv3USM) Configfile write error!"},
    {-303, "(SNMPv3USM) Unsupported SecurityLevel!"},
    {-304, "(SNMPv3USM) Unknown SecurityName!"},
    {-305, "(SNMPv3USM) Encryption error!"},
    {-306, "(SNMPv3USM) Decryption error!"},
    {-307, "(SNMPv3USM) Authentication error!"},
    {-308, "(SNMPv3USM) Authentication failure!"},
    {-309, "(SNMPv3USM) Parse error!"},
    {-310, "(SNMPv3USM) Unknown EngineID!"},
    {-311, "(SNMPv3USM) Message not in TimeWindow!"},
    {-312, "(SNMPv3USM) Unsupported AuthProtocol!"},
    {-313, "(SNMPv3USM) Unsupported PrivProtocol!"},
    {-314, "(SNMPv3USM) Address error!"},
    // VkSNMPClassMessages
    {-401, "(SNMPClass) Operation failed!"},
    {-402, "(SNMPClass) Resource unavailable!"},
    {-403, "(SNMPClass) Internal error!"},
    {-404, "(SNMPClass) Unsupported function!"},
    {-405, "(SNMPClass) SNMP request timed out!"},
    {-406, "(SNMPClass) Received SNMP Response!"},
    {-407, "(SNMPClass) Received SNMP Notification (trap or inform)!"},
    {-408, "(SNMPClass) Closing session with outstanding requests!"},
    {-409, "(SNMPClass)Unknown error code!"},
    {-410, "(SNMPClass) Class not valid!"},
    {-411, "(SNMPClass) Invalid Pdu!"},
    {-412, "(SNMPClass) Invalid Target!"},
    {-413, "(SNMPClass) Invalid (null) Callback Function!"},
    {-414, "(SNMPClass) Invalid Request Id!"},
    {-415, "(SNMPClass) Invalid Notification Id!"},
    {-416, "(SNMPClass) SNMP Operation not supported on specified Target!"},
    {-417, "(SNMPClass) Invalid Object Identifier!"},
    {-418, "(SNMPClass) Invalid Address!"},
    {-419, "(SNMPClass) Agent indicates error in SNMP request!"},
    {-420, "(SNMP Class) Transport is not supported!"},
    {-421, "(SNMPClass) Transport is in use!"},
    {-422, "(SNMPClass) Transport operation failed!"},
    {-423, "(SNMPClass) Blocked Mode Shutdown!"},
};

// Entry index of a code within its table, independently of the library.
struct Family {
    int low, high;
    VkMessageTable* table;
    int (*entry)(int code);
};
const Family kFamilies[] = {
    {0, 0, &VkSNMPLayerMessages, [](int) { return 0; }},
    {-18, -1, &VkCommonMessages, [](int c) { return -c; }},
    {-118, -101, &VkSNMPPduMessages, [](int c) { return -101 - c; }},
    {-217, -201, &VkSNMPv3Messages, [](int c) { return -201 - c; }},
    {-314, -301, &VkSNMPUsmMessages, [](int c) { return -301 - c; }},
    {-423, -401, &VkSNMPClassMessages, [](int c) { return -401 - c; }},
    {-528, -501, &VkSNMPLayerMessages, [](int c) { return -500 - c; }},
};

void ResetAllTables() {
    for (VkMessageTable* t : {&VkCommonMessages, &VkSNMPPduMessages, &VkSNMPv3Messages,
                              &VkSNMPUsmMessages, &VkSNMPClassMessages, &VkSNMPLayerMessages,
                              &VkSNMPStatusTemplates})
        t->ResetToBuiltIn();
}

}  // namespace

TEST(Messages, TablesHaveTheirFixedNumberOfEntries) {
    EXPECT_EQ(VkCommonMessages.Count(), 19u);
    EXPECT_EQ(VkSNMPPduMessages.Count(), 18u);
    EXPECT_EQ(VkSNMPv3Messages.Count(), 17u);
    EXPECT_EQ(VkSNMPUsmMessages.Count(), 14u);
    EXPECT_EQ(VkSNMPClassMessages.Count(), 23u);
    EXPECT_EQ(VkSNMPLayerMessages.Count(), 29u);
    EXPECT_EQ(VkSNMPStatusTemplates.Count(), 2u);
}

TEST(Messages, EveryCodeHasExactlyThePartsText) {
    ResetAllTables();
    // 1 + 28 + 18 + 18 + 17 + 14 + 23 codes
    ASSERT_EQ(sizeof kAllCodes / sizeof kAllCodes[0], 119u);
    for (const CodeText& c : kAllCodes) {
        EXPECT_EQ(MessageText(c.code), c.text) << "code " << c.code;
        const Family* family = nullptr;
        for (const Family& f : kFamilies)
            if (c.code >= f.low && c.code <= f.high) family = &f;
        ASSERT_NE(family, nullptr) << c.code;
        EXPECT_EQ(family->table->Text(family->entry(c.code)), c.text) << "code " << c.code;
        EXPECT_EQ(family->table->BuiltInText(family->entry(c.code)), c.text) << "code " << c.code;
    }
    // Every entry of every table is covered by a code above (no text untested).
    std::size_t total = 0;
    for (VkMessageTable* t : {&VkCommonMessages, &VkSNMPPduMessages, &VkSNMPv3Messages,
                              &VkSNMPUsmMessages, &VkSNMPClassMessages, &VkSNMPLayerMessages})
        total += t->Count();
    EXPECT_EQ(total, 119u + 1u);  // + VkCommon entry 0
}

TEST(Messages, CommonEntryZeroTemplatesAndOddities) {
    ResetAllTables();
    EXPECT_EQ(VkCommonMessages.Text(0), "(VkCommon) Ok!");
    EXPECT_EQ(VkSNMPStatusTemplates.Text(0), "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    EXPECT_EQ(VkSNMPStatusTemplates.Text(1), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    EXPECT_EQ(MessageText(-409), "(SNMPClass)Unknown error code!");
    EXPECT_EQ(MessageText(-420), "(SNMP Class) Transport is not supported!");
    for (int code : {-9, -10, -11}) {
        std::string text = MessageText(code);
        EXPECT_EQ(text.find('\r'), std::string::npos) << code;
        std::size_t lf = text.find('\n');
        ASSERT_NE(lf, std::string::npos) << code;
        EXPECT_EQ(text.substr(lf - 14, 14), "'[DELIMITER]'.") << code;
        EXPECT_EQ(text.substr(lf + 1, 5), "Here,") << code;
    }
    // Outside every table: empty entries, unknown codes read as -528.
    EXPECT_EQ(VkSNMPPduMessages.Text(18), "");
    EXPECT_EQ(VkSNMPStatusTemplates.Text(99), "");
    for (int code : {1, -19, -100, -119, -200, -218, -300, -315, -400, -424, -500, -529, -1101,
                     -2147483647 - 1, 2147483647})
        EXPECT_EQ(MessageText(code), "(ZuDUZU++) Unknown error code!") << code;
}

TEST(Messages, HelpersGiveTextsAndRaiseTheProgramsException) {
    ResetAllTables();
    EXPECT_EQ(MessageText(-1), "(VkCommon) Bad logic operand!");
    EXPECT_EQ(MessageText(-18), "(VkCommon) Fail to read option data from file([FILENAME])!");
    EXPECT_EQ(MessageText(0), "(ZuDUZU++) Ok!");
    EXPECT_EQ(MessageText(-509), "(ZuDUZU++) Invalid IP Address or DNS name!");
    EXPECT_EQ(MessageText(-528), "(ZuDUZU++) Unknown error code!");

    struct Raise { void (*raise)(int); int code; const char* text; };
    const Raise cases[] = {
        {RaiseError, -1, "(VkCommon) Bad logic operand!"},
        {RaiseError, -2, "(VkCommon) Bad format specifier of edit's constraint!"},
        {RaiseError, -506, "(ZuDUZU++) Cannot create the global ZuDUZU++ session!"},
        {RaiseError, -522, "(ZuDUZU++) Count of the associated visual controls is not enough!"},
        {RaiseError, -405, "(SNMPClass) SNMP request timed out!"},
    };
    for (const Raise& r : cases) {
        try {
            r.raise(r.code);
            ADD_FAILURE() << "no exception for " << r.code;
        } catch (const os::Exception& e) {
            EXPECT_EQ(e.Message(), r.text);
            EXPECT_EQ(e.HelpContext(), r.code);
            EXPECT_STREQ(e.what(), r.text);
        }
    }
}

// ---- Message files -------------------------------------------------------

class MessageFile : public ::testing::Test {
protected:
    void SetUp() override { ResetAllTables(); }
    void TearDown() override { ResetAllTables(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::string path = dir_.File(name);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }
    support::TempFolder dir_;
};

TEST_F(MessageFile, LinesBecomeEntriesByTheFileRules) {
    const std::string x2000(2000, 'x');
    const std::string a1023(1023, 'a');
    const std::string b1022(1022, 'b');
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> entries;
    };
    const std::vector<Case> cases = {
        {"LF lines", "one\ntwo\nthree\n", {"one", "two", "three"}},
        {"CR LF lines", "one\r\ntwo\r\nthree\r\n", {"one", "two", "three"}},
        {"last line without line end", "one\ntwo", {"one", "two"}},
        {"blank lines between", "one\n\ntwo\r\n\r\n\r\nthree\n\n", {"one", "two", "three"}},
        {"leading and trailing blanks kept", "  one\n\ttwo \n", {"  one", "\ttwo "}},
        {"blank-only lines skipped", "one\n   \n\t \x01\ntwo\n", {"one", "two"}},
        {"2000-character line splits", x2000 + "\nnext\n",
         {std::string(1023, 'x'), std::string(977, 'x'), "next"}},
        {"1023 characters and LF: the LF alone is an empty line", a1023 + "\nnext\n",
         {a1023, "next"}},
        {"1022 characters and CR LF: one line", b1022 + "\r\nnext\r\n", {b1022, "next"}},
        {"1023 characters and CR LF", a1023 + "\r\nnext", {a1023, "next"}},
        {"lone CR is an ordinary byte", "one\rtwo\n", {"one\rtwo"}},
        {"CR before CR LF stays", "one\r\r\ntwo\n", {"one\r", "two"}},
        {"bytes as they are", "\xE9t\xE9 \xFF\n", {"\xE9t\xE9 \xFF"}},
        {"more lines than entries", "a\nb\nc\nd\n", {"a", "b", "c", "d"}},
    };
    for (const Case& c : cases) {
        VkMessageTable& table = VkSNMPStatusTemplates;  // 2 built-in entries
        table.ResetToBuiltIn();
        LoadMessageFile(table, Write("case.msg", c.content));
        ASSERT_EQ(table.LoadedCount(), c.entries.size()) << c.name;
        for (std::size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(table.Text(i), c.entries[i]) << c.name << " entry " << i;
    }
}

TEST_F(MessageFile, BlankLinesDoNotShiftTheNumbering) {
    LoadMessageFile(VkSNMPPduMessages, Write("snmp.err", "too big\n   \n\nno such\r\n \t\r\nbad value\n"));
    EXPECT_EQ(MessageText(-101), "too big");
    EXPECT_EQ(MessageText(-102), "no such");
    EXPECT_EQ(MessageText(-103), "bad value");
}

TEST_F(MessageFile, FewerLinesThanEntriesKeepTheBuiltInTexts) {
    LoadMessageFile(VkSNMPLayerMessages, Write("vksnmp.err", "Fine!\nfirst\n"));
    EXPECT_EQ(VkSNMPLayerMessages.LoadedCount(), 2u);
    EXPECT_EQ(MessageText(0), "Fine!");
    EXPECT_EQ(MessageText(-501), "first");
    EXPECT_EQ(MessageText(-502),
              "(ZuDUZU++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
    EXPECT_EQ(MessageText(-528), "(ZuDUZU++) Unknown error code!");
    EXPECT_EQ(VkSNMPLayerMessages.Text(28), "(ZuDUZU++) Unknown error code!");
    EXPECT_EQ(VkSNMPLayerMessages.Text(29), "");  // beyond both: nothing read past the end
}

TEST_F(MessageFile, MissingEmptyOrUnreadableFileLeavesTheTableUnchanged) {
    LoadMessageFile(VkCommonMessages, Write("first.err", "zero\nBad operand, translated\n"));
    ASSERT_EQ(MessageText(-1), "Bad operand, translated");
    const std::string missing = dir_.File("does-not-exist.err");
    for (const std::string& path :
         {missing, Write("empty.err", ""), Write("blank.err", "  \n\r\n\t\n \x02 \n"), dir_.Path()}) {
        LoadMessageFile(VkCommonMessages, path);
        EXPECT_EQ(VkCommonMessages.LoadedCount(), 2u) << path;
        EXPECT_EQ(MessageText(-1), "Bad operand, translated") << path;
        EXPECT_EQ(MessageText(-2), "(VkCommon) Bad format specifier of edit's constraint!") << path;
    }
}

TEST_F(MessageFile, LoadingTwiceLeavesTheSecondFilesTextsWhenItExists) {
    const std::string first = Write("first.err", "A0\nA1\nA2\n");
    const std::string second = Write("second.err", "B0\nB1\n");
    const std::string missing = dir_.File("missing.err");

    LoadMessageFile(VkSNMPUsmMessages, first);
    LoadMessageFile(VkSNMPUsmMessages, second);
    EXPECT_EQ(MessageText(-301), "B0");
    EXPECT_EQ(MessageText(-302), "B1");
    // Entry 2 is not in the second file: the built-in text, not the first file's.
    EXPECT_EQ(MessageText(-303), "(SNMPv3USM) Unsupported SecurityLevel!");

    VkSNMPUsmMessages.ResetToBuiltIn();
    LoadMessageFile(VkSNMPUsmMessages, first);
    LoadMessageFile(VkSNMPUsmMessages, missing);
    EXPECT_EQ(MessageText(-301), "A0");
    EXPECT_EQ(MessageText(-302), "A1");
    EXPECT_EQ(MessageText(-303), "A2");
    EXPECT_EQ(MessageText(-304), "(SNMPv3USM) Unknown SecurityName!");
}

TEST_F(MessageFile, TextsAreTakenFromTheTableWhenAskedFor) {
    std::string before = MessageText(-405);
    LoadMessageFile(VkSNMPClassMessages, Write("snmpclass.err", std::string(4, '\n') + "1\n2\n3\n4\nTimeout!\n"));
    EXPECT_EQ(before, "(SNMPClass) SNMP request timed out!");  // a text already taken stays
    EXPECT_EQ(MessageText(-405), "Timeout!");
    EXPECT_EQ(MessageText(-406), "(SNMPClass) Received SNMP Response!");
}
