#pragma once
// Object data a device may answer with that the module's tables do not
// expect, made from the simulator's own object data: every number outside
// the option lists, switches neither on nor off, numbers and texts of the
// other type, a table's cells left out, columns that hold different rows,
// texts longer than any edit takes. Each is a fixture file's lines
// (sim/objects/README).

#include <ostream>
#include <string>
#include <vector>

namespace hostile {

struct Fixture {
    std::string name;
    std::string lines;
    bool numbersOutsideLists = false;  // every number is one no option list or switch has
};

// How test output names a fixture.
inline void PrintTo(const Fixture& fixture, std::ostream* out) { *out << fixture.name; }

// Every hostile fixture, made from the *.txt files of the object folder.
std::vector<Fixture> MakeFixtures(const std::string& objectFolder);

}  // namespace hostile
