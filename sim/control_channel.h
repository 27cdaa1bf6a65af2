#pragma once
// The test control channel's transport: a Unix stream socket taking one-line
// commands from any number of clients. Each command's reply is written back
// to the client that sent it.

#include <functional>
#include <string>
#include <sys/select.h>
#include <vector>

namespace sim {

class ControlChannel {
public:
    // Takes one command line (without its newline) and returns the reply text.
    using Handler = std::function<std::string(const std::string& line)>;

    ControlChannel() = default;
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;
    ~ControlChannel();  // closes every socket and removes the socket file

    bool Open(const std::string& path, std::string& error);

    // Adds the channel's sockets to a select() set; `count` is one more than
    // the highest descriptor, as select() takes it.
    void AddTo(fd_set& fds, int& count) const;

    // Accepts clients and runs the complete lines that have arrived.
    void Process(const fd_set& fds, const Handler& handler);

private:
    struct Client {
        int fd;
        std::string pending;
    };

    void Accept();
    // False when the client has gone.
    bool Serve(Client& client, const Handler& handler);

    int listener_ = -1;
    std::string path_;
    std::vector<Client> clients_;
};

}  // namespace sim
