#include "platform/os/registry_store.h"

#include "tests/platform/os/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using os_test::FileText;
using os_test::ScopedEnv;
using os_test::TempFolder;

namespace {

const char kHelpPath[] = "\\SOFTWARE\\Velkor\\Modules\\HelpPath";
const char kExePath[] = "\\SOFTWARE\\Velkor\\Vistrel5.1\\ExePath";
const char kMibFile[] = "\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile";  // not in the store

const std::string kStore =
    "; written by the suite\r\n"
    "[\\SOFTWARE\\Velkor\\Vistrel5.1\\ExePath]\r\n"
    "Path=C:\\Vistrel\\bin\\\r\n"
    "# another comment\n"
    "  Spaced Name  =  two blanks kept  \n"
    "Equals=a=b\n"
    "Empty=\n"
    "path=second Path value, never read\n"
    "\n"
    "[\\software\\velkor\\modules\\HelpPath]\n"
    "1.3.6.1.4.1.32473.10.37.44=/opt/vap/help/vap7720.chm\n"
    "[SOFTWARE\\Velkor\\Vistrel5.1\\ExePath\\]\n"
    "Path=duplicate section, never read\n"
    "Later=only in the duplicate\n"
    "[]\n"
    "Orphan=value of an empty key path";

}  // namespace

TEST(RegistryStore, DefaultPathFromTheEnvironment) {
    ScopedEnv home("HOME", std::string("/home/u"));
    struct Case {
        std::optional<std::string> file, configHome;
        std::string expected;
    };
    const Case cases[] = {
        {std::string("/etc/vap/reg.ini"), std::string("/cfg"), "/etc/vap/reg.ini"},
        {std::nullopt, std::string("/cfg"), "/cfg/vap7720/registry.ini"},
        {std::string(""), std::nullopt, "/home/u/.config/vap7720/registry.ini"},
    };
    for (const Case& c : cases) {
        ScopedEnv file("VAP_REGISTRY_FILE", c.file);
        ScopedEnv config("XDG_CONFIG_HOME", c.configHome);
        EXPECT_EQ(os::RegistryStore::DefaultPath(), c.expected);
    }
}

TEST(RegistryStore, KeysCompareIgnoringCaseAndOuterBackslashes) {
    TempFolder temp;
    os_test::WriteFile(temp / "registry.ini", kStore);
    os::RegistryStore store(temp / "registry.ini");
    struct Case {
        std::string key;
        bool exists;
    };
    const Case cases[] = {
        {kExePath, true},
        {"\\SOFTWARE\\VELKOR\\MODULES\\HELPPATH", true},
        {"SOFTWARE\\Velkor\\Modules\\HelpPath\\", true},
        {"\\SOFTWARE\\Velkor", true},  // a parent of stored keys
        {"\\", true},                  // the root
        {kMibFile, false},
        {"\\SOFTWARE\\Vel", false},  // a prefix of a name is not a parent
        {"\\SOFTWARE\\Velkor\\Modules\\HelpPath\\Below", false},
        {"\\SOFTWARE/Velkor", false},
    };
    for (const Case& c : cases) EXPECT_EQ(store.KeyExists(c.key), c.exists) << c.key;
}

TEST(RegistryStore, ReadsValuesAsWritten) {
    TempFolder temp;
    os_test::WriteFile(temp / "registry.ini", kStore);
    os::RegistryStore store(temp / "registry.ini");
    struct Case {
        std::string key, name;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {kExePath, "Path", std::string("C:\\Vistrel\\bin\\")},  // CR of CR LF dropped
        {kExePath, "PATH", std::string("C:\\Vistrel\\bin\\")},  // first of two spellings
        {kExePath, "spaced name", std::string("  two blanks kept  ")},
        {kExePath, "Equals", std::string("a=b")},
        {kExePath, "Empty", std::string("")},
        {kExePath, "Later", std::string("only in the duplicate")},
        {kExePath, "Missing", std::nullopt},
        {"software\\velkor\\vistrel5.1\\exepath", "Path", std::string("C:\\Vistrel\\bin\\")},
        {kHelpPath, "1.3.6.1.4.1.32473.10.37.44", std::string("/opt/vap/help/vap7720.chm")},
        {kHelpPath, "Path", std::nullopt},  // a value of another key
        {"\\SOFTWARE\\Velkor", "Path", std::nullopt},
        {"", "Orphan", std::string("value of an empty key path")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.ReadString(c.key, c.name), c.value) << c.key << " : " << c.name;
    }
}

TEST(RegistryStore, AMissingOrUnreadableStoreHoldsNothing) {
    TempFolder temp;
    ::mkdir((temp / "folder.ini").c_str(), 0700);
    for (const std::string& path : {temp / "missing.ini", temp / "folder.ini"}) {
        os::RegistryStore store(path);
        EXPECT_FALSE(store.KeyExists(kExePath)) << path;
        EXPECT_EQ(store.ReadString(kExePath, "Path"), std::nullopt) << path;
    }
}

