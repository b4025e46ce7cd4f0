#pragma once
// The rows of a test table under tests/data, read by the native tests here
// and by the WebAssembly module's tests in node (tests/wasm/tables.js), so
// that both builds answer the same rows.
//
// A table is text, tab-separated: lines starting with '#' are remarks, the
// first other line names the columns, every further line is one row.
// Within a field \t, \n, \r and \\ stand for a tab, a line feed, a carriage
// return and a backslash. A number that ends in "f" is taken in single
// precision; true and false are flags.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tables {

class Row {
public:
    std::string where; // "file.tsv:line", for the failure's message
    std::map<std::string, std::string> fields;

    const std::string& text(const std::string& column) const
    {
        const auto it = fields.find(column);
        if (it == fields.end()) {
            std::cerr << where << ": no column " << column << '\n';
            std::abort();
        }
        return it->second;
    }
    double number(const std::string& column) const
    {
        const std::string& t = text(column);
        char* end = nullptr;
        const double v = std::strtod(t.c_str(), &end);
        if (*end == 'f')
            return static_cast<double>(static_cast<float>(v));
        return v;
    }
    int integer(const std::string& column) const { return static_cast<int>(number(column)); }
    bool flag(const std::string& column) const { return text(column) == "true"; }
};

inline void PrintTo(const Row& row, std::ostream* os) { *os << row.where; }

inline std::string unescaped(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out.push_back(field[i]);
            continue;
        }
        const char c = field[++i];
        out.push_back(c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c);
    }
    return out;
}

inline std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        parts.push_back(unescaped(line.substr(from, tab - from)));
        if (tab == std::string::npos)
            return parts;
        from = tab + 1;
    }
}

// Every row of tests/data/`name`. A missing or empty table stops the test
// program: a table that reads as no rows would pass without testing anything.
inline std::vector<Row> read(const std::string& name)
{
    std::ifstream in(std::string(KORA_TEST_DATA) + "/" + name, std::ios::binary);
    std::vector<std::string> columns;
    std::vector<Row> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.starts_with('#'))
            continue;
        if (columns.empty()) {
            columns = split(line);
            continue;
        }
        const std::vector<std::string> values = split(line);
        if (values.size() != columns.size()) {
            std::cerr << name << ':' << number << ": " << values.size() << " fields for " << columns.size()
                      << " columns\n";
            std::abort();
        }
        Row row{name + ":" + std::to_string(number), {}};
        for (std::size_t i = 0; i < columns.size(); ++i)
            row.fields[columns[i]] = values[i];
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        std::cerr << name << ": no rows\n";
        std::abort();
    }
    return rows;
}

// A row's test name: its line in the table.
inline std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return "line" + info.param.where.substr(info.param.where.find(':') + 1);
}

} // namespace tables
