// The JSON writer, and a reader that walks the text once and fills palettes as it goes,
// without building a document tree (a file of many palettes would need gigabytes).
#include "files/formats/json_format.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "shared/read_limits.h"
#include "shared/text_encoding.h"

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        // C1 controls (U+0080 to U+009F, UTF-8 C2 80 to C2 9F) and DEL act on terminals
        // like C0 ones, so none of them is printed raw.
        const bool c1 = byte == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        const std::string_view simple = "\"\\\b\f\n\r\t";
        const std::string_view spelled = "\"\\bfnrt";
        if (const std::size_t at = simple.find(c); c != '\0' && at != std::string_view::npos) {
            out += '\\';
            out += spelled[at];
        } else if (byte < 0x20 || byte == 0x7F || c1) {
            const unsigned code = c1 ? static_cast<unsigned char>(utf8[++i]) : byte;
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", code);
            out += escaped.data();
        } else {
            out += c;
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
    explicit JsonPaletteReader(const ByteSource& source) : m_source(source) {}
    FormatReadResult Read();

private:
    bool ReadDocument();
    bool ReadPalettes();
    bool ReadPalette(std::size_t index);
    bool ReadText(const std::string& place, CString& text);
    bool ReadColours(const std::string& place, std::array<COLORREF, kPenCount>& colours);

    // Lexical steps; each returns false after setting the error.
    // A string into utf8, or skipped when utf8 is null.
    bool ReadString(std::string* utf8);
    bool ReadHexQuad(unsigned& value);
    bool SkipValue();
    bool SkipScalar();
    bool SkipNumber();
    bool Expect(char c, const char* what);
    // True when the next character is c, which is then taken.
    bool Take(char c);
    // After an element of an array or object: true while another one follows.
    bool More(char close, bool& failed);
    // A list: "[", then readItem(0), readItem(1) ... between commas, then "]".
    template <typename ReadItem>
    bool ReadList(const char* what, ReadItem readItem);
    void SkipBlanks();
    bool Fail(const std::string& message);
    bool FailAt(const std::string& place, const std::string& message);

    // The input, read a piece at a time into a window that drops what has been read.
    // The next character, '\0' at the end of the input.
    char Peek() { return AtEnd() ? '\0' : m_window[m_pos]; }
    bool AtEnd() { return m_pos >= m_window.size() && !ReadMore(); }
    // True when the next count characters are in the window.
    bool Have(std::size_t count);
    bool ReadMore();

    const ByteSource& m_source;
    std::string m_window;
    std::size_t m_pos = 0;         // of the next character in m_window
    std::size_t m_windowStart = 0; // where m_window begins in the input
    std::size_t m_linesBefore = 0; // line ends before m_window
    std::size_t m_lineStart = 0;   // where the line of m_window's start begins in the input
    bool m_ended = false;
    std::size_t m_textBytes = 0; // of the names and descriptions so far
    std::string m_scratch;       // a colour's text, reused for each
    FormatReadResult m_result;
};

bool JsonPaletteReader::ReadMore() {
    if (m_ended) {
        return false;
    }
    const std::string_view piece = m_source();
    if (piece.empty()) {
        m_ended = true;
        return false;
    }
    // What is dropped still counts for the places errors name.
    const std::string_view read = std::string_view(m_window).substr(0, m_pos);
    if (const std::size_t lastEnd = read.rfind('\n'); lastEnd != std::string_view::npos) {
        m_linesBefore += static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
        m_lineStart = m_windowStart + lastEnd + 1;
    }
    m_windowStart += read.size();
    m_window.erase(0, m_pos);
    m_pos = 0;
    m_window.append(piece);
    return true;
}

bool JsonPaletteReader::Have(std::size_t count) {
    while (m_window.size() - std::min(m_pos, m_window.size()) < count) {
        if (!ReadMore()) {
            return false;
        }
    }
    return true;
}

