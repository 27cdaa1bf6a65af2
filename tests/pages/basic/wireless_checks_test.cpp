// The checks of the Wireless page's Save without a device: the page is
// constructed, never created (creating it would read the device); each case
// starts from input that passes every check, changes what it tests and runs
// the checks. Asserted: the result, the one message box (or none), the
// control holding the focus afterwards, the edits emptied or kept, and
// whether the WDS address edits were refreshed.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "library/snmp/request_to_edits.h"
#include "pages/basic/wireless_page.h"
#include "tests/pages/basic/wireless_test_texts.h"
#include "tests/pages/page_test_support.h"
#include "pages/basic/wireless_page_vars.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/scripted_dialogs.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

using namespace wirelesstest;





constexpr char kEdgeText[] = "The first character and last character can't be blank.";
constexpr char kConfirmText[] = "Please input the confirm new password correctly!";
constexpr char kIntervalText[] = "Please input a number between 300 and 9999999.";
constexpr char kPortText[] = "Please input a number between 1 and 65535.";
constexpr char kServerText[] = "The Radius server's IP is illegal.";
constexpr char kSecretEmptyText[] = "The shared secret of radius server can not be empty.";
constexpr char kSecretLongText[] = "The max length of secret of radius server is 64.";
constexpr char kRekeyText[] = "Invalid Time Interval range!";
constexpr char kInvalidMacText[] = "Invalid MAC Address.";
constexpr char kHexCharText[] = "The legal character are 0~9,A~F or a~f.";
constexpr char kWdsNotReadText[] = "The WDS partner list has not been read from the device yet: Save writes nothing.";

// Addresses: a station address, a group address (second digit odd), none.
constexpr char kMac[] = "001122334455";
constexpr char kGroupMac[] = "011122334455";
constexpr char kZeroMac[] = "000000000000";

const char* const kKeyWords[] = {"First", "Second", "Third", "Fourth"};
const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th"};

// Selects the entry of that text; an empty text selects nothing.
bool IsWds(const std::string& mode) { return mode == kWdsAp || mode == kWds; }

// Public: the cases' setups act on the fixture.
class WirelessChecksTest : public uitest::UiTest {
public:
    WirelessChecksTest() {
        // Showing the form would run its creation step, which reads the device.
        page.OnCreate = nullptr;
        Fill(page.CB_APMode, {kAP, kWdsAp, kWds, kClient});
        Fill(page.CB_dot11Encryption, {"Disable", "Enable"});
        Fill(page.CB_DefaultKey, {"First", "Second", "Third", "Fourth"});
        for (ui::ComboBox* type : KeyTypes()) Fill(type, {"ASCII", "HEX"});
        Fill(page.CB_AutoRekeyType, {"Manual", "Periodical Key Change "});
        Fill(page.Cbox_Status, {"Disable", "Enable"});
        Fill(page.Cbox_MacSource, {"Auto", "Manual"});
        // The controls a check may focus are shown, as the layout shows them
        // for their mode (the fifth to eighth WDS edits and the 802.1X
        // interval start hidden).
        page.ShowAllWdsMacEdits();
        page.Ed_Update2->SetVisible(true);
    }

    std::vector<ui::ComboBox*> KeyTypes() {
        return {page.CB_KeyType1, page.CB_KeyType2, page.CB_KeyType3, page.CB_KeyType4};
    }
    std::vector<ui::ComboBox*> KeySizes() {
        return {page.CB_WepEncryp1, page.CB_WepEncryp2, page.CB_WepEncryp3, page.CB_WepEncryp4};
    }
    std::vector<ui::Edit*> Keys() { return {page.Ed_Key1, page.Ed_Key2, page.Ed_Key3, page.Ed_Key4}; }