TEST(RegistryStore, CreateKeyAppendsASectionAndKeepsEveryOtherByte) {
    TempFolder temp;
    std::string path = temp / "registry.ini";
    std::string noFinalLineBreak = kStore;
    os_test::WriteFile(path, noFinalLineBreak);
    os::RegistryStore store(path);

    EXPECT_TRUE(store.CreateKey(kMibFile));
    EXPECT_EQ(FileText(path), kStore + "\n[\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile]\n");
    EXPECT_TRUE(store.KeyExists("\\software\\velkor\\vistrel5.1\\mibfile"));
    EXPECT_EQ(store.ReadString(kExePath, "Path"), std::string("C:\\Vistrel\\bin\\"));
}

TEST(RegistryStore, CreateKeyWritesNothingForAKeyThatExists) {
    TempFolder temp;
    std::string path = temp / "registry.ini";
    os_test::WriteFile(path, kStore);
    os::RegistryStore store(path);
    for (const char* key : {"\\SOFTWARE\\VELKOR\\MODULES\\HELPPATH", "\\SOFTWARE\\Velkor", "\\"}) {
        EXPECT_TRUE(store.CreateKey(key)) << key;
    }
    EXPECT_EQ(FileText(path), kStore);
}

TEST(RegistryStore, CreateKeyMakesTheStoreAndItsFolder) {
    TempFolder temp;
    std::string path = temp / "config/vap7720/registry.ini";
    os::RegistryStore store(path);
    EXPECT_TRUE(store.CreateKey(kHelpPath));
    EXPECT_EQ(FileText(path), std::string("[") + kHelpPath + "]\n");
    EXPECT_TRUE(store.KeyExists(kHelpPath));
    EXPECT_EQ(store.ReadString(kHelpPath, "1.3.6.1.4.1.32473.10.37.44"), std::nullopt);
}

TEST(RegistryStore, CreateKeyRefusesALineBreakThatWouldForgeASection) {
    TempFolder temp;
    std::string path = temp / "registry.ini";
    os_test::WriteFile(path, kStore);
    os::RegistryStore store(path);
    for (const std::string& key : {std::string("\\A\n[\\Forged]"), std::string("\\A\r"), std::string("\\A\t")}) {
        EXPECT_FALSE(store.CreateKey(key));
    }
    EXPECT_FALSE(store.KeyExists("\\Forged"));
    EXPECT_EQ(FileText(path), kStore);
}

TEST(RegistryStore, CreateKeyOnAStoreItMayNotWriteIsSkippedQuietly) {
    TempFolder temp;
    // Anyone may add files to the folder, so only the file's own mode stops
    // an unprivileged user from replacing it.
    ::chmod(temp.Path().c_str(), 0777);
    std::string readOnly = temp / "read-only.ini";
    os_test::WriteFile(readOnly, kStore);
    ::chmod(readOnly.c_str(), 0444);
    ::mkdir((temp / "locked").c_str(), 0755);  // nobody may not create a store in it

    EXPECT_TRUE(os_test::RunUnprivileged([&] {
        os::RegistryStore existing(readOnly);
        os::RegistryStore missing(temp / "locked/registry.ini");
        return !existing.CreateKey(kMibFile) && existing.ReadString(kExePath, "Path").has_value() &&
               !missing.CreateKey(kMibFile);
    }));
    EXPECT_EQ(FileText(readOnly), kStore);
    EXPECT_EQ(FileText(temp / "locked/registry.ini"), "<missing>");
}

TEST(RegistryStore, CreateKeyNeverReplacesAStoreItCannotRead) {
    TempFolder temp;
    ::chmod(temp.Path().c_str(), 0777);  // the folder itself is writable for anyone
    std::string secret = temp / "registry.ini";
    os_test::WriteFile(secret, kStore);
    ::chmod(secret.c_str(), 0222);  // write-only: the content cannot be read back

    EXPECT_TRUE(os_test::RunUnprivileged([&] { return !os::RegistryStore(secret).CreateKey(kMibFile); }));
    ::chmod(secret.c_str(), 0600);
    EXPECT_EQ(FileText(secret), kStore);
}

TEST(RegistryStore, CreateKeyThroughASymbolicLinkUpdatesTheLinkedFile) {
    TempFolder temp;
    os_test::WriteFile(temp / "real.ini", kStore);
    ASSERT_EQ(::symlink((temp / "real.ini").c_str(), (temp / "link.ini").c_str()), 0);
    EXPECT_TRUE(os::RegistryStore(temp / "link.ini").CreateKey("\\New"));
    struct stat info {};
    ASSERT_EQ(::lstat((temp / "link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(FileText(temp / "real.ini"), kStore + "\n[\\New]\n");
}
