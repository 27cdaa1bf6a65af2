#include "tests/pages/page_test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QWidget>

#include "library/snmp/global_session.h"
#include "platform/os/clock.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/mib_root.h"

namespace pagetest {

const Access kV1{"v1", 0};
const Access kV2c{"v2c", 1};
const Access kV3AuthPriv{"v3 MD5+DES", 3};

void PrintTo(const Access& access, std::ostream* out) { *out << access.name; }

namespace {

const bool kTimeScaled = setenv("VAP_TIME_SCALE", "0.05", 0) == 0;

constexpr char kReadCommunity[] = "public";
constexpr char kWriteCommunity[] = "private";
constexpr char kUser[] = "pageuser";
constexpr char kAuthPassword[] = "pageAuth1";
constexpr char kPrivPassword[] = "pagePriv1";
constexpr size_t kBaseArguments = 2;  // --user and its value

std::string MakeFolder() {
    char pattern[] = "/tmp/vap7720-pagetest-XXXXXX";
    return mkdtemp(pattern) != nullptr ? pattern : "";
}

}  // namespace

std::string DeviceOid(const std::string& oid) {
    if (oid.rfind("E.", 0) == 0) return MibDeviceRoot + oid.substr(1);
    if (oid.rfind(".", 0) == 0) return MibDeviceRoot + oid;
    return oid;
}

PageTest::PageTest() : folder_(MakeFolder()) {
    EXPECT_TRUE(kTimeScaled);
    timeScale_ = os::TimeScale();
    sim_.Settings().arguments = {"--user", std::string(kUser) + ":MD5:" + kAuthPassword + ":DES:" + kPrivPassword};
    CreateGlobalSNMPSession(folder_);
    StartSim();
    UseAccess(kV2c);
}

void PageTest::ShortenTimeouts() { os::SetTimeScale(timeScale_ / 5); }

void PageTest::StartSim() {
    std::string error;
    started_ = sim_.Start(error);
    EXPECT_TRUE(started_) << error;
    GlobalSNMPDevice.address = "127.0.0.1";
    GlobalSNMPDevice.port = static_cast<uint16_t>(sim_.Port());
}

void PageTest::RestartSim(const std::vector<std::string>& arguments) {
    sim_.Stop();
    std::vector<std::string>& options = sim_.Settings().arguments;
    options.resize(kBaseArguments);
    options.insert(options.end(), arguments.begin(), arguments.end());
    StartSim();
}

PageTest::~PageTest() {
    os::SetTimeScale(timeScale_);
    FreeSNMPGlobals();
    sim_.Stop();
    if (!folder_.empty()) std::system(("rm -rf '" + folder_ + "'").c_str());
}

void PageTest::UseAccess(const Access& access) {
    VkSNMPSecurity& security = GlobalSNMPSecurity;
    security.version = static_cast<uint8_t>(access.version);
    security.readCommunity = kReadCommunity;
    security.writeCommunity = kWriteCommunity;
    security.securityModel = access.version == 3 ? 3 : access.version + 1;
    security.securityLevel = access.version == 3 ? 3 : 1;
    security.securityName = access.version == 3 ? kUser : "";
    security.authPassword = kAuthPassword;
    security.privPassword = kPrivPassword;
    security.authProtocol = access.version == 3 ? 2 : 1;
    security.privProtocol = access.version == 3 ? 2 : 1;
}

void PageTest::Control(const std::string& command) {
    support::ControlReply reply = sim_.Control(command);
    EXPECT_TRUE(reply.ok) << command << ": " << reply.error;
}

std::string PageTest::Value(const std::string& oid) {
    support::ControlReply reply = sim_.Control("get " + DeviceOid(oid));
    EXPECT_TRUE(reply.ok && reply.lines.size() == 1) << oid << ": " << reply.error;
    return reply.lines.empty() ? std::string() : reply.lines[0];
}

void PageTest::SetValue(const std::string& oid, const std::string& value) {
    Control("set " + DeviceOid(oid) + " " + value);
}

void PageTest::RestartSimWithout(const std::string& objectName) { RestartSimWithout({objectName}, {}); }

void PageTest::RestartSimWithout(const std::vector<std::string>& objectNames,
                                 const std::vector<std::string>& arguments) {
    namespace fs = std::filesystem;
    objects_ = folder_ + "/objects";
    fs::create_directories(objects_);
    for (const fs::directory_entry& file : fs::directory_iterator(VAP_SIM_OBJECT_FOLDER)) {
        if (file.path().extension() != ".txt") continue;
        std::ifstream in(file.path());
        std::ofstream out(objects_ + "/" + file.path().filename().string());
        // The OIDs of the removed objects (a column's without its rows), so
        // that the values given to their instances go too.
        std::vector<std::string> removedOids;
        for (std::string line; std::getline(in, line);) {
            std::istringstream tokens(line);
            std::string first, oid;
            tokens >> first >> oid;
            bool removed = false;
            for (const std::string& name : objectNames) removed = removed || first == name;
            if (removed) removedOids.push_back(oid.substr(0, oid.find('[')));
            for (const std::string& gone : removedOids)
                removed = removed || first == gone || (gone.back() == '.' && first.rfind(gone, 0) == 0);
            if (!removed) out << line << "\n";
        }
    }
    std::vector<std::string> options = {"--objects", objects_};
    options.insert(options.end(), arguments.begin(), arguments.end());
    RestartSim(options);
}

std::vector<std::string> PageTest::Logged(const std::string& type) {
    std::vector<std::string> pdus;
    for (const std::string& line : sim_.Control("log").lines) {
        if (line.rfind(type + " ", 0) != 0) continue;
        // "<type> <version> <request id> <varbinds>"
        size_t at = line.find(' ');
        for (int field = 0; field < 2 && at != std::string::npos; ++field) at = line.find(' ', at + 1);
        pdus.push_back(at == std::string::npos ? std::string() : line.substr(at + 1));
    }
    return pdus;
}

namespace {
// The first status bar among the components owned below `owner`, depth first.
const ui::StatusBar* FirstStatusBar(const ui::Component& owner) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const ui::Component* component = owner.ComponentAt(i);
        if (const auto* bar = dynamic_cast<const ui::StatusBar*>(component)) return bar;
        if (const ui::StatusBar* bar = FirstStatusBar(*component)) return bar;
    }
    return nullptr;
}
}  // namespace