    // Input that passes every check: Access Point, Open System without
    // encryption, every other group filled with valid values.
    void Reset() {
        Select(page.CB_APMode, kAP);
        page.AtLoad.Set(page.CB_APMode, kAP);  // the device's mode
        page.Ed_SSID->SetText("vap7720");
        Select(page.Cbox_Status, "Disable");
        Select(page.Cbox_MacSource, "Auto");
        page.Ed_CloneMac->SetText("");
        page.Ed_ReMAddra[0]->SetText(kMac);
        for (int i = 1; i < 8; ++i) page.Ed_ReMAddra[i]->SetText("");
        if (!page.RemoteApTableRequest)
            page.Groups.Make(page.RemoteApTableRequest, {"WDS partners", VarsWirelessRemoteApTable, MVT_UMV, 2});
        page.RemoteApTableRequest->lastReadOk = true;
        page.RemoteApTableRequest->busy = false;
        SetSecurity(kOpen);
        page.AuthenticationShown = true;
        page.SecurityModePicked = false;
        Select(page.CB_dot11Encryption, "Disable");
        Select(page.CB_DefaultKey, "First");
        for (int k = 0; k < 4; ++k) {
            Select(KeyTypes()[k], "HEX");
            Select(KeySizes()[k], "64Bits");
            Keys()[k]->SetText("0123456789");
        }
        page.Ed_ConfirmKey->SetText("0123456789");
        page.Ed_UpdateInterval->SetText("3600");
        Select(page.CB_AutoRekeyType, "Manual");
        page.CB_AutoRekeyType->SetVisible(true);
        page.Ed_TimeInterval->SetText("24");
        SetPassphrase("passphrase");
        page.Edt_RadiusServer->SetText("192.168.1.20");
        page.Edt_RadiusPort->SetText("1812");
        page.Edt_RadiusSecret->SetText("radius secret");
        page.Ed_Update2->SetText("3600");
    }

    // The full Security Mode list of Access Point without multi-SSID.
    void SetSecurity(const std::string& mode) {
        Fill(page.CB_SecurityMode, {kOpen, kShared, kPersonal, kEnterprise, kDot1x});
        Select(page.CB_SecurityMode, mode);
    }
    void SetPassphrase(const std::string& text) {
        page.Ed_Passphrase->SetText(text);
        page.Ed_ConfirmPass->SetText(text);
    }
    // Key n (1 to 4) selected, of that type and size, with its confirmation.
    void SetKey(int n, const std::string& type, const std::string& size, const std::string& key) {
        Select(page.CB_DefaultKey, kKeyWords[n - 1]);
        Select(KeyTypes()[n - 1], type);
        Select(KeySizes()[n - 1], size);
        Keys()[n - 1]->SetText(key);
        page.Ed_ConfirmKey->SetText(key);
    }
    void SetClone(const std::string& status, const std::string& source, const std::string& address) {
        Select(page.CB_APMode, kClient);
        Select(page.Cbox_Status, status);
        Select(page.Cbox_MacSource, source);
        page.Ed_CloneMac->SetText(address);
    }
    void SetPeriodical(const std::string& hours) {
        Select(page.CB_AutoRekeyType, "Periodical Key Change ");
        page.Ed_TimeInterval->SetText(hours);
    }

    TFM_Wirless page{nullptr};
};

using Fixture = WirelessChecksTest;

struct CheckCase {
    std::string name;
    std::function<void(Fixture&)> setup;
    bool passes;
    std::string caption;   // empty: no message box
    std::string text;
    std::string focus;     // the control focused afterwards; empty: the focus does not move
    std::string cleared;   // an edit emptied by the refusal
    std::string kept;      // an edit that keeps its text
    bool refreshed;        // the WDS address edits were refreshed
};

std::string Repeat(char c, int count) { return std::string(static_cast<size_t>(count), c); }

// A case that passes without a message.
CheckCase Pass(std::string name, std::function<void(Fixture&)> setup) {
    return {std::move(name), std::move(setup), true, "", "", "", "", "", false};
}

// A refusal with its box and focus.
CheckCase Refuse(std::string name, std::function<void(Fixture&)> setup, const char* caption, std::string text,
                 std::string focus, std::string cleared = "") {
    return {std::move(name), std::move(setup), false, caption, std::move(text), std::move(focus),
            std::move(cleared), "", false};
}

CheckCase Kept(CheckCase c, std::string edit) {
    c.kept = std::move(edit);
    return c;
}

CheckCase Refreshed(CheckCase c) {
    c.refreshed = true;
    return c;
}

std::vector<CheckCase> SsidCases() {
    auto ssid = [](std::string text) { return [text](Fixture& f) { f.page.Ed_SSID->SetText(text); }; };
    std::vector<CheckCase> cases = {
        Refuse("SSID of 33", ssid(Repeat('s', 33)), kWarning, "The Max Length of SSID is 32.!", "Ed_SSID",
               "Ed_SSID"),
        Pass("SSID of 32", ssid(Repeat('s', 32))),
        Refuse("SSID empty", ssid(""), kWarning, "Please Input SSID.", "Ed_SSID"),
        Refuse("SSID leading blank", ssid(" vap"), kWarning, kEdgeText, "Ed_SSID", "Ed_SSID"),
        Refuse("SSID trailing blank", ssid("vap "), kWarning, kEdgeText, "Ed_SSID", "Ed_SSID"),
        Pass("SSID inner blank", ssid("v ap")),
        Refuse("SSID byte 0x80", ssid("vap\x80"), kWarning, "Don't support chinese character !", "Ed_SSID",
               "Ed_SSID"),
        // The SSID comes first: the refused security input shows nothing.
        Refuse("SSID before security",
               [](Fixture& f) {
                   f.page.Ed_SSID->SetText("");
                   f.SetSecurity(kPersonal);
                   f.SetPassphrase("short");
               },
               kWarning, "Please Input SSID.", "Ed_SSID"),
    };
    // Every refusal but the length one refreshes the WDS edits.
    for (CheckCase& c : cases) c.refreshed = !c.passes && c.text != "The Max Length of SSID is 32.!";
    return cases;
}

