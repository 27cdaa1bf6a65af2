#pragma once
// Loads object data into the store: definitions, table rows and fixture values
// (the line forms are described in sim/objects/README).

#include <string>
#include <vector>

#include "sim/object_store.h"

namespace sim {

// One line already split into tokens. Errors name what is wrong.
bool LoadObjectLine(const std::vector<std::string>& tokens, ObjectStore& store,
                    std::string& error);

// Every line of a file; errors are prefixed "path:line: ".
bool LoadObjectFile(const std::string& path, ObjectStore& store, std::string& error);

// Every *.txt file of a folder, in name order.
bool LoadObjectFolder(const std::string& folder, ObjectStore& store, std::string& error);

}  // namespace sim
