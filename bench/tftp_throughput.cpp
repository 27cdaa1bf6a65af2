// Reads a 16 MiB file with the tftp-hpa client from this project's TFTP
// server and from tftpd-hpa's in.tftpd (both on loopback, each with its own
// copy of the folder), alternating between them, and prints the median time
// of each and the ratio ours/theirs.
//
//   tftp_throughput [rounds]      (default 7; needs root for in.tftpd's chroot)

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "bench/bench_rounds.h"
#include "library/tftp/tftp_server.h"
#include "platform/os/process_runner.h"
#include "platform/os/udp_socket.h"
#include "platform/ui/application.h"

extern char** environ;

namespace {

constexpr size_t kFileSize = 16u << 20;
constexpr char kFileName[] = "big.bin";
constexpr int kClientTimeoutMs = 300000;

std::string MakeFolder() {
    char pattern[] = "/tmp/tftp-bench-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) return std::string();
    ::chmod(pattern, 0755);  // in.tftpd reads as the user nobody
    return pattern;
}

void WriteServedFile(const std::string& path) {
    std::string bytes(kFileSize, '\0');
    unsigned value = 1;
    for (char& byte : bytes) {
        value = value * 1103515245u + 12345u;
        byte = static_cast<char>(value >> 16);
    }
    std::ofstream(path, std::ios::binary) << bytes;
    ::chmod(path.c_str(), 0644);
}

pid_t StartPeerServer(const std::string& folder, uint16_t port) {
    std::vector<std::string> words = {"in.tftpd", "-L", "-u", "nobody", "-a",
                                      "127.0.0.1:" + std::to_string(port), "-s", folder};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, "in.tftpd", nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

void StopPeerServer(pid_t pid) {
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

// Seconds the tftp-hpa client takes to read the file from port into local,
// with the message loop serving meanwhile; negative when the copy is wrong.
double TimedRead(ui::Application& app, uint16_t port, const std::string& local) {
    std::vector<std::string> arguments = {"-m", "octet", "127.0.0.1", std::to_string(port),
                                          "-c", "get", kFileName, local};
    auto begin = std::chrono::steady_clock::now();
    auto running = std::async(std::launch::async, [&] {
        return os::RunProcess("tftp", arguments, kClientTimeoutMs);
    });
    while (running.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        app.WaitForMessages(50);
    }
    os::ProcessResult result = running.get();
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    double seconds = elapsed.count();
    std::error_code error;
    bool complete = result.outcome == os::ProcessResult::Outcome::Exited &&
                    std::filesystem::file_size(local, error) == kFileSize;
    std::filesystem::remove(local, error);
    return complete ? seconds : -1.0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = RoundsOrExit(argc, argv,
                                    "; needs root)\n"
                     "Reads a 16 MiB file with the tftp-hpa client from the module's TFTP server and from\n"
                     "tftpd-hpa's in.tftpd, and prints the median time of each and their ratio.\n");
    if (::geteuid() != 0) {
        std::fprintf(stderr, "in.tftpd needs root (chroot and switching to nobody)\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int appArgc = 1;
    ui::Application app(appArgc, argv);

    std::string ours = MakeFolder();
    std::string theirs = MakeFolder();
    std::string work = MakeFolder();
    WriteServedFile(ours + "/" + kFileName);
    WriteServedFile(theirs + "/" + kFileName);

    VkTFTPServer server;
    server.Start(ours, 0);
    uint16_t ourPort = server.ListeningPort();
    uint16_t theirPort = os::FreeUdpPort();
    pid_t peer = StartPeerServer(theirs, theirPort);
    if (peer < 0) {
        std::fprintf(stderr, "cannot start in.tftpd\n");
        return 2;
    }
    ::usleep(300000);  // lets in.tftpd bind its port

    std::vector<double> ourTimes, theirTimes;
    bool failed = false;
    for (int round = 0; round < rounds && !failed; ++round) {
        // Alternate which server goes first, so that neither always runs warm.
        for (int turn = 0; turn < 2; ++turn) {
            bool oursNow = (round + turn) % 2 == 0;
            double seconds = TimedRead(app, oursNow ? ourPort : theirPort, work + "/copy.bin");
            if (seconds < 0) {
                std::fprintf(stderr, "%s server: incomplete copy\n", oursNow ? "our" : "in.tftpd");
                failed = true;
                break;
            }
            (oursNow ? ourTimes : theirTimes).push_back(seconds);
        }
    }
    server.Stop();
    StopPeerServer(peer);
    for (const std::string& folder : {ours, theirs, work}) std::filesystem::remove_all(folder);
    if (failed) return 1;

    double ourMedian = Median(ourTimes);
    double theirMedian = Median(theirTimes);
    std::printf("16 MiB read with tftp-hpa, %d rounds\n", rounds);
    std::printf("VkTFTPServer  median %.3f s  (%.1f MiB/s)\n", ourMedian, 16 / ourMedian);
    std::printf("in.tftpd      median %.3f s  (%.1f MiB/s)\n", theirMedian, 16 / theirMedian);
    std::printf("ratio ours/theirs %.2f\n", ourMedian / theirMedian);
    return 0;
}
