#include "sim/options.h"

#include <cstdlib>

#include "sim/hex.h"

namespace sim {

namespace {

// The engine ID when none is given: enterprise 32473, text format, "vap7720".
const char kDefaultEngineId[] = "\x80\x00\x7E\xD9\x04vap7720";
constexpr size_t kMinPasswordLength = 8;  // USM's minimum

std::vector<std::string> SplitColons(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos) return parts;
        start = colon + 1;
    }
}

bool IsAuth(const std::string& p) { return p == "MD5" || p == "SHA"; }

// NAME, NAME:MD5|SHA:AUTHPASS or NAME:MD5|SHA:AUTHPASS:DES:PRIVPASS.
bool ParseUser(const std::string& text, UsmUser& user, std::string& error) {
    std::vector<std::string> parts = SplitColons(text);
    bool shapeOk = (parts.size() == 1 || parts.size() == 3 || parts.size() == 5) && !parts[0].empty();
    if (shapeOk && parts.size() >= 3) shapeOk = IsAuth(parts[1]);
    if (shapeOk && parts.size() == 5) shapeOk = parts[3] == "DES";
    if (!shapeOk) {
        error = "--user NAME[:MD5|SHA:AUTHPASS[:DES:PRIVPASS]], not " + text;
        return false;
    }
    user = UsmUser{parts[0], {}, {}, {}, {}};
    if (parts.size() >= 3) {
        user.authProtocol = parts[1];
        user.authPassword = parts[2];
    }
    if (parts.size() == 5) {
        user.privProtocol = parts[3];
        user.privPassword = parts[4];
    }
    if ((parts.size() >= 3 && user.authPassword.size() < kMinPasswordLength) ||
        (parts.size() == 5 && user.privPassword.size() < kMinPasswordLength)) {
        error = "USM passwords need at least 8 characters: " + text;
        return false;
    }
    return true;
}

bool ParseMilliseconds(const std::string& text, int& value) {
    char* end = nullptr;
    long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 0 || n > 86400000) return false;
    value = static_cast<int>(n);
    return true;
}

bool ParsePort(const std::string& text, int& port) {
    return ParseMilliseconds(text, port) && port > 0 && port < 65536;
}

// One option with its value; false with an error for a bad value.
bool Apply(const std::string& name, const std::string& value, Options& o, std::string& error) {
    bool ok = true;
    if (name == "--listen") o.agent.listen = value;
    else if (name == "--ro-community") o.agent.readCommunities.push_back(value);
    else if (name == "--rw-community") o.agent.writeCommunities.push_back(value);
    else if (name == "--user") {
        UsmUser user;
        if (!ParseUser(value, user, error)) return false;
        o.agent.users.push_back(user);
    } else if (name == "--engine-id") ok = !value.empty() && ParseHex(value, o.agent.engineId);
    else if (name == "--objects") o.objectFolder = value;
    else if (name == "--fixture") o.fixtures.push_back(value);
    else if (name == "--control") o.controlPath = value;
    else if (name == "--state-dir") o.stateFolder = value;
    else if (name == "--restart-time") ok = ParseMilliseconds(value, o.restartMs);
    else if (name == "--apply-down-time") ok = ParseMilliseconds(value, o.applyDownMs);
    else if (name == "--tftp-port") ok = ParsePort(value, o.tftpPort);
    else if (name == "--tftp-timeout") ok = ParseMilliseconds(value, o.tftpConnectTimeoutMs);
    else if (name == "--scan-delay") ok = ParseMilliseconds(value, o.scanDelayMs);
    else {
        error = "unknown option " + name;
        return false;
    }
    if (!ok) error = "bad value for " + name + ": " + value;
    return ok;
}

}  // namespace

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    options.agent.engineId.assign(kDefaultEngineId, sizeof kDefaultEngineId - 1);
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--mask-secrets") {  // the one option without a value
            options.maskSecrets = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return false;
        }
        if (!Apply(name, argv[++i], options, error)) return false;
    }
    if (options.agent.readCommunities.empty()) options.agent.readCommunities.push_back("public");
    if (options.agent.writeCommunities.empty()) options.agent.writeCommunities.push_back("private");
    return true;
}

std::string Usage() {
    return "usage: vap7720-sim [options]\n"
           "  --listen ADDR:PORT       UDP address to answer on (127.0.0.1:16100)\n"
           "  --ro-community NAME      read community, repeatable (public)\n"
           "  --rw-community NAME      write community, repeatable (private)\n"
           "  --user NAME[:MD5|SHA:AUTHPASS[:DES:PRIVPASS]]\n"
           "                           SNMPv3 user with read-write access, repeatable\n"
           "  --engine-id HEX          SNMPv3 engine ID\n"
           "  --objects DIR            object data folder (the built-in one)\n"
           "  --fixture FILE           object lines loaded after it, repeatable\n"
           "  --control PATH           Unix socket of the test control channel\n"
           "  --state-dir DIR          private working folder (a temporary one)\n"
           "  --restart-time MS        how long a restart keeps the device silent (8000)\n"
           "  --apply-down-time MS     how long applying the settings keeps it silent (0)\n"
           "  --tftp-port N            port of the TFTP servers the device contacts (69)\n"
           "  --tftp-timeout MS        TFTP connect time-out (5000)\n"
           "  --scan-delay MS          how long a site survey or clone scan takes before\n"
           "                           its SET is answered (0)\n"
           "  --mask-secrets           reads of the pass-phrase, WEP keys and RADIUS and\n"
           "                           accounting secrets answer asterisks\n"
           "Intervals are multiplied by VAP_TIME_SCALE.\n";
}

}  // namespace sim
