// CTintoraDlg: the View menu. The pens can be drawn as a person with one of the three kinds
// of colour blindness sees them, and the pens that hardly stand out from their background can
// carry a sign. Both change what is drawn, never the palette: the labels, the clipboard and
// the files keep the real colours. Both choices are remembered in the profile.
#include <QAction>
#include <array>

#include "colour/contrast.h"
#include "editor/tintora_dlg.h"
#include "platform/profile.h"
#include "resources/resource.h"
#include "shared/text_encoding.h"

namespace {

// The View menu's choice of vision, in the order of kVisions.
constexpr std::array<int, 4> kVisionItems = {ID_VIEW_NORMAL, ID_VIEW_PROTANOPIA,
                                             ID_VIEW_DEUTERANOPIA, ID_VIEW_TRITANOPIA};

constexpr wchar_t kSection[] = L"Tintora";
constexpr wchar_t kVisionKey[] = L"Vision";
constexpr wchar_t kMarkKey[] = L"MarkLowContrast";

} // namespace

void CTintoraDlg::LoadViewSettings() {
    // A value from elsewhere that names no vision shows the colours as they are.
    m_vision =
        VisionFromName(ToUtf8(GetProfileString(kSection, kVisionKey))).value_or(Vision::Normal);
    m_bMarkLowContrast = GetProfileInt(kSection, kMarkKey, 0) != 0;
    UpdateViewItems();
}

void CTintoraDlg::UpdateViewItems() {
    for (std::size_t i = 0; i < kVisions.size(); ++i) {
        if (QAction* action = GetMenuItem(kVisionItems[i])) {
            action->setChecked(kVisions[i] == m_vision);
        }
    }
    if (QAction* action = GetMenuItem(ID_VIEW_MARK_LOW_CONTRAST)) {
        action->setChecked(m_bMarkLowContrast);
    }
}

void CTintoraDlg::ShowVision(Vision vision) {
    m_vision = vision;
    WriteProfileString(kSection, kVisionKey, FromUtf8(VisionName(vision)));
    UpdateViewItems();
    Invalidate();
}

void CTintoraDlg::OnViewNormal() {
    ShowVision(Vision::Normal);
}

void CTintoraDlg::OnViewProtanopia() {
    ShowVision(Vision::Protanopia);
}

void CTintoraDlg::OnViewDeuteranopia() {
    ShowVision(Vision::Deuteranopia);
}

void CTintoraDlg::OnViewTritanopia() {
    ShowVision(Vision::Tritanopia);
}

void CTintoraDlg::OnViewMarkLowContrast() {
    m_bMarkLowContrast = !m_bMarkLowContrast;
    WriteProfileInt(kSection, kMarkKey, m_bMarkLowContrast ? 1 : 0);
    UpdateViewItems();
    Invalidate();
}

// Simulating all the colours and measuring their contrast takes about a tenth of a
// millisecond, and the hover mark repaints a small grid twice on every pointer move: the view
// is made again only when the colours or a choice changed.
const CTintoraDlg::ViewOfColours& CTintoraDlg::CurrentView() const {
    const PenColours& shown = ShownColours();
    if (m_view && m_view->shown == shown && m_view->vision == m_vision &&
        m_view->background == m_nBackground && m_view->mark == m_bMarkLowContrast) {
        return *m_view;
    }
    ViewOfColours view{shown, m_vision, m_nBackground, m_bMarkLowContrast, shown, {}};
    if (m_vision != Vision::Normal) {
        for (COLORREF& colour : view.painted) {
            colour = SimulateVision(colour, m_vision);
        }
    }
    for (int pen = 1; pen < kPenCount; ++pen) {
        view.signs.set(static_cast<std::size_t>(pen), ShowsLowContrast(pen));
    }
    m_view = view;
    return *m_view;
}

const PenColours& CTintoraDlg::PaintedColours() const {
    return CurrentView().painted;
}

const std::bitset<kPenCount>& CTintoraDlg::SignedPens() const {
    return CurrentView().signs;
}

bool CTintoraDlg::ShowsLowContrast(int pen) const {
    if (!m_bMarkLowContrast || pen < 1 || pen >= kPenCount) {
        return false;
    }
    // The palette's own colour decides, whatever the vision shown: the sign speaks of the
    // pen, not of one way of seeing it.
    const COLORREF paper = m_nBackground == kLightBackground ? kLightPaper : kDarkPaper;
    return ContrastRatio(ShownColours()[static_cast<std::size_t>(pen)], paper) < kLowContrast;
}