FormatReadResult JsonPaletteReader::Read() {
    // A byte-order mark, as some editors put in front of UTF-8.
    if (Have(3) && m_window.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        m_pos = 3;
    }
    if (ReadDocument()) {
        SkipBlanks();
        if (!AtEnd()) {
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
            if (!ReadString(&key) || !Expect(':', "':'")) {
                return false;
            }
            if (key == "palettes") {
                // Which of two lists was meant cannot be known.
                if (sawPalettes) {
                    return Fail("a second \"palettes\" list");
                }
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
    if (!RoomForAnotherPalette(m_result, place) || !Expect('{', "a palette object")) {
        return false;
    }
    auto palette = std::make_unique<PaletteEntry>();
    palette->SetDefaultColours();
    bool named = false;
    bool failed = false;
    if (!Take('}')) {
        do {
            std::string key;
            if (!ReadString(&key) || !Expect(':', "':'")) {
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
    if (!ReadString(&utf8)) {
        return false;
    }
    m_textBytes += utf8.size();
    if (m_textBytes > kMaxPaletteTextBytes) {
        return FailAt(place, kTooMuchPaletteText);
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
        if (!ReadString(&m_scratch)) {
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

bool JsonPaletteReader::ReadString(std::string* utf8) {
    if (!Expect('"', "a string")) {
        return false;
    }
    while (!AtEnd()) {
        // Runs of plain characters are copied whole.
        const std::size_t plain = m_window.find_first_of("\"\\", m_pos);
        const std::size_t runEnd = plain == std::string::npos ? m_window.size() : plain;
        for (std::size_t i = m_pos; i < runEnd; ++i) {
            if (static_cast<unsigned char>(m_window[i]) < 0x20) {
                m_pos = i;
                return Fail("control character in a string");
            }
        }
        if (utf8 != nullptr) {
            // No name or description needs more, and the palette file holds none longer.
            if (utf8->size() + (runEnd - m_pos) > kMaxLineBytes) {
                return Fail("a string longer than 64 MiB");
            }
            utf8->append(m_window, m_pos, runEnd - m_pos);
        }
        m_pos = runEnd;
        if (plain == std::string::npos) {
            continue;
        }
        // The run ends at the closing quote or at a backslash.
        if (m_window[m_pos++] == '"') {
            return true;
        }
        const char escape = Peek();
        ++m_pos;
        const std::string_view simple = "\"\\/bfnrt";
        const std::string_view meant = "\"\\/\b\f\n\r\t";
        if (const std::size_t at = simple.find(escape);
            escape != '\0' && at != std::string_view::npos) {
            if (utf8 != nullptr) {
                *utf8 += meant[at];
            }
            continue;
        }
        unsigned code = 0;
        if (escape != 'u' || !ReadHexQuad(code)) {
            return Fail("bad escape in a string");
        }
        if (code >= 0xD800 && code <= 0xDBFF && Have(2) && m_window.compare(m_pos, 2, "\\u") == 0) {
            m_pos += 2;
            unsigned low = 0;
            if (!ReadHexQuad(low) || low < 0xDC00 || low > 0xDFFF) {
                return Fail("bad escape in a string");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        if (utf8 != nullptr) {
            CString character;
            AppendWide(character, code);
            *utf8 += ToUtf8(character);
        }
    }
    return Fail("unterminated string");
}

bool JsonPaletteReader::ReadHexQuad(unsigned& value) {
    if (!Have(4)) {
        return false;
    }
    value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = m_window[m_pos++];
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
                if (!ReadString(nullptr) || !Expect(':', "':'")) {
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
                if (!ReadString(nullptr) || !Expect(':', "':'")) {
                    return false;
                }
            }
            break;
        }
    } while (!open.empty());
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool JsonPaletteReader::SkipScalar() {
    const char c = Peek();
    if (c == '"') {
        return ReadString(nullptr);
    }
    if (c == '-' || IsDigit(c)) {
        return SkipNumber();
    }
    for (const std::string_view literal : {"true", "false", "null"}) {
        if (Have(literal.size()) && m_window.compare(m_pos, literal.size(), literal) == 0) {
            m_pos += literal.size();
            return true;
        }
    }
    return Fail("expected a value");
}

// A number as JSON spells it: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, taken a
// character at a time, as even a skipped one may be gigabytes of digits.
bool JsonPaletteReader::SkipNumber() {
    const auto digits = [this] {
        if (!IsDigit(Peek())) {
            return false;
        }
        while (IsDigit(Peek())) {
            ++m_pos;
        }
        return true;
    };
    if (Peek() == '-') {
        ++m_pos;
    }
    bool valid = true;
    if (Peek() == '0') {
        ++m_pos;
    } else {
        valid = digits();
    }
    if (valid && Peek() == '.') {
        ++m_pos;
        valid = digits();
    }
    if (valid && (Peek() == 'e' || Peek() == 'E')) {
        ++m_pos;
        if (Peek() == '+' || Peek() == '-') {
            ++m_pos;
        }
        valid = digits();
    }
    // "1-2", "01" and "1.5.5" would otherwise end as a number followed by something else.
    const char next = Peek();
    if (!valid || IsDigit(next) || std::string_view("+-.eE").find(next) != std::string_view::npos) {
        return Fail("not a valid number");
    }
    return true;
}

bool JsonPaletteReader::Expect(char c, const char* what) {
    return Take(c) || Fail(std::string("expected ") + what);
}

bool JsonPaletteReader::Take(char c) {
    SkipBlanks();
    if (!AtEnd() && m_window[m_pos] == c) {
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
    for (char c = Peek(); c == ' ' || c == '\t' || c == '\n' || c == '\r'; c = Peek()) {
        ++m_pos;
    }
}

// Syntax errors name the line and column, counted from 1 as editors count them.
bool JsonPaletteReader::Fail(const std::string& message) {
    std::size_t line = m_linesBefore + 1;
    std::size_t lineStart = m_lineStart;
    const std::size_t pos = std::min(m_pos, m_window.size());
    for (std::size_t i = 0; i < pos; ++i) {
        if (m_window[i] == '\n') {
            ++line;
            lineStart = m_windowStart + i + 1;
        }
    }
    return FailAt("line " + std::to_string(line) + ", column " +
                      std::to_string(m_windowStart + m_pos - lineStart + 1),
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

FormatReadResult ReadJsonPalettes(const ByteSource& source) {
    return JsonPaletteReader(source).Read();
}
