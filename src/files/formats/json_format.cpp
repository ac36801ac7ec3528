// The JSON writer, and a reader that walks the text once and fills palettes as it goes,
// without building a document tree (a file of many palettes would need gigabytes).
#include "files/formats/json_format.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "shared/text_encoding.h"

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
                out += escaped.data();
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

namespace {

void AppendColours(std::string& out, const std::array<COLORREF, kPenCount>& colours) {
    out += '[';
    for (int pen = 0; pen < kPenCount; ++pen) {
        out += pen == 0 ? "\"" : ",\"";
        out += ColourHex(colours[pen]);
        out += '"';
    }
    out += ']';
}

void AppendPalette(std::string& out, const PaletteEntry& palette) {
    out += "{\"name\":";
    AppendJsonString(out, ToUtf8(palette.m_Name));
    out += ",\"description\":";
    AppendJsonString(out, ToUtf8(palette.m_Description));
    out += ",\"light\":";
    AppendColours(out, palette.m_Colours[kLightBackground]);
    out += ",\"dark\":";
    AppendColours(out, palette.m_Colours[kDarkBackground]);
    out += '}';
}

// Nesting deeper than this in a skipped value is refused rather than followed.
constexpr std::size_t kMaxDepth = 512;

class JsonPaletteReader {
public:
    explicit JsonPaletteReader(std::string_view text) : m_text(text) {}
    FormatReadResult Read();

private:
    bool ReadDocument();
    bool ReadPalettes();
    bool ReadPalette(std::size_t index);
    bool ReadText(const std::string& place, CString& text);
    bool ReadColours(const std::string& place, std::array<COLORREF, kPenCount>& colours);

