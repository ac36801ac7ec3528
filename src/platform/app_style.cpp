// CAppStyle: Fusion with the overflow button's image read when first drawn.
#include "platform/app_style.h"

#include <QPointer>
#include <QStyleFactory>

#include "platform/deferred_icon.h"

CAppStyle* CAppStyle::Create() {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    return fusion != nullptr ? new CAppStyle(fusion) : nullptr;
}

CAppStyle::CAppStyle(QStyle* fusion) : QProxyStyle(fusion) {}

QIcon CAppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                              const QWidget* widget) const {
    const bool overflow = standardIcon == SP_ToolBarHorizontalExtensionButton ||
                          standardIcon == SP_ToolBarVerticalExtensionButton;
    if (!overflow || option != nullptr) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // A style option lives only for this call, so only requests without one are deferred
    // (the menu bar's is one of them).
    QPointer<QStyle> base(baseStyle());
    return DeferredIcon(
        [base, standardIcon]() { return base ? base->standardIcon(standardIcon) : QIcon(); });
}
