#include "tests/pages/wireless/wireless_test_pdus.h"

#include <map>

#include "sim/object_store.h"
#include "sim/oid.h"
#include "tests/shell/served_tables.h"

namespace wirelesstest {

namespace {

const std::map<std::string, std::string>& NamesByOid() {
    static const std::map<std::string, std::string> names = [] {
        sim::ObjectStore store;
        served::LoadSimObjects(store);
        std::map<std::string, std::string> byOid;
        for (const auto& [oid, entry] : store.Entries()) byOid[sim::FormatOid(oid)] = entry.def.name;
        return byOid;
    }();
    return names;
}

}  // namespace

std::string Named(const std::string& pdu) {
    const std::string root = "1.3.6.1.";
    std::string text;
    size_t at = pdu.find(root);
    while (at != std::string::npos) {
        const size_t next = pdu.find(" " + root, at + 1);
        const std::string varbind = pdu.substr(at, next == std::string::npos ? std::string::npos : next - at);
        const size_t equals = varbind.find('=');
        const std::string oid = varbind.substr(0, equals);
        const auto name = NamesByOid().find(oid);
        std::string value = equals == std::string::npos ? std::string() : varbind.substr(equals + 1);
        value = value.substr(value.find(':') + 1);
        text += (text.empty() ? "" : " ") + (name == NamesByOid().end() ? oid : name->second) + "=" + value;
        at = next == std::string::npos ? next : next + 1;
    }
    return text;
}

std::vector<std::string> Named(const std::vector<std::string>& pdus) {
    std::vector<std::string> named;
    for (const std::string& pdu : pdus) named.push_back(Named(pdu));
    return named;
}

}  // namespace wirelesstest
