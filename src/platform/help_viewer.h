// The help: a compiled help file shown by the system's own viewer where there is one, and
// otherwise the program's HTML manual in a help window of its own (CHelpViewer).
//
//   ShowHelpContents(this, chmPath, appFolder + "help/index.html");
//
// The help window is not modal: it stays open beside its owner, which can still be worked
// with, and asking for the contents again brings it back to the front at its contents.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTextBrowser;
class QToolButton;

class CHelpViewer : public QDialog {
public:
    explicit CHelpViewer(QWidget* owner);

    // Shows the HTML page at path from its top, or a note naming the path when there is no
    // such file. Returns whether the page was found.
    bool ShowPage(const QString& path);
    QTextBrowser* Browser() const { return m_pBrowser; }
    // The line under the page that names the link Tab moved to.
    QLabel* LinkLine() const { return m_pLinkLine; }

private:
    void ShowFocusedLink();

    QTextBrowser* m_pBrowser;
    QToolButton* m_pContents;
    QToolButton* m_pBack;
    QToolButton* m_pForward;
    QLabel* m_pLinkLine;
    QString m_strContents; // the page Contents goes back to
};

// Opens the help at its table of contents. chmPath is honoured when that file exists and
// the system can show it; otherwise the manual at htmlIndex is shown in the help window
// owned by owner (made on first use). Returns the help window, or null when the system's
// viewer took the help.
CHelpViewer* ShowHelpContents(QWidget* owner, const QString& chmPath, const QString& htmlIndex);
