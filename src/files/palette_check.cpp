// The palette file checker: walks the file line by line with the reader's own rules for
// headers, comments, fields and numbers, and says where the reader would lose or change
// what was written.
#include "files/palette_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <string>
#include <unordered_map>
#include <utility>

#include "files/palette_file.h"
#include "model/colour.h"
#include "model/palette_entry.h"
#include "shared/def_file_reader.h"
#include "shared/fields.h"
#include "shared/file_io.h"
#include "shared/read_limits.h"
#include "shared/text_encoding.h"

namespace {

constexpr std::size_t kPenLineFields = 7;
constexpr std::array<std::wstring_view, 6> kComponentNames = {
    L"light red", L"light green", L"light blue", L"dark red", L"dark green", L"dark blue"};

// The white space the reader's number conversion skips.
bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A number the reader takes whole: an optional sign and digits, white space around them.
// Anything else makes the reader stop at the first other character and use what came
// before it (nothing gives 0).
bool IsPlainNumber(std::wstring_view text) {
    text = Trimmed(text);
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        text.remove_prefix(1);
    }
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// Text in quotes, with control characters spelled out so that a finding stays on its line.
CString Quoted(std::wstring_view text) {
    CString quoted = L"\"";
    for (const wchar_t c : text) {
        if (c == L'\r') {
            quoted += L"\\r";
        } else if (c == L'\t') {
            quoted += L"\\t";
        } else if (c < L' ' || (c >= 0x7F && c <= 0x9F)) {
            wchar_t escaped[8];
            std::swprintf(escaped, 8, L"\\x%02X", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + L"\"";
}

CString Number(std::size_t value) {
    return std::to_wstring(value);
}

// What the reader keeps of a component: its low 8 bits.
int StoredComponent(int value) {
    return RedOf(MakeColour(value, 0, 0));
}

// "pen 3" or "pens 3, 17-20, 255".
CString PenList(const std::vector<int>& pens) {
    CString list = pens.size() == 1 ? L"pen " : L"pens ";
    for (std::size_t i = 0; i < pens.size();) {
        std::size_t last = i;
        while (last + 1 < pens.size() && pens[last + 1] == pens[last] + 1) {
            ++last;
        }
        list += (i == 0 ? L"" : L", ") + std::to_wstring(pens[i]);
        if (last > i) {
            list += L"-" + std::to_wstring(pens[last]);
        }
        i = last + 1;
    }
    return list;
}

// A CR that is not part of the line end: the reader ends lines at LF alone, so what follows
// such a CR (an old Mac line end, say) belongs to this line.
bool HasStrayCarriageReturn(std::string_view line) {
    const std::size_t lastText = line.find_last_not_of("\r \t");
    return lastText != std::string_view::npos &&
           line.substr(0, lastText).find('\r') != std::string_view::npos;
}

class PaletteChecker {
public:
    explicit PaletteChecker(const FindingSink& sink) : m_sink(sink) {}

    // False once the file is known to be one the editor cannot open, which ends the check.
    bool CheckLine(std::size_t line, std::string_view text);
    // A line longer than the reader reads: this one error says all there is to say.
    void LineTooLong(std::size_t line) {
        m_palette.reset();
        m_sawHeader = true;
        ReportError(line, FromUtf8(LineTooLongText(line)) + L"; the editor cannot open this file");
    }
    std::size_t Finish();

private:
    struct OpenPalette {
        std::size_t headerLine = 0;
        CString name;
        std::array<std::size_t, kPenCount> penLines{}; // the line that set each pen, 0: none
    };

    void Report(std::size_t line, CString message) {
        ++m_count;
        m_sink({line, FindingKind::Warning, std::move(message)});
    }
    void ReportError(std::size_t line, CString message) {
        ++m_count;
        m_sink({line, FindingKind::Error, std::move(message)});
    }
    void CheckUtf8Look(std::size_t line, std::wstring_view what, std::string_view bytes);
    void CheckHeader(std::size_t line, std::string_view text, const DefFileHeader& header);
    void CheckElement(std::size_t line, std::wstring_view element);
    bool CheckPenNumber(std::size_t line, std::wstring_view numberText, int pen);
    void CheckComponents(std::size_t line, std::wstring_view element);
    void CheckComponent(std::size_t line, std::wstring_view name, std::wstring_view field);
    void ClosePalette();

    const FindingSink& m_sink;
    std::size_t m_count = 0;
    std::optional<OpenPalette> m_palette;
    std::unordered_map<CString, std::size_t> m_firstLineOfName;
    std::size_t m_headers = 0;
    std::size_t m_textBytes = 0; // of the names and descriptions so far
    bool m_sawHeader = false;
};

bool PaletteChecker::CheckLine(std::size_t line, std::string_view text) {
    if (HasStrayCarriageReturn(text)) {
        Report(line, L"carriage return without a line feed; the editor reads on to the next "
                     L"line feed as one line");
    }
    if (const std::optional<DefFileHeader> header = ParseDefFileHeader(text)) {
        m_textBytes += header->name.size() + header->description.size();
        const bool tooMany = ++m_headers > kMaxPalettes;
        if (tooMany || m_textBytes > kMaxPaletteTextBytes) {
            m_palette.reset();
            ReportError(line, (tooMany ? FromUtf8(kTooManyPalettesText) + L" from this line on"
                                       : FromUtf8(kTooMuchPaletteText) + L" by this line") +
                                  L"; the editor cannot open this file");
            return false;
        }
        CheckHeader(line, text, *header);
        return true;
    }
    const std::string_view element = DefFileElement(text);
    if (!element.empty()) {
        CheckElement(line, DecodeWindows1252(element));
    }
    return true;
}

void PaletteChecker::CheckHeader(std::size_t line, std::string_view text,
                                 const DefFileHeader& header) {
    ClosePalette();
    m_sawHeader = true;
    const CString name = DecodeWindows1252(header.name);
    const CString description = DecodeWindows1252(header.description);
    // The editor never writes a "#" into a header, so one here was typed: either a comment
    // or part of a name or description, which the reader cannot tell apart. Saying what the
    // editor reads lets the person who typed it judge.
    if (text.find('#') != std::string_view::npos) {
        Report(line, L"\"#\" starts a comment in this palette header; the editor reads the name " +
                         Quoted(name) + L" and the description " + Quoted(description));
    }
    CheckUtf8Look(line, L"palette name", header.name);
    CheckUtf8Look(line, L"description", header.description);
    const auto [first, isNew] = m_firstLineOfName.try_emplace(name, line);
    if (!isNew) {
        Report(line, L"palette name " + Quoted(name) + L" is used again (first on line " +
                         Number(first->second) + L")");
    }
    m_palette = OpenPalette{line, name, {}};
}

// The editor reads 8-bit text as Windows-1252; text typed in a UTF-8 editor shows as
// "GrÃ¼n" there, so the reading it was meant to have is shown beside the editor's.
void PaletteChecker::CheckUtf8Look(std::size_t line, std::wstring_view what,
                                   std::string_view bytes) {
    if (HasMultiByteUtf8(bytes)) {
        Report(line, CString(what) + L" " + Quoted(DecodeWindows1252(bytes)) +
                         L" looks like UTF-8 (" + Quoted(FromUtf8(bytes)) +
                         L"); the editor reads Windows-1252");
    }
}

void PaletteChecker::CheckElement(std::size_t line, std::wstring_view element) {
    const std::wstring_view token = GetFieldView(element, 1, L',').value_or(element);
    const std::optional<int> pen = PenNumberOf(token);
    if (!pen) {
        ReportError(line, L"neither a comment, a palette header nor a pen line; the editor ignores "
                          L"this line");
        return;
    }
    if (!m_palette) {
        ReportError(line, L"pen line before the first palette header; the editor ignores it");
        return;
    }
    if (!CheckPenNumber(line, token.substr(3), *pen)) {
        return;
    }
    std::size_t& earlier = m_palette->penLines[static_cast<std::size_t>(*pen)];
    if (earlier != 0) {
        Report(line, L"pen " + std::to_wstring(*pen) +
                         L" is listed again; this line replaces line " + Number(earlier));
    }
    earlier = line;
    CheckComponents(line, element);
}

// False when the reader ignores the line for its pen number.
bool PaletteChecker::CheckPenNumber(std::size_t line, std::wstring_view numberText, int pen) {
    const std::wstring_view written = Trimmed(numberText);
    const bool plain = IsPlainNumber(numberText);
    if (pen < 0 || pen >= kPenCount) {
        const CString read = plain ? CString(written) + L" is"
                                   : Quoted(written) + L" reads as " + std::to_wstring(pen) + L",";
        ReportError(line, L"pen number " + read + L" outside 0-255; the editor ignores this line");
        return false;
    }
    if (written.empty()) {
        Report(line, L"pen line without a pen number; the editor reads pen 0");
    } else if (!plain) {
        Report(line, L"pen number " + Quoted(written) +
                         L" is not a plain number; the editor reads pen " + std::to_wstring(pen));
    }
    return true;
}

void PaletteChecker::CheckComponents(std::size_t line, std::wstring_view element) {
    const std::size_t fields =
        static_cast<std::size_t>(std::count(element.begin(), element.end(), L',')) + 1;
    for (std::size_t k = 2; k <= std::min(fields, kPenLineFields); ++k) {
        CheckComponent(line, kComponentNames[k - 2],
                       *GetFieldView(element, static_cast<int>(k), L','));
    }
    if (fields < kPenLineFields) {
        CString missing;
        for (std::size_t k = fields + 1; k <= kPenLineFields; ++k) {
            missing += (k == fields + 1 ? L"" : k == kPenLineFields ? L" and " : L", ");
            missing += kComponentNames[k - 2];
        }
        Report(line, L"pen line has " + Number(fields) + L" of 7 fields; the editor uses 0 for " +
                         missing);
    } else if (fields > kPenLineFields) {
        Report(line, L"pen line has " + Number(fields) +
                         L" fields; the editor ignores those after the seventh");
    }
}

void PaletteChecker::CheckComponent(std::size_t line, std::wstring_view name,
                                    std::wstring_view field) {
    const std::wstring_view written = Trimmed(field);
    const int value = WToI(field);
    const CString used = L"; the editor uses " + std::to_wstring(StoredComponent(value));
    if (written.empty()) {
        Report(line, CString(name) + L" is empty" + used);
    } else if (!IsPlainNumber(field)) {
        Report(line, CString(name) + L" " + Quoted(written) + L" is not a plain number" + used);
    } else if (value < 0 || value > 255) {
        Report(line, CString(name) + L" " + CString(written) + L" is outside 0-255" + used);
    }
}

void PaletteChecker::ClosePalette() {
    if (!m_palette) {
        return;
    }
    std::vector<int> unlisted;
    for (int pen = 0; pen < kPenCount; ++pen) {
        if (m_palette->penLines[static_cast<std::size_t>(pen)] == 0) {
            unlisted.push_back(pen);
        }
    }
    if (!unlisted.empty()) {
        Report(m_palette->headerLine, L"palette " + Quoted(m_palette->name) + L" does not list " +
                                          PenList(unlisted) +
                                          L"; the editor gives them the default colours");
    }
    m_palette.reset();
}

std::size_t PaletteChecker::Finish() {
    ClosePalette();
    if (!m_sawHeader) {
        ReportError(0, L"no palette header; the editor cannot open this file");
    }
    return m_count;
}

} // namespace

std::size_t CheckPaletteText(std::string_view bytes, const FindingSink& sink) {
    PaletteChecker checker(sink);
    std::size_t line = 0;
    // Lines end at LF, as the reader's do; the last one may lack it.
    for (std::size_t begin = 0; begin < bytes.size();) {
        std::size_t end = bytes.find('\n', begin);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        if (!checker.CheckLine(++line, bytes.substr(begin, end - begin))) {
            break;
        }
        begin = end + 1;
    }
    return checker.Finish();
}

std::optional<std::size_t> CheckPaletteStream(std::FILE* file, const FindingSink& sink) {
    PaletteChecker checker(sink);
    std::size_t line = 0;
    std::string text; // the line read so far
    std::string chunk(1 << 16, '\0');
    bool going = true;
    while (going) {
        const std::size_t read = std::fread(chunk.data(), 1, chunk.size(), file);
        if (read == 0) {
            break;
        }
        std::string_view rest(chunk.data(), read);
        for (std::size_t end = rest.find('\n'); going && end != std::string_view::npos;
             end = rest.find('\n')) {
            text.append(rest.substr(0, end));
            going = checker.CheckLine(++line, text);
            text.clear();
            rest.remove_prefix(end + 1);
        }
        text.append(rest);
        if (going && text.size() > kMaxLineBytes) {
            checker.LineTooLong(++line);
            return checker.Finish();
        }
    }
    if (std::ferror(file) != 0) {
        return std::nullopt;
    }
    if (going && !text.empty()) {
        checker.CheckLine(++line, text);
    }
    return checker.Finish();
}
