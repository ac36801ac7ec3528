// The program's widget style: Fusion everywhere, so that the windows look (and measure) the
// same on every desktop. It draws exactly as Fusion does; it only reads the image of the
// menu bar's overflow button when that button is first drawn. The menu bar asks for it while
// it is built, and reading it would load every image format plugin before the first frame,
// although the button shows only when the menu does not fit.
#pragma once

#include <QProxyStyle>

class CAppStyle : public QProxyStyle {
public:
    // Null when Fusion is not available.
    static CAppStyle* Create();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    explicit CAppStyle(QStyle* fusion);
};
