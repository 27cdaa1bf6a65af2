// vap7720-sim: the simulated VAP-7720 access point for tests, demos and
// benchmarks.

#include <csignal>
#include <cstdio>

#include "sim/options.h"
#include "sim/simulator.h"

namespace {

void OnStopSignal(int) { sim::RequestStop(); }

}  // namespace

int main(int argc, char** argv) {
    sim::Options options;
    options.objectFolder = VAP_SIM_OBJECT_FOLDER;
    std::string error;
    if (!sim::ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "vap7720-sim: %s\n%s", error.c_str(), sim::Usage().c_str());
        return 2;
    }
    if (options.help) {
        std::printf("%s", sim::Usage().c_str());
        return 0;
    }
    std::signal(SIGTERM, &OnStopSignal);
    std::signal(SIGINT, &OnStopSignal);
    std::signal(SIGPIPE, SIG_IGN);

    sim::Simulator simulator(options);
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "vap7720-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("vap7720-sim: answering on udp:%s\n", options.agent.listen.c_str());
    std::fflush(stdout);
    simulator.Run();
    return 0;
}