std::vector<CheckCase> CloneCases() {
    auto clone = [](std::string status, std::string source, std::string address) {
        return [=](Fixture& f) { f.SetClone(status, source, address); };
    };
    return {
        Refuse("clone of 11", clone("Enable", "Manual", "00112233445"), kErrorCaption, "The length is 12 in MAC Address.",
               "Ed_CloneMac"),
        // The main window's check comes first: it refuses an empty and an
        // all-zero address with its own message.
        Refuse("clone empty", clone("Enable", "Manual", ""), kWarning, kInvalidMacText, "Ed_CloneMac"),
        Refuse("clone zero", clone("Enable", "Manual", kZeroMac), kWarning, kInvalidMacText, "Ed_CloneMac"),
        Refuse("clone group address", clone("Enable", "Manual", kGroupMac), kWarning, kInvalidMacText,
               "Ed_CloneMac"),
        Pass("clone valid", clone("Enable", "Manual", kMac)),
        Pass("clone disabled", clone("Disable", "Manual", "")),
        Pass("clone source auto", clone("Enable", "Auto", "")),
        // The clone address is checked before the security input.
        Refuse("clone before security",
               [](Fixture& f) {
                   f.SetClone("Enable", "Manual", kZeroMac);
                   f.SetSecurity(kPersonal);
                   f.SetPassphrase("short");
               },
               kWarning, kInvalidMacText, "Ed_CloneMac"),
        Pass("clone outside client mode",
             [](Fixture& f) {
                 f.SetClone("Enable", "Manual", "");
                 Select(f.page.CB_APMode, kAP);
             }),
    };
}

std::vector<CheckCase> WdsCases() {
    auto wds = [](std::string mode, std::function<void(Fixture&)> more) {
        return [=](Fixture& f) {
            Select(f.page.CB_APMode, mode);
            more(f);
        };
    };
    auto address = [](int i, std::string text) { return [=](Fixture& f) { f.page.Ed_ReMAddra[i]->SetText(text); }; };
    std::vector<CheckCase> cases = {
        Refuse("partners not read", wds(kWdsAp, [](Fixture& f) { f.page.RemoteApTableRequest->lastReadOk = false; }),
               kWarning, kWdsNotReadText, ""),
        Refuse("partners being read", wds(kWds, [](Fixture& f) { f.page.RemoteApTableRequest->busy = true; }),
               kWarning, kWdsNotReadText, ""),
        Refuse("partner request missing", wds(kWds, [](Fixture& f) { f.page.Groups.Remove(f.page.RemoteApTableRequest); f.page.RemoteApTableRequest = nullptr; }),
               kWarning, kWdsNotReadText, ""),
        Pass("partners not read outside WDS", [](Fixture& f) { f.page.RemoteApTableRequest->lastReadOk = false; }),
        Pass("partner valid", wds(kWds, [](Fixture&) {})),
        Pass("partners of both cases differ", wds(kWdsAp, [](Fixture& f) {
                 f.page.Ed_ReMAddra[0]->SetText("00aabbccddee");
                 f.page.Ed_ReMAddra[1]->SetText("00aabbccddef");
             })),
        Refuse("same partner twice", wds(kWdsAp, [](Fixture& f) {
                   f.page.Ed_ReMAddra[0]->SetText("00aabbccddee");
                   f.page.Ed_ReMAddra[3]->SetText("00AABBCCDDEE");
               }),
               kWarning, "Exist same MAC address.", "Ed_ReMAddra3"),
        // The duplicates are looked for before the lengths.
        Refuse("duplicates before lengths", wds(kWds, [](Fixture& f) {
                   f.page.Ed_ReMAddra[0]->SetText("00112233445");
                   f.page.Ed_ReMAddra[5]->SetText(kMac);
                   f.page.Ed_ReMAddra[6]->SetText(kMac);
               }),
               kWarning, "Exist same MAC address.", "Ed_ReMAddra6"),
        Refuse("first partner of 11", wds(kWdsAp, address(0, "00112233445")), kErrorCaption,
               "The length is 12 in IEEE802.11g MAC address.", "", "Ed_ReMAddra0"),
        Kept(Refuse("fourth partner of 11", wds(kWds, address(3, "00112233445")), kErrorCaption,
                    "The length is 12 MAC address.", ""),
             "Ed_ReMAddra3"),
        Kept(Refuse("sixth partner of 13", wds(kWdsAp, address(5, "0011223344556")), kErrorCaption,
                    "The length is 12 MAC address.", ""),
             "Ed_ReMAddra5"),
        Refuse("group address partner", wds(kWds, address(2, kGroupMac)), kWarning, kInvalidMacText, "Ed_ReMAddra2",
               "Ed_ReMAddra2"),
        Refuse("zero partner", wds(kWds, address(7, kZeroMac)), kWarning, kInvalidMacText, "Ed_ReMAddra7",
               "Ed_ReMAddra7"),
        {"no partner at all", wds(kWds, address(0, "")), true, kWarning, "Please input MAC Address.", "", "", "",
         false},
        Refuse("partners before security", wds(kWds, [](Fixture& f) {
                   f.page.Ed_ReMAddra[1]->SetText(kMac);
                   f.SetSecurity(kPersonal);
                   f.SetPassphrase("short");
               }),
               kWarning, "Exist same MAC address.", "Ed_ReMAddra1"),
        Refuse("partners not read before security", wds(kWds, [](Fixture& f) {
                   f.page.RemoteApTableRequest->lastReadOk = false;
                   f.SetSecurity(kPersonal);
                   f.SetPassphrase("short");
               }),
               kWarning, kWdsNotReadText, ""),
        // The security checks follow the partners' ones.
        Refuse("partners then security", wds(kWds, [](Fixture& f) {
                   f.SetSecurity(kPersonal);
                   f.page.Ed_UpdateInterval->SetText("299");
               }),
               kErrorCaption, kIntervalText, "Ed_UpdateInterval", "Ed_UpdateInterval"),
    };
    // A refusal of the duplicate or address check refreshes the edits.
    for (CheckCase& c : cases)
        c.refreshed = !c.passes && c.text != kWdsNotReadText && c.text != kIntervalText;
    return cases;
}

