#include "sim/object_file.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>

#include "sim/line_tokens.h"

namespace sim {

namespace {

bool Fail(std::string& error, const std::string& text) {
    error = text;
    return false;
}

bool ParseLong(const std::string& text, long& number) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        number = std::stol(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

// "a" or "a..b".
bool ParseRange(const std::string& text, Range& range) {
    size_t dots = text.find("..");
    if (dots == std::string::npos) {
        if (!ParseLong(text, range.low)) return false;
        range.high = range.low;
        return true;
    }
    return ParseLong(text.substr(0, dots), range.low) &&
           ParseLong(text.substr(dots + 2), range.high) && range.low <= range.high;
}

// "-" or a comma list of ranges.
bool ParseAllowed(const std::string& text, std::vector<Range>& allowed) {
    allowed.clear();
    if (text == "-") return true;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        Range range{};
        if (!ParseRange(text.substr(start, comma - start), range)) return false;
        allowed.push_back(range);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool ParseAccess(const std::string& text, Access& access) {
    if (text == "ro") access = Access::ReadOnly;
    else if (text == "rw") access = Access::ReadWrite;
    else return false;
    return true;
}

// The most rows one table column line may give: far more than any table of
// the device holds, few enough to build at once.
constexpr long kMostRows = 4096;
constexpr long kLargestArc = 4294967295L;

// Splits "prefix.[a-b]" into the prefix text and its rows; a plain OID has one
// "row" with no arc to add. On failure problem says what is wrong.
bool ParseRows(const std::string& text, std::string& prefix, std::vector<long>& rows,
               bool& isTable, std::string& problem) {
    isTable = text.size() > 2 && text.back() == ']';
    if (!isTable) {
        prefix = text;
        rows = {0};
        return true;
    }
    size_t open = text.rfind(".[");
    size_t dash = text.find('-', open);
    long first = 0, last = 0;
    if (open == std::string::npos || dash == std::string::npos ||
        !ParseLong(text.substr(open + 2, dash - open - 2), first) ||
        !ParseLong(text.substr(dash + 1, text.size() - dash - 2), last) || first < 0 ||
        first > last)
        return Fail(problem, "bad OID " + text);
    std::string range = text.substr(open + 1);
    if (last > kLargestArc)
        return Fail(problem, "row range " + range + " goes past the largest arc " +
                                 std::to_string(kLargestArc));
    if (last - first >= kMostRows)
        return Fail(problem, "row range " + range + " gives more than " +
                                 std::to_string(kMostRows) + " rows");
    prefix = text.substr(0, open);
    rows.clear();
    for (long row = first; row <= last; ++row) rows.push_back(row);
    return true;
}

bool LoadDefinition(const std::vector<std::string>& tokens, ObjectStore& store,
                    std::string& error) {
    ObjectDef def;
    def.name = tokens[0];
    std::string prefix;
    std::vector<long> rows;
    bool isTable = false;
    if (!ParseRows(tokens[1], prefix, rows, isTable, error)) return false;
    if (!ParseOid(prefix, def.oid)) return Fail(error, "bad OID " + tokens[1]);
    if (!ParseSyntax(tokens[2], def.syntax)) return Fail(error, "bad syntax " + tokens[2]);
    if (!ParseAccess(tokens[3], def.access)) return Fail(error, "bad access " + tokens[3]);
    if (!ParseAllowed(tokens[4], def.allowed))
        return Fail(error, "bad allowed values " + tokens[4]);
    if (!ParseValue(def.syntax, tokens[5], def.initial))
        return Fail(error, "bad value " + tokens[5] + " for " + def.name);
    const Oid column = def.oid;
    for (long row : rows) {
        def.oid = column;
        if (isTable) def.oid.push_back(static_cast<uint32_t>(row));
        if (!store.Define(def)) return Fail(error, "OID defined twice: " + FormatOid(def.oid));
    }
    return true;
}

bool LoadValue(const std::vector<std::string>& tokens, ObjectStore& store, std::string& error) {
    Oid oid;
    if (!ParseOid(tokens[0], oid)) return Fail(error, "bad OID " + tokens[0]);
    ObjectStore::Entry* entry = store.Find(oid);
    if (entry == nullptr) return Fail(error, "no such object " + tokens[0]);
    Value value;
    if (!ParseValue(entry->def.syntax, tokens[1], value))
        return Fail(error, "bad value " + tokens[1] + " for " + tokens[0]);
    entry->def.initial = value;
    entry->value = value;
    return true;
}

// The objects a fixture line names: one OID, or a column's rows "prefix.[a-b]".
bool ObjectsOf(const std::string& text, std::vector<Oid>& oids, std::string& error) {
    std::string prefix;
    std::vector<long> rows;
    bool isTable = false;
    Oid column;
    if (!ParseRows(text, prefix, rows, isTable, error)) return false;
    if (!ParseOid(prefix, column)) return Fail(error, "bad OID " + text);
    oids.clear();
    for (long row : rows) {
        oids.push_back(column);
        if (isTable) oids.back().push_back(static_cast<uint32_t>(row));
    }
    return true;
}

// "remove <oid>": the device lacks the objects (a table's cells left out).
bool LoadRemoval(const std::vector<std::string>& tokens, ObjectStore& store, std::string& error) {
    std::vector<Oid> oids;
    if (!ObjectsOf(tokens[1], oids, error)) return false;
    for (const Oid& oid : oids)
        if (!store.Remove(oid)) return Fail(error, "no such object " + FormatOid(oid));
    return true;
}

// "retype <oid> <syntax> <value>": the device answers the objects with
// another type than their own, and takes any value of that type.
bool LoadRetype(const std::vector<std::string>& tokens, ObjectStore& store, std::string& error) {
    std::vector<Oid> oids;
    Syntax syntax;
    Value value;
    if (!ObjectsOf(tokens[1], oids, error)) return false;
    if (!ParseSyntax(tokens[2], syntax)) return Fail(error, "bad syntax " + tokens[2]);
    if (!ParseValue(syntax, tokens[3], value)) return Fail(error, "bad value " + tokens[3]);
    for (const Oid& oid : oids) {
        ObjectStore::Entry* entry = store.Find(oid);
        if (entry == nullptr) return Fail(error, "no such object " + FormatOid(oid));
        entry->def.syntax = syntax;
        entry->def.allowed.clear();
        entry->def.initial = value;
        entry->value = value;
    }
    return true;
}

std::vector<std::string> TextFilesOf(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* item = readdir(dir)) {
            std::string name = item->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0)
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

bool LoadObjectLine(const std::vector<std::string>& tokens, ObjectStore& store,
                    std::string& error) {
    if (tokens.empty()) return true;
    if (tokens[0] == "remove" && tokens.size() == 2) return LoadRemoval(tokens, store, error);
    if (tokens[0] == "retype" && tokens.size() == 4) return LoadRetype(tokens, store, error);
    if (tokens.size() == 6) return LoadDefinition(tokens, store, error);
    if (tokens.size() == 2) return LoadValue(tokens, store, error);
    return Fail(error, "expected 6 tokens (a definition) or 2 (a value), found " +
                           std::to_string(tokens.size()));
}

bool LoadObjectFile(const std::string& path, ObjectStore& store, std::string& error) {
    std::ifstream file(path);
    if (!file) return Fail(error, path + ": cannot be read");
    std::string line;
    std::vector<std::string> tokens;
    for (int number = 1; std::getline(file, line); ++number) {
        std::string problem;
        bool loaded = SplitTokens(line, tokens) ? LoadObjectLine(tokens, store, problem)
                                                : Fail(problem, "unterminated quote or bad escape");
        if (!loaded) return Fail(error, path + ":" + std::to_string(number) + ": " + problem);
    }
    return true;
}

bool LoadObjectFolder(const std::string& folder, ObjectStore& store, std::string& error) {
    std::vector<std::string> names = TextFilesOf(folder);
    if (names.empty()) return Fail(error, folder + ": no object files (*.txt)");
    for (const std::string& name : names)
        if (!LoadObjectFile(folder + "/" + name, store, error)) return false;
    return true;
}

}  // namespace sim
