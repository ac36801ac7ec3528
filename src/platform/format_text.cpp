// FormatText: vswprintf into a buffer that grows until the text fits.
#include "platform/format_text.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

#include "platform/translation.h"

CString FormatText(const wchar_t* format, ...) {
    // The format is the text to translate: the values it takes are not.
    const CString translated = TranslatedText(format != nullptr ? format : L"");
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int written = std::vswprintf(buffer.data(), buffer.size(), translated.c_str(), args);
        va_end(args);
        if (written >= 0 && static_cast<std::size_t>(written) < buffer.size()) {
            return CString(buffer.data(), static_cast<std::size_t>(written));
        }
        // vswprintf gives no length on overflow; a format error would also land here,
        // so stop growing at a size no label or message comes near.
        if (buffer.size() >= (1u << 20)) {
            return CString();
        }
        buffer.resize(buffer.size() * 4);
    }
}