// Every key, type and size: one character short is refused with the key's
// ordinal and the length of its kind; the exact length passes.
std::vector<CheckCase> WepLengthCases() {
    struct Kind {
        const char* type;
        const char* size;
        int length;
        const char* unit;
    } const kinds[] = {{"HEX", "64Bits", 10, "hexadecimal"},
                       {"HEX", "128Bits", 26, "hexadecimal"},
                       {"ASCII", "64Bits", 5, "ASCII"},
                       {"ASCII", "128Bits", 13, "ASCII"}};
    std::vector<CheckCase> cases;
    for (int n = 1; n <= 4; ++n) {
        for (const Kind& kind : kinds) {
            const std::string label = std::string("key ") + std::to_string(n) + " " + kind.type + " " + kind.size;
            const std::string shortKey = Repeat('a', kind.length - 1);
            const std::string goodKey = Repeat('b', kind.length);
            const std::string type = kind.type;
            const std::string size = kind.size;
            cases.push_back(Refuse(label + " short",
                                   [=](Fixture& f) {
                                       f.SetSecurity(kShared);
                                       f.SetKey(n, type, size, shortKey);
                                   },
                                   kWarning,
                                   std::string("The Length of the ") + kOrdinals[n - 1] + " key must be " +
                                       std::to_string(kind.length) + " " + kind.unit + " number!",
                                   "Ed_Key" + std::to_string(n)));
            cases.push_back(Pass(label + " exact", [=](Fixture& f) {
                f.SetSecurity(kShared);
                f.SetKey(n, type, size, goodKey);
            }));
        }
    }
    return cases;
}

