// How VkSNMPRequest fails: time-outs, names that do not resolve, SNMPv3
// security failures, refused sends, restarted walks, and its destruction with
// answers outstanding; and the engine's tally of answered and unanswered
// exchanges.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "library/common/messages.h"
#include "library/snmp/netsnmp_engine.h"
#include "platform/os/exception.h"
#include "tests/library/snmp/snmp_session_env.h"

namespace {

using snmptest::AccessMode;

#define ROOT "1.3.6.1.4.1.32473.10.37.44.99"

const VkSNMPVarEntry kScalars[] = {
    {ROOT ".1.1", "tScalarInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".1.2", "tScalarText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {}};
const VkSNMPVarEntry kTwoRows[] = {
    {ROOT ".5.1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".5.1.2", "tTwoInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".5.1.3", "tTwoText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {}};

// A UDP port on 127.0.0.1 that receives but never answers.
class SilentPort {
public:
    SilentPort() : fd_(socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof local;
        bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length);
        port_ = ntohs(local.sin_port);
    }
    ~SilentPort() { close(fd_); }
    uint16_t Port() const { return port_; }

private:
    int fd_;
    uint16_t port_ = 0;
};

// The outcome of one request operation: what was reported and what the
// asynchronous result said.
struct Outcome {
    std::vector<VkSNMPError> reported;
    VkSNMPError result;
    int results = 0;
};

std::unique_ptr<VkSNMPRequest> NewRequest(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind, int keyCount,
                                          Outcome& outcome) {
    auto request = std::make_unique<VkSNMPRequest>();
    request->vars = VkSNMPVarList(rows, kind, keyCount);
    request->onError = [&outcome](const VkSNMPError& error) { outcome.reported.push_back(error); };
    return request;
}

VkSNMPResultCallback Recorder(Outcome& outcome) {
    return [&outcome](void*, VkSNMPError* result, VkSNMPVarList*) {
        outcome.result = *result;
        ++outcome.results;
    };
}

// A synchronous read must report `code`; the same read asynchronously must
// deliver it in its one result.
void ExpectReadFails(const std::function<void(VkSNMPRequest&)>& configure, int code) {
    Outcome sync;
    auto request = NewRequest(kScalars, SVT_SV, 0, sync);
    configure(*request);
    bool ok = true;
    EXPECT_FALSE(request->GetSync(ok, true));
    EXPECT_FALSE(ok);
    ASSERT_EQ(sync.reported.size(), 1u);
    EXPECT_EQ(sync.reported[0].code, code) << sync.reported[0].text;
    EXPECT_EQ(sync.reported[0].text, MessageText(code));
    EXPECT_EQ(request->ErrorCount(), 1);

    Outcome async;
    auto later = NewRequest(kScalars, SVT_SV, 0, async);
    configure(*later);
    later->GetAsync(Recorder(async), nullptr, true);
    EXPECT_EQ(async.results, 0);  // never from inside the call
    ASSERT_TRUE(snmptest::RunUntil([&] { return async.results > 0; }));
    EXPECT_EQ(async.result.code, code) << async.result.text;
    EXPECT_TRUE(async.result.endOfTable);
    EXPECT_TRUE(async.reported.empty());
    snmptest::RunFor(100);
    EXPECT_EQ(async.results, 1);
    EXPECT_EQ(later->pendingCount, 0);
}

TEST(RequestFailure, SilentPortTimesOutOverEveryVersion) {
    SilentPort silent;
    for (int version : {0, 1, 3}) {
        SCOPED_TRACE(version);
        ExpectReadFails([&](VkSNMPRequest& request) {
            request.address = "127.0.0.1";
            request.port = silent.Port();
            request.version = static_cast<uint8_t>(version);
            request.securityName = "mdes";
            request.timeout = 20;
        }, -405);
    }
    // Values that no answer filled: "(NULL)", or the empty text for display strings.
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    request->address = "127.0.0.1";
    request->port = silent.Port();
    request->timeout = 20;
    request->vars.Item(0)->value = "3";
    request->vars.Item(1)->value = "old";
    bool ok = true;
    request->GetSync(ok, true);
    EXPECT_EQ(snmptest::Values(request->vars), (std::vector<std::string>{"(NULL)", ""}));
}

TEST(RequestFailure, UnresolvableHostIsRaised) {
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    request->address = "no-such-host.invalid";
    bool ok = true;
    const std::vector<std::function<void()>> operations = {
        [&] { request->GetSync(ok, true); },
        [&] { request->GetAsync(Recorder(outcome), nullptr, true); },
        [&] { request->SetSync(ok, false, "", nullptr); },
        [&] { request->SetAsync(Recorder(outcome), nullptr, false, "", nullptr); },
    };
    for (const auto& operation : operations) {
        try {
            operation();
            ADD_FAILURE() << "nothing raised";
        } catch (const os::Exception& error) {
            EXPECT_EQ(error.HelpContext(), -509);
            EXPECT_EQ(error.Message(), "(ZuDUZU++) Invalid IP Address or DNS name!");
        }
    }
    EXPECT_EQ(request->pendingCount, 0);
    EXPECT_TRUE(outcome.reported.empty());
}

struct SecurityCase {
    const char* name;
    AccessMode user;
    int code;
};

TEST(RequestFailure, Snmpv3FailuresAreNeverSuccess) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    const SecurityCase cases[] = {
        {"wrong authentication pass phrase", snmptest::V3User("mdes", 3, 2, "wrongAuth1", 2, "mdesPriv1"), -308},
        {"unknown user", snmptest::V3User("nobody", 1, 1, "", 1, ""), -304},
        {"wrong privacy pass phrase", snmptest::V3User("mdes", 3, 2, "mdesAuth1", 2, "wrongPriv1"), -405},
        {"level the user does not have", snmptest::V3User("noau", 2, 3, "someAuth1", 1, ""), -303},
        {"short pass phrase", snmptest::V3User("shaa", 2, 3, "short", 1, ""), -308},
    };
    for (const SecurityCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectReadFails([&](VkSNMPRequest& request) { c.user.ApplyTo(request, agent.Sim()); }, c.code);
    }
    // The right pass phrases work again after the wrong ones (the engine's
    // cached user of the same name is replaced).
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    snmptest::AllModes()[2].ApplyTo(*request, agent.Sim());
    bool ok = false;
    request->GetSync(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(request->vars.Item(0)->value, "7");
}

TEST(RequestFailure, ReadOnlyCommunityCannotWrite) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    for (const AccessMode& mode : {snmptest::AllModes()[0], snmptest::AllModes()[1]}) {
        SCOPED_TRACE(mode.name);
        Outcome outcome;
        auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
        mode.ApplyTo(*request, agent.Sim());
        request->writeCommunity = request->readCommunity;
        request->vars.Item(0)->value = "9";
        request->vars.Item(1)->access = VkSNMPAccess::invalid;
        bool ok = true;
        request->SetSync(ok, false, "", nullptr);
        EXPECT_FALSE(ok);
        ASSERT_EQ(outcome.reported.size(), 1u);
        EXPECT_EQ(outcome.reported[0].code, mode.version == 0 ? -102 : -106);
    }
    EXPECT_EQ(agent.Value(ROOT ".1.1.0"), "7");
}

TEST(RequestFailure, RefusedAsynchronousSendStillCompletes) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    snmptest::AllModes()[1].ApplyTo(*request, agent.Sim());
    request->vars.Item(0)->access = VkSNMPAccess::invalid;
    // Larger than any SNMP message: the session refuses to send it.
    request->vars.Item(1)->value = std::string(70000, 'x');
    request->SetAsync(Recorder(outcome), nullptr, false, "", nullptr);
    ASSERT_TRUE(snmptest::RunUntil([&] { return outcome.results > 0; }));
    EXPECT_EQ(outcome.result.code, -411) << outcome.result.text;
    EXPECT_EQ(request->pendingCount, 0);

    bool ok = true;
    request->SetSync(ok, false, "", nullptr);
    EXPECT_FALSE(ok);
    ASSERT_EQ(outcome.reported.size(), 1u);
    EXPECT_EQ(outcome.reported[0].code, -411);
}

TEST(RequestFailure, NewWalkDropsTheAnswersOfTheOldOne) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    Outcome outcome;
    auto request = NewRequest(kTwoRows, MVT_UMV, 1, outcome);
    snmptest::AllModes()[1].ApplyTo(*request, agent.Sim());
    snmptest::AsyncWalk first;
    snmptest::AsyncWalk second;
    snmptest::StartAsyncWalk(*request, first);
    snmptest::StartAsyncWalk(*request, second);
    ASSERT_TRUE(snmptest::RunUntil([&] { return second.done; }));
    snmptest::RunFor(100);
    EXPECT_EQ(second.rows, (std::vector<std::vector<std::string>>{{"1", "21", "two"}, {"2", "22", "deux"}}));
    EXPECT_EQ(second.finalCode, 0);
    EXPECT_FALSE(first.done);
    EXPECT_TRUE(first.rows.empty());
    EXPECT_EQ(request->pendingCount, 0);
}

