#pragma once
// The MAC access-control list of the simulated access point. The list has
// fixed rows (dot11MacAccessControlListMacAddress.1 to .256); a free row holds
// 000000000000. Writing an address into the add object puts it into the first
// free row, writing one into the delete object frees the row that holds it;
// both objects read 000000000000 again afterwards. An add of an address the
// list holds (in any row), of 000000000000 or into a full list, and a delete
// of an address it does not hold, are refused and change nothing.
//
// As a file (what putacl sends and getacl takes) the list is one address per
// line, twelve upper-case hexadecimal digits, in row order. A file that
// holds anything else (blank lines aside), a repeated address or more
// addresses than rows is not taken: the list stays as it was.

#include <string>
#include <vector>

#include "sim/entry_actions.h"
#include "sim/object_store.h"

namespace sim {

class MacAcl {
public:
    // Runs the add or delete the SET wrote, once all its values are stored;
    // `failed` receives the refused action object.
    ActionResult Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const;
    // The list as a file.
    std::string FileText(const ObjectStore& store) const;
    // Takes the file as the list; false when it is not taken.
    bool Adopt(ObjectStore& store, const std::string& text) const;

private:
    ActionResult Add(ObjectStore& store, const Value& mac) const;
    ActionResult Delete(ObjectStore& store, const Value& mac) const;
};

}  // namespace sim