std::vector<CheckCase> WepCases() {
    auto key = [](std::string security, int n, std::string type, std::string size, std::string text) {
        return [=](Fixture& f) {
            f.SetSecurity(security);
            Select(f.page.CB_dot11Encryption, "Enable");
            f.SetKey(n, type, size, text);
        };
    };
    return {
        Refuse("hex key with G", key(kShared, 1, "HEX", "64Bits", "012345678G"), kWarning, kHexCharText, "Ed_Key1"),
        Refuse("hex key leading blank", key(kShared, 2, "HEX", "64Bits", " 123456789"), kWarning, kEdgeText,
               "Ed_Key2"),
        Pass("hex key small letters", key(kShared, 3, "HEX", "128Bits", "0123456789abcdefABCDEF0123")),
        Pass("hex key masked", key(kShared, 1, "HEX", "64Bits", "**********")),
        Pass("hex key without size", [](Fixture& f) {
            f.SetSecurity(kShared);
            f.SetKey(4, "HEX", "", "0123");
        }),
        Refuse("hex key without size checks characters",
               [](Fixture& f) {
                   f.SetSecurity(kShared);
                   f.SetKey(4, "HEX", "", "01x3");
               },
               kWarning, kHexCharText, "Ed_Key4"),
        Refuse("ascii key leading blank", key(kShared, 1, "ASCII", "128Bits", " abcdefghijkl"), kWarning, kEdgeText,
               "Ed_Key1"),
        Refuse("ascii key trailing blank", key(kShared, 3, "ASCII", "64Bits", "abcd "), kWarning, kEdgeText,
               "Ed_Key3"),
        Pass("ascii key inner blank", key(kShared, 2, "ASCII", "64Bits", "ab cd")),
        Pass("ascii key masked", key(kShared, 2, "ASCII", "64Bits", "*****")),
        Refuse("key not confirmed",
               [](Fixture& f) {
                   f.SetSecurity(kShared);
                   f.SetKey(2, "HEX", "64Bits", "0123456789");
                   f.page.Ed_ConfirmKey->SetText("0123456788");
               },
               kWarning, kConfirmText, "Ed_ConfirmKey"),
        // The key the index selects is checked, not the others.
        Pass("other keys not checked",
             [](Fixture& f) {
                 f.SetSecurity(kShared);
                 f.SetKey(3, "ASCII", "64Bits", "abcde");
                 f.page.Ed_Key1->SetText("bad");
                 f.page.Ed_Key4->SetText("");
             }),
        Pass("no key selected",
             [](Fixture& f) {
                 f.SetSecurity(kShared);
                 Select(f.page.CB_DefaultKey, "");
                 f.page.Ed_Key1->SetText("bad");
                 f.page.Ed_ConfirmKey->SetText("other");
             }),
        Refuse("open system with encryption", key(kOpen, 1, "HEX", "64Bits", "01234"), kWarning,
               "The Length of the 1st key must be 10 hexadecimal number!", "Ed_Key1"),
        Pass("open system without encryption",
             [](Fixture& f) {
                 f.SetKey(1, "HEX", "64Bits", "01234");
                 f.page.Ed_ConfirmKey->SetText("other");
             }),
        // Shared Key means WEP whatever the encryption list shows.
        Refuse("shared key with encryption off",
               [](Fixture& f) {
                   f.SetSecurity(kShared);
                   f.SetKey(1, "HEX", "64Bits", "01234");
               },
               kWarning, "The Length of the 1st key must be 10 hexadecimal number!", "Ed_Key1"),
    };
}