std::string PageTest::Status(const ui::Form& page) {
    const ui::StatusBar* bar = FirstStatusBar(page);
    if (bar == nullptr) {
        ADD_FAILURE() << "the page has no status bar";
        return "";
    }
    return bar->Message();
}

void PageTest::SavePicture(ui::Form& form, const std::string& name) {
    const char* folder = std::getenv("VAP_PAGE_PICTURE_DIR");
    if (folder == nullptr) return;
    form.Show();
    RunFor(100);
    EXPECT_TRUE(form.Widget()->window()->grab().save(QString::fromStdString(std::string(folder) + "/" + name + ".png")));
}

Texts Items(const ui::ComboBox* combo) {
    Texts items;
    for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->ItemText(i));
    return items;
}

std::string RowText(const ui::ListItem& row, const std::string& separator) {
    std::string text = row.Caption();
    for (int k = 0; k < row.SubItemCount(); ++k) text += separator + row.SubItem(k);
    return text;
}

Texts ColumnCaptions(const ui::ListView& view) {
    Texts captions;
    for (int k = 0; k < view.ColumnCount(); ++k) captions.push_back(view.ColumnCaption(k));
    return captions;
}

int ColumnsWidth(const ui::ListView& view) {
    int width = 0;
    for (int k = 0; k < view.ColumnCount(); ++k) width += view.ColumnWidth(k);
    return width;
}

int ListInnerWidth(const ui::ListView& view) {
    return static_cast<const QAbstractScrollArea*>(view.Widget())->viewport()->width();
}

Texts ListRows(const ui::ListView& view, const std::string& separator) {
    Texts rows;
    for (int i = 0; i < view.ItemCount(); ++i) rows.push_back(RowText(*view.Item(i), separator));
    return rows;
}

void Fill(ui::ComboBox* combo, const Texts& items) {
    combo->ClearItems();
    for (const std::string& item : items) combo->AddItem(item);
}

void Select(ui::ComboBox* combo, const std::string& text) {
    if (text.empty()) {
        combo->SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == text) {
            combo->SetItemIndex(i);
            return;
        }
    ADD_FAILURE() << "'" << text << "' is not an entry of " << combo->Name();
}

void Pick(ui::ComboBox* combo, const std::string& text) {
    Select(combo, text);
    if (combo->ItemIndex() >= 0 && combo->OnChange) combo->OnChange(combo);
}

}  // namespace pagetest