    // Lexical steps; each returns false after setting the error.
    bool ReadString(std::string& utf8);
    bool ReadHexQuad(unsigned& value);
    bool SkipValue();
    bool SkipScalar();
    bool Expect(char c, const char* what);
    // True when the next character is c, which is then taken.
    bool Take(char c);
    // After an element of an array or object: true while another one follows.
    bool More(char close, bool& failed);
    // A list: "[", then readItem(0), readItem(1) ... between commas, then "]".
    template <typename ReadItem>
    bool ReadList(const char* what, ReadItem readItem);
    void SkipBlanks();
    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    bool Fail(const std::string& message);
    bool FailAt(const std::string& place, const std::string& message);

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_scratch; // a colour's text, reused for each
    FormatReadResult m_result;
};

FormatReadResult JsonPaletteReader::Read() {
    if (ReadDocument()) {
        SkipBlanks();
        if (m_pos != m_text.size()) {
            Fail("text after the end of the document");
        }
    }
    if (!m_result.Ok()) {
        m_result.palettes.clear();
    }
    return std::move(m_result);
}

bool JsonPaletteReader::ReadDocument() {
    if (!Expect('{', "a JSON object")) {
        return false;
    }
    bool sawPalettes = false;
    bool failed = false;
    if (!Take('}')) {
        do {
            std::string key;
            if (!ReadString(key) || !Expect(':', "':'")) {
                return false;
            }
            if (key == "palettes") {
                sawPalettes = true;
                if (!ReadPalettes()) {
                    return false;
                }
            } else if (!SkipValue()) {
                return false;
            }
        } while (More('}', failed));
    }
    if (failed) {
        return false;
    }
    return sawPalettes || FailAt("palettes", "missing (the document holds no palette list)");
}

template <typename ReadItem>
bool JsonPaletteReader::ReadList(const char* what, ReadItem readItem) {
    if (!Expect('[', what)) {
        return false;
    }
    if (Take(']')) {
        return true;
    }
    bool failed = false;
    std::size_t index = 0;
    do {
        if (!readItem(index++)) {
            return false;
        }
    } while (More(']', failed));
    return !failed;
}

bool JsonPaletteReader::ReadPalettes() {
    return ReadList("a list of palettes", [this](std::size_t index) { return ReadPalette(index); });
}

bool JsonPaletteReader::ReadPalette(std::size_t index) {
    const std::string place = "palettes[" + std::to_string(index) + "]";
    if (!Expect('{', "a palette object")) {
        return false;
    }
    auto palette = std::make_unique<PaletteEntry>();
    palette->SetDefaultColours();
    bool named = false;
    bool failed = false;
    if (!Take('}')) {
        do {
            std::string key;
            if (!ReadString(key) || !Expect(':', "':'")) {
                return false;
            }
            bool ok = true;
            if (key == "name") {
                named = true;
                ok = ReadText(place + ".name", palette->m_Name);
            } else if (key == "description") {
                ok = ReadText(place + ".description", palette->m_Description);
            } else if (key == "light" || key == "dark") {
                ok = ReadColours(
                    place + "." + key,
                    palette->m_Colours[key == "light" ? kLightBackground : kDarkBackground]);
            } else {
                ok = SkipValue();
            }
            if (!ok) {
                return false;
            }
        } while (More('}', failed));
    }
    if (failed) {
        return false;
    }
    if (!named) {
        return FailAt(place, "the palette has no \"name\"");
    }
    m_result.palettes.push_back(std::move(palette));
    return true;
}

bool JsonPaletteReader::ReadText(const std::string& place, CString& text) {
    SkipBlanks();
    if (Peek() != '"') {
        return FailAt(place, "not a string");
    }
    std::string utf8;
    if (!ReadString(utf8)) {
        return false;
    }
    text = FromUtf8(utf8);
    const std::string problem = UnstorableTextProblem(text);
    return problem.empty() || FailAt(place, problem);
}

bool JsonPaletteReader::ReadColours(const std::string& place,
                                    std::array<COLORREF, kPenCount>& colours) {
    const auto at = [&place](std::size_t k) { return place + "[" + std::to_string(k) + "]"; };
    return ReadList("a list of colours", [&](std::size_t pen) {
        if (pen == kPenCount) {
            return FailAt(at(pen), "more than 256 colours (pens run from 0 to 255)");
        }
        SkipBlanks();
        if (Peek() != '"') {
            return FailAt(at(pen), "not a #rrggbb colour");
        }
        m_scratch.clear();
        if (!ReadString(m_scratch)) {
            return false;
        }
        const std::optional<COLORREF> colour = ParseHexColour(m_scratch, true);
        if (!colour || m_scratch.front() != '#') {
            return FailAt(at(pen), "not a #rrggbb colour");
        }
        colours[pen] = *colour;
        return true;
    });
}

bool JsonPaletteReader::ReadString(std::string& utf8) {
    if (!Expect('"', "a string")) {
        return false;
    }
    while (m_pos < m_text.size()) {
        // Runs of plain characters are copied whole.
        const std::size_t plain = m_text.find_first_of("\"\\", m_pos);
        const std::size_t runEnd = plain == std::string_view::npos ? m_text.size() : plain;
        for (std::size_t i = m_pos; i < runEnd; ++i) {
            if (static_cast<unsigned char>(m_text[i]) < 0x20) {
                m_pos = i;
                return Fail("control character in a string");
            }
        }
        utf8.append(m_text.substr(m_pos, runEnd - m_pos));
        m_pos = runEnd;
        if (m_pos == m_text.size()) {
            break;
        }
        // The run ends at the closing quote or at a backslash.
        if (m_text[m_pos++] == '"') {
            return true;
        }
        const char escape = Peek();
        ++m_pos;
        const std::string_view simple = "\"\\/bfnrt";
        const std::string_view meant = "\"\\/\b\f\n\r\t";
        if (const std::size_t at = simple.find(escape);
            escape != '\0' && at != std::string_view::npos) {
            utf8 += meant[at];
            continue;
        }
        unsigned code = 0;
        if (escape != 'u' || !ReadHexQuad(code)) {
            return Fail("bad escape in a string");
        }
        if (code >= 0xD800 && code <= 0xDBFF && m_text.substr(m_pos, 2) == "\\u") {
            m_pos += 2;
            unsigned low = 0;
            if (!ReadHexQuad(low) || low < 0xDC00 || low > 0xDFFF) {
                return Fail("bad escape in a string");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        CString character;
        AppendWide(character, code);
        utf8 += ToUtf8(character);
    }
    return Fail("unterminated string");
}

bool JsonPaletteReader::ReadHexQuad(unsigned& value) {
    if (m_pos + 4 > m_text.size()) {
        return false;
    }
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = m_text[m_pos++];
        const std::string_view digits = "0123456789abcdef";
        const std::size_t digit = digits.find(static_cast<char>(c | 0x20));
        if (digit == std::string_view::npos) {
            return false;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return true;
}

// Skips any value, nested or not, keeping track of what is open in a list of its own
// rather than on the call stack.
bool JsonPaletteReader::SkipValue() {
    std::vector<char> open;
    do {
        SkipBlanks();
        const char c = Peek();
        if (c == '{' || c == '[') {
            if (open.size() == kMaxDepth) {
                return Fail("nested too deeply");
            }
            ++m_pos;
            open.push_back(c == '{' ? '}' : ']');
            if (Take(open.back())) {
                open.pop_back();
            } else if (c == '{') {
                std::string key;
                if (!ReadString(key) || !Expect(':', "':'")) {
                    return false;
                }
                continue;
            } else {
                continue;
            }
        } else if (!SkipScalar()) {
            return false;
        }
        // After a value: close what ends here, then go on to the next element.
        while (!open.empty()) {
            bool failed = false;
            if (!More(open.back(), failed)) {
                if (failed) {
                    return false;
                }
                open.pop_back();
                continue;
            }
            if (open.back() == '}') {
                std::string key;
                if (!ReadString(key) || !Expect(':', "':'")) {
                    return false;
                }
            }
            break;
        }
    } while (!open.empty());
    return true;
}

bool JsonPaletteReader::SkipScalar() {
    if (Peek() == '"') {
        std::string ignored;
        return ReadString(ignored);
    }
    const std::size_t begin = m_pos;
    while (m_pos < m_text.size() &&
           std::string_view("+-.0123456789eEtruefalsn").find(m_text[m_pos]) !=
               std::string_view::npos) {
        ++m_pos;
    }
    const std::string_view word = m_text.substr(begin, m_pos - begin);
    const bool literal = word == "true" || word == "false" || word == "null";
    const bool number = !word.empty() &&
                        (word.front() == '-' || (word.front() >= '0' && word.front() <= '9')) &&
                        word.find_first_not_of("+-.0123456789eE") == std::string_view::npos;
    if (literal || number) {
        return true;
    }
    m_pos = begin;
    return Fail("expected a value");
}

bool JsonPaletteReader::Expect(char c, const char* what) {
    return Take(c) || Fail(std::string("expected ") + what);
}

bool JsonPaletteReader::Take(char c) {
    SkipBlanks();
    if (Peek() == c && m_pos < m_text.size()) {
        ++m_pos;
        return true;
    }
    return false;
}

bool JsonPaletteReader::More(char close, bool& failed) {
    if (Take(',')) {
        return true;
    }
    failed = !Take(close) && !Fail(std::string("expected ',' or '") + close + "'");
    return false;
}

void JsonPaletteReader::SkipBlanks() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                     m_text[m_pos] == '\n' || m_text[m_pos] == '\r')) {
        ++m_pos;
    }
}

// Syntax errors name the line and column, counted from 1 as editors count them.
bool JsonPaletteReader::Fail(const std::string& message) {
    std::size_t line = 1;
    std::size_t lineBegin = 0;
    for (std::size_t i = 0; i < m_pos && i < m_text.size(); ++i) {
        if (m_text[i] == '\n') {
            ++line;
            lineBegin = i + 1;
        }
    }
    return FailAt("line " + std::to_string(line) + ", column " +
                      std::to_string(m_pos - lineBegin + 1),
                  message);
}

bool JsonPaletteReader::FailAt(const std::string& place, const std::string& message) {
    if (m_result.error.empty()) {
        m_result.error = place + ": " + message;
    }
    return false;
}

} // namespace

bool WriteJsonPalettes(const UI_LIST& list, const ByteSink& sink) {
    if (!sink("{\"palettes\":[")) {
        return false;
    }
    std::string text;
    for (const UI_ELEMENT* element = list.First(); element != nullptr; element = element->Next()) {
        if (const auto* palette = dynamic_cast<const PaletteEntry*>(element)) {
            AppendPalette(text, *palette);
            if (element->Next() != nullptr) {
                text += ',';
            }
            if (!sink(text)) {
                return false;
            }
            text.clear();
        }
    }
    return sink("]}\n");
}

bool WriteJsonPalette(const PaletteEntry& palette, const ByteSink& sink) {
    std::string text = "{\"palettes\":[";
    AppendPalette(text, palette);
    text += "]}\n";
    return sink(text);
}

FormatReadResult ReadJsonPalettes(std::string_view bytes) {
    return JsonPaletteReader(bytes).Read();
}