std::vector<CheckCase> WpaPersonalCases() {
    auto personal = [](std::function<void(Fixture&)> more) {
        return [=](Fixture& f) {
            f.SetSecurity(kPersonal);
            more(f);
        };
    };
    auto interval = [=](std::string text) {
        return personal([=](Fixture& f) { f.page.Ed_UpdateInterval->SetText(text); });
    };
    auto passphrase = [=](std::string text) { return personal([=](Fixture& f) { f.SetPassphrase(text); }); };
    auto periodical = [=](std::string hours) {
        return personal([=](Fixture& f) {
            f.SetPeriodical(hours);
            f.SetPassphrase("short");  // not checked with periodical re-keying
        });
    };
    return {
        Refuse("interval 299", interval("299"), kErrorCaption, kIntervalText, "Ed_UpdateInterval", "Ed_UpdateInterval"),
        Pass("interval 300", interval("300")),
        Pass("interval 9999999", interval("9999999")),
        Refuse("interval 10000000", interval("10000000"), kErrorCaption, kIntervalText, "Ed_UpdateInterval",
               "Ed_UpdateInterval"),
        Refuse("interval empty", interval(""), kErrorCaption, kIntervalText, "Ed_UpdateInterval"),
        Refuse("interval no number", interval("3600s"), kErrorCaption, kIntervalText, "Ed_UpdateInterval",
               "Ed_UpdateInterval"),
        Refuse("interval in WDS with AP", [](Fixture& f) {
                   Select(f.page.CB_APMode, kWdsAp);
                   f.SetSecurity(kPersonal);
                   f.page.Ed_UpdateInterval->SetText("299");
               },
               kErrorCaption, kIntervalText, "Ed_UpdateInterval", "Ed_UpdateInterval"),
        Pass("client skips the interval", personal([](Fixture& f) {
                 Select(f.page.CB_APMode, kClient);
                 f.page.Ed_UpdateInterval->SetText("");
             })),
        Refuse("client checks the pass phrase", personal([](Fixture& f) {
                   Select(f.page.CB_APMode, kClient);
                   f.page.Ed_UpdateInterval->SetText("");
                   f.SetPassphrase("1234567");
               }),
               kErrorCaption, "The Passphrase length is between 8 and 63.", "Ed_Passphrase"),
        Refuse("pass phrase of 7", passphrase(Repeat('p', 7)), kErrorCaption, "The Passphrase length is between 8 and 63.",
               "Ed_Passphrase"),
        Pass("pass phrase of 8", passphrase(Repeat('p', 8))),
        Pass("pass phrase of 63", passphrase(Repeat('p', 63))),
        Refuse("pass phrase of 64", passphrase(Repeat('p', 64)), kErrorCaption, "The max length of Passphrase is 63.",
               "Ed_Passphrase"),
        Refuse("pass phrase leading blank", passphrase(" passphrase"), kWarning, kEdgeText, "Ed_Passphrase"),
        Refuse("pass phrase trailing blank", passphrase("passphrase "), kWarning, kEdgeText, "Ed_Passphrase"),
        Refuse("pass phrase not confirmed", personal([](Fixture& f) { f.page.Ed_ConfirmPass->SetText("passphrasE"); }),
               kWarning, kConfirmText, "Ed_ConfirmPass"),
        Refuse("periodical 0", periodical("0"), kWarning, kRekeyText, "Ed_TimeInterval"),
        Pass("periodical 1", periodical("1")),
        Pass("periodical 168", periodical("168")),
        Refuse("periodical 169", periodical("169"), kWarning, kRekeyText, "Ed_TimeInterval"),
        Refuse("periodical empty", periodical(""), kWarning, kRekeyText, "Ed_TimeInterval"),
        // Hidden, the re-key list counts as manual key.
        Refuse("periodical hidden", personal([](Fixture& f) {
                   f.SetPeriodical("24");
                   f.page.CB_AutoRekeyType->SetVisible(false);
                   f.SetPassphrase("short");
               }),
               kErrorCaption, "The Passphrase length is between 8 and 63.", "Ed_Passphrase"),
        // A shorter list puts WPA-Personal at position 1: chosen by text, its
        // checks run, not the WEP ones.
        Refuse("short list", [](Fixture& f) {
                   Fill(f.page.CB_SecurityMode, {kOpen, kPersonal, kEnterprise});
                   Select(f.page.CB_SecurityMode, kPersonal);
                   f.SetPassphrase("short");
               },
               kErrorCaption, "The Passphrase length is between 8 and 63.", "Ed_Passphrase"),
    };
}

std::vector<CheckCase> RadiusCases() {
    // Both modes share the server checks; each has its own interval edit.
    std::vector<CheckCase> cases;
    for (const char* mode : {kEnterprise, kDot1x}) {
        const std::string security = mode;
        auto radius = [security](std::function<void(Fixture&)> more) {
            return [=](Fixture& f) {
                f.SetSecurity(security);
                more(f);
            };
        };
        auto server = [=](std::string text) {
            return radius([=](Fixture& f) { f.page.Edt_RadiusServer->SetText(text); });
        };
        auto port = [=](std::string text) { return radius([=](Fixture& f) { f.page.Edt_RadiusPort->SetText(text); }); };
        auto secret = [=](std::string text) {
            return radius([=](Fixture& f) { f.page.Edt_RadiusSecret->SetText(text); });
        };
        const std::string interval = security == kDot1x ? "Ed_Update2" : "Ed_UpdateInterval";
        auto setInterval = [=](std::string text) {
            return radius([=](Fixture& f) {
                auto* edit = dynamic_cast<ui::Edit*>(f.page.FindComponent(interval));
                ASSERT_NE(edit, nullptr);
                edit->SetText(text);
            });
        };
        const std::vector<CheckCase> own = {
            Refuse("interval 299", setInterval("299"), kErrorCaption, kIntervalText, interval, interval),
            Pass("interval 300", setInterval("300")),
            Pass("interval 9999999", setInterval("9999999")),
            Refuse("interval 10000000", setInterval("10000000"), kErrorCaption, kIntervalText, interval, interval),
            Refuse("interval empty", setInterval(""), kErrorCaption, kIntervalText, interval),
            Refuse("interval no number", setInterval("x"), kErrorCaption, kIntervalText, interval, interval),
            Refuse("server invalid", server("192.168.1"), kErrorCaption, kServerText, "Edt_RadiusServer"),
            Refuse("server empty", server(""), kErrorCaption, kServerText, "Edt_RadiusServer"),
            Refuse("port 0", port("0"), kErrorCaption, kPortText, "Edt_RadiusPort"),
            Pass("port 1", port("1")),
            Pass("port 65535", port("65535")),
            Refuse("port 65536", port("65536"), kErrorCaption, kPortText, "Edt_RadiusPort"),
            Refuse("port empty", port(""), kErrorCaption, kPortText, "Edt_RadiusPort"),
            Refuse("port no number", port("18x2"), kErrorCaption, kPortText, "Edt_RadiusPort"),
            Refuse("secret empty", secret(""), kErrorCaption, kSecretEmptyText, "Edt_RadiusSecret"),
            Refuse("secret three blanks", secret("   "), kErrorCaption, kSecretEmptyText, "Edt_RadiusSecret"),
            Refuse("secret of control characters", secret(" \t\r "), kErrorCaption, kSecretEmptyText, "Edt_RadiusSecret"),
            Pass("secret of 64", secret(Repeat('s', 64))),
            Refuse("secret of 65", secret(Repeat('s', 65)), kErrorCaption, kSecretLongText, "Edt_RadiusSecret"),
            Pass("secret with blanks around", secret(" secret ")),
        };
        for (CheckCase c : own) {
            c.name = security + " " + c.name;
            cases.push_back(std::move(c));
        }
    }
    // Each mode reads its own interval edit only.
    cases.push_back(Pass("802.1X ignores the group key interval", [](Fixture& f) {
        f.SetSecurity(kDot1x);
        f.page.Ed_UpdateInterval->SetText("");
    }));
    cases.push_back(Pass("WPA-Enterprise ignores the 802.1X interval", [](Fixture& f) {
        f.SetSecurity(kEnterprise);
        f.page.Ed_Update2->SetText("");
    }));
    return cases;
}

