#include "shell/address_listing.h"

#include <algorithm>
#include <sstream>

#include "library/common/text.h"

namespace {

constexpr std::size_t kLongestAddress = 15;  // "255.255.255.255"

// The word after "inet" up to its '/', or "" when the line has none.
std::string AddressOfLine(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word == "inet" && words >> word) return word.substr(0, word.find('/'));
    }
    return "";
}

}  // namespace

bool ListContains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

void AddListedAddresses(const std::string& listing, std::vector<std::string>& addresses) {
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        std::string address = Trim(AddressOfLine(line));
        if (!address.empty() && address.size() <= kLongestAddress &&
            !ListContains(addresses, address))
            addresses.push_back(address);
    }
}