TEST(RequestFailure, DestructorWaitsForOutstandingReads) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.Sim().Control("delay 1000").ok);
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    snmptest::AllModes()[1].ApplyTo(*request, agent.Sim());
    request->timeout = 3000;
    request->GetAsync(Recorder(outcome), nullptr, true);
    request->GetAsync(Recorder(outcome), nullptr, true);
    EXPECT_EQ(request->pendingCount, 2);
    request.reset();
    EXPECT_EQ(outcome.results, 2);
    EXPECT_EQ(outcome.result.code, 0);
    EXPECT_EQ(snmpengine::OutstandingCount(), 0);
}

TEST(RequestFailure, DestructorGivesUpAndLateAnswersAreDropped) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.Sim().Control("delay 10000").ok);
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    snmptest::AllModes()[1].ApplyTo(*request, agent.Sim());
    request->timeout = 20000;
    request->GetAsync(Recorder(outcome), nullptr, true);
    request->GetAsync(Recorder(outcome), nullptr, true);
    request.reset();
    EXPECT_EQ(outcome.results, 0);
    EXPECT_EQ(snmpengine::OutstandingCount(), 2);
    // The answers arrive after the wait and reach no request.
    EXPECT_TRUE(snmptest::RunUntil([] { return snmpengine::OutstandingCount() == 0; }));
    EXPECT_EQ(outcome.results, 0);
}

