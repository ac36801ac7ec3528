// XMessageBox: hands the box to the installed presenter, or reports it on standard error.
#include "shared/xmessagebox.h"

#include <cstdio>
#include <utility>

#include "shared/text_encoding.h"

namespace {

XMessageBoxPresenter& Presenter() {
    static XMessageBoxPresenter presenter;
    return presenter;
}

// The first button of each button set, the one a box without anybody to ask answers.
int FirstButton(unsigned int style) {
    constexpr int kIdAbort = 3;
    constexpr int kIdRetry = 4;
    switch (style & 0xF) {
    case 0x2: // abort, retry, ignore
        return kIdAbort;
    case 0x3: // yes, no, cancel
    case 0x4: // yes, no
        return IDYES;
    case 0x5: // retry, cancel
        return kIdRetry;
    case 0x6: // cancel, try again, continue
        return IDCANCEL;
    default: // OK, and OK with Cancel
        return IDOK;
    }
}

} // namespace

XMessageBoxPresenter SetXMessageBoxPresenter(XMessageBoxPresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

int XMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, unsigned int style,
                XMSGBOXPARAMS* /*params*/) {
    text = text != nullptr ? text : L"";
    caption = caption != nullptr ? caption : L"";
    if (Presenter()) {
        return Presenter()(owner, text, caption, style);
    }
    std::fprintf(stderr, "%s: %s\n", ToUtf8(caption).c_str(), ToUtf8(text).c_str());
    return FirstButton(style);
}
