#include "tests/pages/hostile/hostile_fixtures.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "sim/line_tokens.h"

namespace hostile {

namespace {

// One object definition of the object data: a scalar or a column's rows.
struct Definition {
    std::string oid;     // without the rows
    std::string syntax;  // integer, string, mac, ...
    long first = 0;      // the rows of a column; none for a scalar
    long last = -1;
    bool IsColumn() const { return last >= first; }
    std::string Row(long row) const { return oid + "." + std::to_string(row); }
    std::string Rows(long from, long to) const {
        return oid + ".[" + std::to_string(from) + "-" + std::to_string(to) + "]";
    }
    long ColumnArc() const { return std::stol(oid.substr(oid.rfind('.') + 1)); }
};

std::vector<Definition> ReadDefinitions(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::vector<Definition> definitions;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::vector<std::string> tokens;
        for (std::string line; std::getline(in, line);) {
            if (!sim::SplitTokens(line, tokens) || tokens.size() != 6) continue;
            Definition definition;
            definition.syntax = tokens[2];
            const std::string& oid = tokens[1];
            const size_t open = oid.rfind(".[");
            if (open == std::string::npos) {
                definition.oid = oid;
            } else {
                definition.oid = oid.substr(0, open);
                const size_t dash = oid.find('-', open);
                definition.first = std::stol(oid.substr(open + 2, dash - open - 2));
                definition.last = std::stol(oid.substr(dash + 1));
            }
            definitions.push_back(definition);
        }
    }
    return definitions;
}

// A value line for every object (every row of a column) of the syntax.
std::string ValueLines(const std::vector<Definition>& definitions, const std::string& syntax,
                       const std::string& value) {
    std::string lines;
    for (const Definition& d : definitions) {
        if (d.syntax != syntax) continue;
        if (!d.IsColumn()) lines += d.oid + " " + value + "\n";
        for (long row = d.first; row <= d.last; ++row) lines += d.Row(row) + " " + value + "\n";
    }
    return lines;
}

std::string RetypeLines(const std::vector<Definition>& definitions, const std::string& syntax,
                        const std::string& newSyntax, const std::string& value) {
    std::string lines;
    for (const Definition& d : definitions) {
        if (d.syntax != syntax) continue;
        lines += "retype " + (d.IsColumn() ? d.Rows(d.first, d.last) : d.oid) + " " + newSyntax + " " + value + "\n";
    }
    return lines;
}

// Removes rows of every column of more than one row: `pick` gives the rows
// (first, last) a column loses, or first > last for none.
std::string RemovalLines(const std::vector<Definition>& definitions,
                         const std::function<std::pair<long, long>(const Definition&)>& pick) {
    std::string lines;
    for (const Definition& d : definitions) {
        if (!d.IsColumn() || d.last == d.first) continue;
        const std::pair<long, long> rows = pick(d);
        if (rows.first <= rows.second) lines += "remove " + d.Rows(rows.first, rows.second) + "\n";
    }
    return lines;
}

}  // namespace

std::vector<Fixture> MakeFixtures(const std::string& objectFolder) {
    const std::vector<Definition> all = ReadDefinitions(objectFolder);
    const auto firstRow = [](const Definition& d) { return std::make_pair(d.first, d.first); };
    // Columns of one table hold different rows: one lacks its first row,
    // the next its last, the third none.
    const auto sparse = [](const Definition& d) {
        switch (d.ColumnArc() % 3) {
        case 0: return std::make_pair(d.first, d.first);
        case 1: return std::make_pair(d.last, d.last);
        default: return std::make_pair(1L, 0L);
        }
    };
    return {
        {"numbers outside every option list", ValueLines(all, "integer", "99"), true},
        {"negative numbers", ValueLines(all, "integer", "-1"), true},
        {"switches neither on nor off", ValueLines(all, "integer", "2147483647"), true},
        {"texts where numbers belong", RetypeLines(all, "integer", "string", "\"1\"")},
        {"numbers where texts belong", RetypeLines(all, "string", "integer", "1")},
        {"texts where addresses belong", RetypeLines(all, "ipaddress", "string", "\"1\"")},
        {"cells left out", RemovalLines(all, firstRow)},
        {"sparse tables", RemovalLines(all, sparse)},
        {"over-long texts", ValueLines(all, "string", "\"" + std::string(120, 'x') + "\"")},
    };
}

}  // namespace hostile
