#include "pages/common/marked_write.h"

#include <cstdint>

#include "library/snmp/request_to_edits.h"
#include "pages/common/async_write.h"
#include "pages/common/group_writes.h"

void StartMarkedWrite(VkSNMPRequest2Edits& group, const std::vector<int>& rows) {
    VkSNMPVarList& vars = group.request.vars;
    std::vector<int32_t> access;
    for (int row = 0; row < vars.Count(); ++row) access.push_back(vars.Item(row)->access);
    MarkOnlyRowsForWrite(vars, rows);
    // The request has taken its values by the time StartWrite returns.
    struct Restore {
        VkSNMPVarList& vars;
        const std::vector<int32_t>& access;
        ~Restore() {
            for (int row = 0; row < vars.Count() && row < static_cast<int>(access.size()); ++row)
                vars.Item(row)->access = access[row];
        }
    } restore{vars, access};
    StartWrite(group, false);
}
