#include "shell/network_address.h"

#include <utility>

#include "shell/dotted_quad.h"

namespace {

// Gives the parts of one text in turn, as NetworkAddress reads them.
class PartReader {
public:
    explicit PartReader(std::string text) : rest_(std::move(text)) {}

    int Next() {
        std::size_t dot = rest_.find('.');
        if (dot == std::string::npos) return Octet(rest_);
        std::string part = rest_.substr(0, dot);
        rest_.erase(0, dot + 1);
        return Octet(part);
    }

private:
    static int Octet(const std::string& part) {
        std::size_t digits = part.find_first_not_of(' ');
        if (digits == std::string::npos) return 0;
        return DecimalOrDefault(part.substr(digits), 0) % 256;
    }

    std::string rest_;
};

}  // namespace

std::string NetworkAddress(const std::string& address, const std::string& mask) {
    PartReader addressParts(address);
    PartReader maskParts(mask);
    std::string result;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) result += '.';
        result += std::to_string(addressParts.Next() & maskParts.Next());
    }
    return result;
}
