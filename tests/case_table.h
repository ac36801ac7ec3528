// Case tables: the inputs and expected results of a test area as rows of a text file under
// tests/data/cases/, so that a new case is a new row, not new code.
//
//   # a comment
//   GetField | "Pen5, 255, 0" | 2 | , | " 255"
//
// Fields are split at '|' and trimmed; double quotes keep blanks at the ends. Escapes:
// \n \r \t \0 \\ \| \" , \xHH for one byte and \uHHHH or \UHHHHHHHH for a character in UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/colour.h"
#include "shared/text_encoding.h"

struct CaseRow {
    std::string where; // "file:line", for failure messages and test names
    std::vector<std::string> fields;

    const std::string& operator[](std::size_t i) const { return fields.at(i); }
    int Int(std::size_t i) const { return std::stoi(fields.at(i), nullptr, 0); }
    unsigned int Hex(std::size_t i) const {
        return static_cast<unsigned int>(std::stoul(fields.at(i), nullptr, 16));
    }
    // Blank-separated numbers, such as "255 0 12".
    std::vector<int> Ints(std::size_t i) const {
        std::vector<int> values;
        std::istringstream numbers(fields.at(i));
        for (int value = 0; numbers >> value;) {
            values.push_back(value);
        }
        return values;
    }
    // A colour written as "red green blue".
    COLORREF Colour(std::size_t i) const {
        const std::vector<int> rgb = Ints(i);
        return MakeColour(rgb.at(0), rgb.at(1), rgb.at(2));
    }
    std::size_t size() const { return fields.size(); }
};

inline void PrintTo(const CaseRow& row, std::ostream* out) {
    *out << row.where;
}

namespace case_table_detail {

inline std::string Field(std::string raw) {
    raw.erase(0, raw.find_first_not_of(" \t"));
    raw.erase(raw.find_last_not_of(" \t") + 1);
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        raw = raw.substr(1, raw.size() - 2);
    }
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char c = raw[++i];
        const std::size_t digits = c == 'x' ? 2 : c == 'u' ? 4 : c == 'U' ? 8 : 0;
        const unsigned long code = digits ? std::stoul(raw.substr(i + 1, digits), nullptr, 16) : 0;
        i += digits;
        if (const std::size_t k = std::string("nrt0").find(c); k != std::string::npos) {
            out += "\n\r\t"[k]; // the fourth is the terminating NUL
        } else if (c == 'x') {
            out += static_cast<char>(code);
        } else if (digits != 0) {
            CString wide(1, static_cast<wchar_t>(code));
            if (sizeof(wchar_t) == 2 && code > 0xFFFF) { // two UTF-16 units on Windows
                wide = {static_cast<wchar_t>(0xD7C0 + (code >> 10)),
                        static_cast<wchar_t>(0xDC00 + (code & 0x3FF))};
            }
            out += ToUtf8(wide);
        } else {
            out += c; // \\ \| \"
        }
    }
    return out;
}

} // namespace case_table_detail

// The rows of tests/data/cases/name.
inline std::vector<CaseRow> ReadCaseTable(const std::string& name) {
    std::ifstream file(TINTORA_TEST_DATA_DIR "/cases/" + name);
    if (!file) {
        throw std::runtime_error("no case table " + name);
    }
    std::vector<CaseRow> rows;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
            continue;
        }
        CaseRow row{name + ":" + std::to_string(number), {}};
        std::string raw;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i == line.size() || line[i] == '|') {
                row.fields.push_back(case_table_detail::Field(raw));
                raw.clear();
            } else {
                raw += line[i];
                if (line[i] == '\\' && i + 1 < line.size()) {
                    raw += line[++i];
                }
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// Names parameterised tests after the line of their row: "L12".
inline std::string CaseName(const testing::TestParamInfo<CaseRow>& info) {
    return "L" + info.param.where.substr(info.param.where.rfind(':') + 1);
}