std::vector<CheckCase> UnshownSecurityCases() {
    return {
        // The device's mode could not be shown and the user left the list
        // alone: nothing of the security input is checked.
        Pass("unshown and unchanged",
             [](Fixture& f) {
                 f.page.AuthenticationShown = false;
                 Select(f.page.CB_dot11Encryption, "Enable");
                 f.SetKey(1, "HEX", "64Bits", "bad");
             }),
        Pass("unshown and unchanged WPA-Personal",
             [](Fixture& f) {
                 f.page.AuthenticationShown = false;
                 f.SetSecurity(kPersonal);
                 f.SetPassphrase("short");
             }),
        Refuse("unshown but changed",
               [](Fixture& f) {
                   f.page.AuthenticationShown = false;
                   f.SetSecurity(kPersonal);
                   f.page.SecurityModePicked = true;
                   f.SetPassphrase("short");
               },
               kErrorCaption, "The Passphrase length is between 8 and 63.", "Ed_Passphrase"),
        // In another operating mode than the device's the pair would be one
        // no list offers: a security mode of the new mode is asked for.
        Refuse("unshown after the operating mode changed",
               [](Fixture& f) {
                   f.page.AuthenticationShown = false;
                   Select(f.page.CB_APMode, kClient);
               },
               kWarning,
               "The device's security mode cannot be used in 'Wireless Client' mode. Please choose an "
               "Authentication of this mode.",
               "CB_SecurityMode"),
        Pass("unshown after the operating mode changed, one picked",
             [](Fixture& f) {
                 f.page.AuthenticationShown = false;
                 f.page.SecurityModePicked = true;
                 Select(f.page.CB_APMode, kClient);
             }),
        // The other checks still run.
        Refreshed(Refuse("unshown still checks the SSID",
                         [](Fixture& f) {
                             f.page.AuthenticationShown = false;
                             f.page.Ed_SSID->SetText("");
                         },
                         kWarning, "Please Input SSID.", "Ed_SSID")),
    };
}

ui::Control* ControlNamed(TFM_Wirless& page, const std::string& name) {
    return dynamic_cast<ui::Control*>(page.FindComponent(name));
}

ui::Edit* EditNamed(TFM_Wirless& page, const std::string& name) {
    return dynamic_cast<ui::Edit*>(page.FindComponent(name));
}

}  // namespace

