#include "platform/ui/socket_notifier.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

// A bound UDP socket on the loopback and a sender to it.
class uiSocketNotifier : public uitest::UiTest {
public:
    uiSocketNotifier() {
        receiver_ = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sender_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(receiver_, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(receiver_, reinterpret_cast<sockaddr*>(&address), &length);
        address_ = address;
    }
    ~uiSocketNotifier() override {
        close(receiver_);
        close(sender_);
    }
    void Send(const char* text) {
        sendto(sender_, text, strlen(text), 0, reinterpret_cast<const sockaddr*>(&address_), sizeof address_);
    }
    std::string Receive() {
        char buffer[512];
        ssize_t n = recv(receiver_, buffer, sizeof buffer, 0);
        return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n));
    }

    int receiver_;
    int sender_;
    sockaddr_in address_;
};

TEST_F(uiSocketNotifier, EveryDatagramReachesTheHandlerFromTheMessageLoop) {
    ui::SocketNotifier notifier(nullptr, receiver_);
    std::vector<std::string> received;
    notifier.OnReadable = [&](ui::Component* sender) {
        EXPECT_EQ(sender, &notifier);
        received.push_back(Receive());
    };
    Send("RRQ");
    Send("ACK");
    ASSERT_TRUE(RunUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received, (std::vector<std::string>{"RRQ", "ACK"}));
}

// Disabled, it reports nothing; enabled again, the waiting datagram comes.
TEST_F(uiSocketNotifier, ADisabledNotifierWaitsUntilEnabledAgain) {
    ui::SocketNotifier notifier(nullptr, receiver_);
    int calls = 0;
    notifier.OnReadable = [&](ui::Component*) {
        ++calls;
        Receive();
    };
    notifier.SetEnabled(false);
    Send("DATA");
    RunFor(50);
    EXPECT_EQ(calls, 0);
    notifier.SetEnabled(true);
    EXPECT_TRUE(RunUntil([&] { return calls == 1; }));
}

TEST_F(uiSocketNotifier, AnExceptionInTheHandlerIsShownAndLaterDatagramsStillCome) {
    ui::Form page(nullptr);
    auto* notifier = new ui::SocketNotifier(&page, receiver_);
    int calls = 0;
    notifier->OnReadable = [&](ui::Component*) {
        Receive();
        if (++calls == 1) throw std::runtime_error("bad packet");
    };
    Dialogs().ExpectBox("UiTest", "bad packet", ui::Answer::Ok);
    Send("one");
    ASSERT_TRUE(RunUntil([&] { return calls == 1; }));
    Send("two");
    EXPECT_TRUE(RunUntil([&] { return calls == 2; }));
}

}  // namespace
