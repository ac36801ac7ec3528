// The help window and the choice between the system's viewer and ours.
#include "platform/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>
#include <utility>

namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 560;

QToolButton* NewButton(const QString& text, QStyle::StandardPixmap icon, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// Tab and Shift+Tab move between the page's links without a signal of their own.
class LinkBrowser : public QTextBrowser {
public:
    LinkBrowser(QWidget* parent, std::function<void()> onLinkFocus)
        : QTextBrowser(parent), m_onLinkFocus(std::move(onLinkFocus)) {}

protected:
    bool focusNextPrevChild(bool next) override {
        const bool moved = QTextBrowser::focusNextPrevChild(next);
        m_onLinkFocus();
        return moved;
    }

private:
    std::function<void()> m_onLinkFocus;
};

} // namespace

CHelpViewer::CHelpViewer(QWidget* owner) : QDialog(owner) {
    // A window of its own, movable and sizable, that does not block its owner.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setWindowTitle(QCoreApplication::translate("Tintora", "Tintora Help"));
    setObjectName(QStringLiteral("helpViewer"));

    m_pContents =
        NewButton(QCoreApplication::translate("Tintora", "Contents"), QStyle::SP_DirHomeIcon, this);
    m_pBack = NewButton(QCoreApplication::translate("Tintora", "Back"), QStyle::SP_ArrowBack, this);
    m_pForward =
        NewButton(QCoreApplication::translate("Tintora", "Forward"), QStyle::SP_ArrowForward, this);
    m_pBrowser = new LinkBrowser(this, [this]() { ShowFocusedLink(); });
    m_pLinkLine = new QLabel(this);
    m_pLinkLine->setAccessibleName(QCoreApplication::translate("Tintora", "Link"));
    // Links leave the manual only through the desktop (none of its pages has such a link).
    m_pBrowser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pContents);
    buttons->addWidget(m_pBack);
    buttons->addWidget(m_pForward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pBrowser);
    layout->addWidget(m_pLinkLine);

    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    connect(m_pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pContents, &QToolButton::clicked, this, [this]() {
        if (!m_strContents.isEmpty()) {
            m_pBrowser->setSource(QUrl::fromLocalFile(m_strContents));
        }
    });
    // A click or a new page moves the cursor off the link.
    connect(m_pBrowser, &QTextBrowser::cursorPositionChanged, this, &CHelpViewer::ShowFocusedLink);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QToolButton::setEnabled);
    resize(kWidth, kHeight);
}

void CHelpViewer::ShowFocusedLink() {
    // Tab between links selects the link's text.
    const QTextCursor cursor = m_pBrowser->textCursor();
    bool onLink = false;
    if (cursor.hasSelection()) {
        QTextCursor first(cursor);
        first.setPosition(cursor.selectionStart() + 1); // the format of the character before
        onLink = first.charFormat().isAnchor();
    }
    const QString line = onLink ? QCoreApplication::translate("Tintora", "Link: %1")
                                      .arg(cursor.selectedText().simplified())
                                : QString();
    if (line == m_pLinkLine->text()) {
        return;
    }
    m_pLinkLine->setText(line);
    // A screen reader stays on the page while Tab moves between its links; the page's
    // description tells it which link has the focus.
    m_pBrowser->setAccessibleDescription(line);
}

bool CHelpViewer::ShowPage(const QString& path) {
    m_strContents = path;
    if (!QFileInfo(path).isFile()) {
        m_pBrowser->clearHistory();
        m_pBrowser->setHtml(QCoreApplication::translate(
                                "Tintora", "<h1>Tintora Help</h1><p>The help pages are not "
                                           "installed: there is no file <code>%1</code>.</p>")
                                .arg(path.toHtmlEscaped()));
        return false;
    }
    m_pBrowser->setSource(QUrl::fromLocalFile(path));
    return true;
}

CHelpViewer* ShowHelpContents(QWidget* owner, const QString& chmPath, const QString& htmlIndex) {
    if (!chmPath.isEmpty() && QFileInfo(chmPath).isFile() &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(chmPath))) {
        return nullptr;
    }
    CHelpViewer* viewer = nullptr;
    if (owner != nullptr) {
        for (QObject* child : owner->children()) {
            if ((viewer = dynamic_cast<CHelpViewer*>(child)) != nullptr) {
                break;
            }
        }
    }
    if (viewer == nullptr) {
        viewer = new CHelpViewer(owner);
    }
    viewer->ShowPage(htmlIndex);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