TEST_F(WirelessChecksTest, EveryCheckOfASave) {
    std::vector<CheckCase> cases;
    for (auto group : {SsidCases, CloneCases, WdsCases, WepLengthCases, WepCases, WpaPersonalCases, RadiusCases,
                       UnshownSecurityCases})
        for (CheckCase& c : group()) cases.push_back(std::move(c));

    ShowActive(page);
    Reset();
    // The valid input passes on its own.
    ASSERT_TRUE(page.CheckSaveInput());

    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        c.setup(*this);
        // Each case starts with the focus elsewhere and the WDS edits in the
        // state the refresh would change.
        page.Bt_Refresh->SetFocus();
        ASSERT_TRUE(page.Bt_Refresh->Focused());
        const bool wds = IsWds(page.CB_APMode->Text());
        for (ui::Edit* edit : page.Ed_ReMAddra) edit->SetReadOnly(wds);
        ui::Edit* cleared = c.cleared.empty() ? nullptr : EditNamed(page, c.cleared);
        ui::Edit* kept = c.kept.empty() ? nullptr : EditNamed(page, c.kept);
        if (!c.cleared.empty()) {
            ASSERT_NE(cleared, nullptr);
            ASSERT_FALSE(cleared->Text().empty()) << "nothing to clear";
        }
        const std::string keptText = kept != nullptr ? kept->Text() : "";
        if (!c.kept.empty()) {
            ASSERT_NE(kept, nullptr);
            ASSERT_FALSE(keptText.empty());
        }
        // A script of its own per case, so that a box one case misses does
        // not spill into the next.
        ui::ScriptedDialogs boxes([](const std::string& failure) { ADD_FAILURE() << failure; });
        if (!c.caption.empty()) boxes.ExpectBox(c.caption, c.text, ui::Answer::Ok);

        EXPECT_EQ(page.CheckSaveInput(), c.passes);

        EXPECT_EQ(boxes.Boxes().size(), c.caption.empty() ? 0u : 1u);
        EXPECT_EQ(boxes.PendingCount(), 0u);
        if (c.focus.empty()) {
            EXPECT_TRUE(page.Bt_Refresh->Focused()) << "the focus moved";
        } else {
            ui::Control* focus = ControlNamed(page, c.focus);
            ASSERT_NE(focus, nullptr);
            EXPECT_TRUE(focus->Focused()) << c.focus << " has no focus";
        }
        if (cleared != nullptr) {
            EXPECT_EQ(cleared->Text(), "");
        }
        if (kept != nullptr) {
            EXPECT_EQ(kept->Text(), keptText);
        }
        EXPECT_EQ(page.Ed_ReMAddra[0]->ReadOnly() != wds, c.refreshed);
    }
}

// The three helpers called on their own, as the writing side calls them.
TEST_F(WirelessChecksTest, HexKeyCheckResults) {
    struct HexCase {
        const char* key;
        int result;
        const char* message;  // null: none
    } const cases[] = {
        {"", 2, nullptr},
        {"***", 2, nullptr},
        {"0123456789abcdefABCDEF", 2, nullptr},
        {"*1*", 1, kHexCharText},
        {"12 4", 1, kHexCharText},
        {"0g", 1, kHexCharText},
        {" 12", 1, kEdgeText},
        {"12 ", 1, kEdgeText},
    };
    Reset();
    for (const HexCase& c : cases) {
        SCOPED_TRACE(c.key);
        page.Ed_Key2->SetText(c.key);
        if (c.message != nullptr) Dialogs().ExpectBox(kWarning, c.message, ui::Answer::Ok);
        EXPECT_EQ(page.CheckHexKey(page.Ed_Key2), c.result);
        EXPECT_EQ(Dialogs().PendingCount(), 0u);
    }
}

// The length is checked only while the key index names the key.
TEST_F(WirelessChecksTest, WepKeyLengthOnlyForTheSelectedKey) {
    Reset();
    Select(page.CB_KeyType2, "HEX");
    Select(page.CB_WepEncryp2, "128Bits");
    page.Ed_Key2->SetText("0123");
    Select(page.CB_DefaultKey, "First");
    EXPECT_TRUE(page.ValidateWepKey(2));
    Select(page.CB_DefaultKey, "Second");
    Dialogs().ExpectBox(kWarning, "The Length of the 2nd key must be 26 hexadecimal number!", ui::Answer::Ok);
    EXPECT_FALSE(page.ValidateWepKey(2));
    EXPECT_EQ(Dialogs().PendingCount(), 0u);
}

TEST_F(WirelessChecksTest, WdsAddressesCheckedOnlyInWdsModes) {
    Reset();
    page.Ed_ReMAddra[0]->SetText("bad");
    for (const char* mode : {kAP, kClient}) {
        SCOPED_TRACE(mode);
        Select(page.CB_APMode, mode);
        EXPECT_TRUE(page.ValidateSsidAndWdsMacs());
        EXPECT_EQ(page.Ed_ReMAddra[0]->Text(), "bad");
    }
    EXPECT_TRUE(Dialogs().Boxes().empty());
}