// An answer that lacks bindings, or carries other types than the items
// expect, reads as "no value" rather than as made-up data.
TEST(RequestAnswer, ShortOrMistypedAnswersReadAsNoValue) {
    Outcome outcome;
    auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
    VkSNMPAsyncContext context;
    context.isRead = true;
    context.callback = Recorder(outcome);
    VkSnmpOutcome answer;
    answer.answered = true;
    VkSNMPVarBind text;
    ParseOid(ROOT ".1.1.0", text.oid);
    text.SetOctets(VkAsnType::octetString, "12");
    answer.bindings = {text};  // one binding of the wrong type; the second is missing
    request->vars.Item(0)->value = "3";
    request->vars.Item(1)->value = "old";
    request->pendingCount = 1;
    request->OnAsyncResponse(context, answer);
    ASSERT_EQ(outcome.results, 1);
    EXPECT_EQ(outcome.result.code, 0);
    EXPECT_EQ(request->vars.Item(0)->value, "(NULL)");
    EXPECT_EQ(request->vars.Item(1)->value, "");
    EXPECT_EQ(request->pendingCount, 0);

    auto table = NewRequest(kTwoRows, MVT_UMV, 1, outcome);
    answer.bindings.clear();  // a walk answer without bindings ends every column
    table->pendingCount = 1;
    context.walk = true;
    table->OnAsyncResponse(context, answer);
    EXPECT_TRUE(outcome.result.endOfTable);
    EXPECT_EQ(table->vars.Item(1)->value, "(NOTDONE)");
}

}  // namespace

// The engine's tally tells the exchanges an agent answered, also with an
// error status, from those nobody answered, synchronous and asynchronous.
TEST(EngineTally, TellsAnsweredFromUnansweredExchanges) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    SilentPort silent;
    struct Case {
        const char* name;
        bool toSilentPort;
        bool refusedWrite;  // the read community writes: answered with an error
        bool async;
    };
    const Case cases[] = {
        {"answered read", false, false, false},
        {"answered read, async", false, false, true},
        {"refused write", false, true, false},
        {"silent read", true, false, false},
        {"silent read, async", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Outcome outcome;
        auto request = NewRequest(kScalars, SVT_SV, 0, outcome);
        snmptest::AllModes()[1].ApplyTo(*request, agent.Sim());
        if (c.toSilentPort) {
            request->port = silent.Port();
            request->timeout = 20;
        }
        const snmpengine::ExchangeTally before = snmpengine::Tally();
        bool ok = true;
        if (c.refusedWrite) {
            request->writeCommunity = request->readCommunity;
            request->vars.Item(0)->value = "9";
            request->vars.Item(1)->access = VkSNMPAccess::invalid;
            request->SetSync(ok, false, "", nullptr);
        } else if (c.async) {
            request->GetAsync(Recorder(outcome), nullptr, true);
            ASSERT_TRUE(snmptest::RunUntil([&] { return outcome.results > 0; }));
        } else {
            request->GetSync(ok, true);
        }
        const snmpengine::ExchangeTally after = snmpengine::Tally();
        EXPECT_GE(after.requested - before.requested, 1u);
        EXPECT_EQ(after.answered - before.answered, c.toSilentPort ? 0u : after.requested - before.requested);
    }
}
