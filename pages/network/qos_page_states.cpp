#include "pages/network/qos_page_states.h"

#include <exception>

#include "library/common/messages.h"
#include "library/snmp/request.h"
#include "pages/network/qos_page_vars.h"
#include "platform/os/exception.h"

namespace {

// A request over one integer instance per rule, its values the states.
class StateRequest {
public:
    StateRequest(const std::vector<QosRuleState>& states, int32_t timeout) {
        std::vector<std::string> oids;
        for (const QosRuleState& state : states) oids.push_back(std::string(QosRuleStateColumn) + "." + state.index);
        std::vector<VkSNMPVarEntry> rows;
        for (const std::string& oid : oids)
            rows.push_back({oid.c_str(), "dot11QosRulesState", VkSNMPSyntax::integer, VkSNMPAccess::readwrite});
        rows.push_back({});
        request_.LoadGlobalSettings();
        request_.vars = VkSNMPVarList(rows.data(), MVT_SV, 0);
        for (size_t i = 0; i < states.size(); ++i)
            request_.vars.Item(static_cast<int>(i))->value = states[i].enabled ? "1" : "0";
        request_.timeout = timeout;
    }

    bool Read(std::string& error) {
        return Run(error, [this](bool& ok) { request_.GetSync(ok, true); });
    }
    bool Write(std::string& error) {
        return Run(error, [this](bool& ok) { request_.SetSync(ok, false, std::string(), nullptr); });
    }

private:
    template <class Exchange>
    bool Run(std::string& error, Exchange exchange) {
        bool ok = false;
        std::string raisedText;
        request_.ClearFailure();
        try {
            exchange(ok);
        } catch (const os::Exception& raised) {
            ok = false;
            raisedText = raised.Message();
        }
        // The first failure the request reported, else what it raised.
        error_ = request_.Failure().code != VK_OK ? request_.Failure().text : raisedText;
        if (ok && request_.missingCount > 0) {
            ok = false;
            error_ = MessageText(VK_ERR_NO_SUCH_NAME);
        }
        if (!ok) error = error_.empty() ? MessageText(-1) : error_;
        return ok;
    }

    VkSNMPRequest request_;
    std::string error_;
};

}  // namespace

bool ReadQosRuleStates(const std::vector<QosRuleState>& states, int32_t timeout, std::string& error) {
    return StateRequest(states, timeout).Read(error);
}

bool WriteQosRuleStates(const std::vector<QosRuleState>& states, int32_t timeout, std::string& error) {
    return StateRequest(states, timeout).Write(error);
}
