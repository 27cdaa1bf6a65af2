#include "tests/library/snmp/snmp_session_env.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <ostream>
#include <memory>

#include "library/snmp/global_session.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"

namespace snmptest {

const char* const kRoot = "1.3.6.1.4.1.32473.10.37.44.99";
const char* const kEndOfViewTable = "1.3.6.1.9.1";

namespace {

// Objects of the test agent; row values differ so that rows can be told apart.
const char* const kFixture = R"(
tScalarInt   E.99.1.1.0 integer rw 0..100 7
tScalarText  E.99.1.2.0 string  rw 0..32  "hello"
tScalarRo    E.99.1.3.0 integer ro -      42
tInstInt     E.99.2.1.1 integer rw -      5
tInstText    E.99.2.2.1 string  rw 0..32  "inst"
tOneInt      E.99.4.1.2.[5-5] integer rw 0..1000 11
tOneText     E.99.4.1.3.[5-5] string  rw 0..32   "five"
tTwoInt      E.99.5.1.2.[1-2] integer rw 0..1000 21
tTwoText     E.99.5.1.3.[1-2] string  rw 0..32   "two"
E.99.5.1.2.2 22
E.99.5.1.3.2 "deux"
tPairA1 E.99.6.1.3.1.7 integer ro - 17
tPairA2 E.99.6.1.3.2.9 integer ro - 29
tPairB1 E.99.6.1.4.1.7 string  ro 0..32 "a"
tPairB2 E.99.6.1.4.2.9 string  ro 0..32 "b"
tEnd    1.3.6.1.9.1.2.[1-2] integer ro - 3
tEqualA  E.99.7.1.2.[1-3] integer ro - 10
tEqualB  E.99.7.1.3.[1-3] string  ro - "b"
tEqualC  E.99.7.1.4.[1-3] integer ro - 30
tStartA  E.99.8.1.2.[1-4] integer ro - 10
tStartB  E.99.8.1.3.[3-4] string  ro - "b"
tStartC  E.99.8.1.4.[1-4] integer ro - 30
tMidA    E.99.9.1.2.[1-6] integer ro - 10
tMidB    E.99.9.1.3.[2-5] string  ro - "b"
tMidC    E.99.9.1.4.[3-8] integer ro - 30
tEndA    E.99.10.1.2.[1-4] integer ro - 10
tEndB    E.99.10.1.3.[1-2] string  ro - "b"
tEndC    E.99.10.1.4.[1-4] integer ro - 30
tEmptyA  E.99.11.1.2.[1-3] integer ro - 10
tEmptyC  E.99.11.1.4.[1-3] integer ro - 30
tTypedA  E.99.12.1.2.[1-2] integer ro - 10
tTypedB  E.99.12.1.3.[1-2] string  ro - "b"
retype   E.99.12.1.2.2 string "1"
retype   E.99.12.1.3.1 integer 7
)";

// The application object and the global session for every test of the
// program; time runs twenty times faster (the simulator inherits the scale).
class SessionEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        application_ = std::make_unique<ui::Application>(argc_, argv_);
        CreateGlobalSNMPSession(folder_.Path());
    }
    void TearDown() override {
        FreeSNMPGlobals();
        application_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "snmp-test";
    char* argv_[2] = {name_, nullptr};
    TempFolder folder_;
    std::unique_ptr<ui::Application> application_;
};

const bool kScaled = setenv("VAP_TIME_SCALE", "0.05", 0) == 0;
::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new SessionEnvironment);

}  // namespace

TempFolder::TempFolder() {
    char pattern[] = "/tmp/vap7720-snmptest-XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
    if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
}

void AccessMode::ApplyTo(VkSNMPRequest& request, const support::SimProcess& sim) const {
    request.address = "127.0.0.1";
    request.port = static_cast<uint16_t>(sim.Port());
    request.version = static_cast<uint8_t>(version);
    request.readCommunity = readCommunity;
    request.writeCommunity = writeCommunity;
    request.securityModel = version == 3 ? 3 : version + 1;
    request.securityLevel = securityLevel;
    request.securityName = user;
    request.authProtocol = authProtocol;
    request.authPassword = authPassword;
    request.privProtocol = privProtocol;
    request.privPassword = privPassword;
    request.timeout = 200;
}

