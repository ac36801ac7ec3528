// Making texts from other formats fit a palette header.
#include "files/formats/palette_names.h"

#include "shared/text_encoding.h"

namespace {

CString Replaced(const CString& text, bool commas) {
    CString out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == L'#') {
            out += L"No.";
        } else if (c == L',' && commas) {
            out += L';';
        } else {
            out += c;
        }
    }
    return out;
}

void Store(CString& text, const CString& stored, const char* what,
           std::vector<std::string>& warnings) {
    if (stored != text) {
        warnings.push_back(std::string(what) + " \"" + ToUtf8(text) + "\" stored as \"" +
                           ToUtf8(stored) + "\"");
        text = stored;
    }
}

} // namespace

CString StorableName(const CString& name) {
    return Replaced(name, true);
}

CString StorableDescription(const CString& description) {
    return Replaced(description, false);
}

void MakeTextsStorable(FormatReadResult& result) {
    for (const auto& palette : result.palettes) {
        Store(palette->m_Name, StorableName(palette->m_Name), "palette name", result.warnings);
        Store(palette->m_Description, StorableDescription(palette->m_Description),
              "palette description", result.warnings);
    }
}