namespace {

AccessMode Community(const std::string& name, int version) {
    AccessMode mode;
    mode.name = name;
    mode.version = version;
    return mode;
}

AccessMode User(const std::string& name, int level, const std::string& user, int authProtocol,
                const std::string& authPassword, int privProtocol, const std::string& privPassword) {
    AccessMode mode;
    mode.name = name;
    mode.version = 3;
    mode.securityLevel = level;
    mode.user = user;
    mode.authProtocol = authProtocol;
    mode.authPassword = authPassword;
    mode.privProtocol = privProtocol;
    mode.privPassword = privPassword;
    return mode;
}

}  // namespace

AccessMode V3User(const std::string& user, int level, int authProtocol, const std::string& authPassword,
                  int privProtocol, const std::string& privPassword) {
    return User(user, level, user, authProtocol, authPassword, privProtocol, privPassword);
}

void PrintTo(const AccessMode& mode, std::ostream* out) { *out << mode.name; }

std::vector<AccessMode> AllModes() {
    return {Community("v1", 0), Community("v2c", 1),
            User("v3_MD5_DES", 3, "mdes", 2, "mdesAuth1", 2, "mdesPriv1"),
            User("v3_SHA_authNoPriv", 2, "shaa", 3, "shaaAuth1", 1, ""),
            User("v3_noAuthNoPriv", 1, "noau", 1, "", 1, "")};
}

TestAgent::TestAgent() {
    std::string fixture = folder_.Path() + "/objects.txt";
    std::ofstream(fixture) << kFixture;
    sim_.Settings().arguments = {"--fixture", fixture, "--ro-community", "rdcomm", "--rw-community",
                                 "wrcomm", "--user", "mdes:MD5:mdesAuth1:DES:mdesPriv1", "--user",
                                 "shaa:SHA:shaaAuth1", "--user", "noau"};
    std::string error;
    started_ = sim_.Start(error);
    EXPECT_TRUE(started_) << error;
}

std::string TestAgent::Value(const std::string& oid) {
    support::ControlReply reply = sim_.Control("get " + oid);
    return reply.ok && !reply.lines.empty() ? reply.lines.front() : "<" + reply.error + ">";
}

bool RunUntil(const std::function<bool()>& done, int ms) {
    uint64_t deadline = os::TickCount() + static_cast<uint64_t>(os::Scaled(ms));
    while (!done() && os::TickCount() < deadline) ui::Application::Instance()->WaitForMessages(5);
    return done();
}

void RunFor(int ms) {
    RunUntil([] { return false; }, ms);
}

std::vector<std::string> Values(const VkSNMPVarList& vars) {
    std::vector<std::string> values;
    for (int i = 0; i < vars.Count(); ++i) values.push_back(vars.Item(i)->value);
    return values;
}

std::vector<std::vector<std::string>> WalkSync(VkSNMPRequest& request, bool& ok) {
    std::vector<std::vector<std::string>> rows;
    for (bool row = request.GetSync(ok, true); row && rows.size() < 100; row = request.GetSync(ok, false))
        rows.push_back(Values(request.vars));
    return rows;
}

void StartAsyncWalk(VkSNMPRequest& request, AsyncWalk& walk) {
    auto next = std::make_shared<VkSNMPResultCallback>();
    *next = [&request, &walk, weakNext = std::weak_ptr<VkSNMPResultCallback>(next)](
                void*, VkSNMPError* result, VkSNMPVarList* vars) {
        if (result->endOfTable || walk.rows.size() >= 100) {
            walk.finalCode = result->code;
            walk.done = true;
            return;
        }
        walk.rows.push_back(Values(*vars));
        if (auto step = weakNext.lock()) request.GetAsync(*step, nullptr, false);
    };
    walk.keepAlive = next;
    request.GetAsync(*next, nullptr, true);
}

}  // namespace snmptest
