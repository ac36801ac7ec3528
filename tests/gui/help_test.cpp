// The help: F1 and Help > Contents open the manual at its contents in the program's help
// window, a compiled help file beside the program goes to the system's viewer instead, and
// every link of the manual leads somewhere.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>
#include <set>

#include "editor_test_support.h"
#include "gui_test_support.h"
#include "platform/help_viewer.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "platform/win_app.h"
#include "resources/resource.h"
#include "shared/paths.h"

namespace {

// The application folder of the build tree, where the manual is copied beside the program.
const QString kAppFolder = QStringLiteral(TINTORA_APP_BUILD_DIR);
const QString kHelpFolder = kAppFolder + QStringLiteral("/help");

// Takes the URLs the desktop is asked to open, instead of the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    explicit UrlRecorder(const QString& scheme) : m_strScheme(scheme) {
        QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(m_strScheme); }

    QList<QUrl> m_opened;

public slots:
    void Open(const QUrl& url) { m_opened << url; }

private:
    QString m_strScheme;
};

class Help : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        coreSetAppFolder(FromQString(kAppFolder));
    }
    void TearDown() override {
        coreSetAppFolder(CString());
        GuiTest::TearDown();
    }
};

std::vector<CHelpViewer*> ViewersOf(const CTintoraDlg& dlg) {
    std::vector<CHelpViewer*> viewers;
    for (QObject* child : dlg.children()) {
        if (auto* viewer = dynamic_cast<CHelpViewer*>(child)) {
            viewers.push_back(viewer);
        }
    }
    return viewers;
}

void ChooseMenuItem(CTintoraDlg& dlg, int id) {
    for (QAction* menu : dlg.GetMenu()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->data().toInt() == id) {
                item->trigger();
                return;
            }
        }
    }
    FAIL() << "no menu item " << id;
}

QUrl PageUrl(const QString& page) {
    return QUrl::fromLocalFile(QDir(kHelpFolder).filePath(page));
}

TEST_F(Help, F1AndContentsOpenTheManualAtItsContents) {
    const std::pair<const char*, std::function<void(CTintoraDlg&)>> ways[] = {
        {"F1", [](CTintoraDlg& dlg) { PressKey(dlg, Qt::Key_F1); }},
        {"Help > Contents", [](CTintoraDlg& dlg) { ChooseMenuItem(dlg, ID_HELP_CONTENTS); }},
    };
    for (const auto& [way, open] : ways) {
        auto dlg = OpenEditor();
        open(*dlg); // not modal: no dialog comes through the script
        const std::vector<CHelpViewer*> viewers = ViewersOf(*dlg);
        ASSERT_EQ(viewers.size(), 1u) << way;
        EXPECT_TRUE(viewers[0]->isVisible()) << way;
        EXPECT_FALSE(viewers[0]->isModal()) << way;
        EXPECT_EQ(viewers[0]->Browser()->source(), PageUrl(QStringLiteral("index.html"))) << way;
        EXPECT_EQ(viewers[0]->Browser()->documentTitle(), QStringLiteral("Tintora Help - Contents"))
            << way;
    }
}

TEST_F(Help, AskingAgainBringsTheSameWindowBackToTheContents) {
    auto dlg = OpenEditor();
    PressKey(*dlg, Qt::Key_F1);
    CHelpViewer* viewer = ViewersOf(*dlg).at(0);
    viewer->Browser()->setSource(PageUrl(QStringLiteral("edit_menu.html")));
    viewer->close();
    PressKey(*dlg, Qt::Key_F1);
    EXPECT_EQ(ViewersOf(*dlg), std::vector<CHelpViewer*>{viewer});
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Browser()->source(), PageUrl(QStringLiteral("index.html")));
}

TEST_F(Help, CompiledHelpBesideTheProgramGoesToTheSystemViewer) {
    QTemporaryDir folder;
    const QString chm = folder.filePath(QStringLiteral("Tintora.chm"));
    CWinApp app;
    app.m_pszHelpFilePath = FromQString(chm);
    UrlRecorder desktop(QStringLiteral("file"));
    auto dlg = OpenEditor();

    PressKey(*dlg, Qt::Key_F1); // no such file yet: our own manual
    EXPECT_TRUE(desktop.m_opened.isEmpty());
    ASSERT_EQ(ViewersOf(*dlg).size(), 1u);
    ViewersOf(*dlg)[0]->close();

    QFile file(chm);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ChooseMenuItem(*dlg, ID_HELP_CONTENTS);
    EXPECT_EQ(desktop.m_opened, QList<QUrl>{QUrl::fromLocalFile(chm)});
    EXPECT_FALSE(ViewersOf(*dlg)[0]->isVisible());
}

QString ReadPage(const QString& page) {
    QFile file(QDir(kHelpFolder).filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAPlaceInIt) {
    const QStringList pages =
        QDir(kHelpFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    std::set<QString> reached;
    for (const QString& page : pages) {
        const QString text = ReadPage(page);
        EXPECT_TRUE(text.contains(QStringLiteral("<title>Tintora Help - "))) << page.toStdString();
        for (const QRegularExpressionMatch& match : reference.globalMatch(text)) {
            const QString target = match.captured(1);
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString where = page + QStringLiteral(" -> ") + target;
            EXPECT_FALSE(target.contains(QLatin1Char(':'))) << where.toStdString();
            const QString targetPage = file.isEmpty() ? page : file;
            ASSERT_TRUE(QFile::exists(QDir(kHelpFolder).filePath(targetPage)))
                << where.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(
                    ReadPage(targetPage).contains(QStringLiteral("name=\"%1\"").arg(anchor)))
                    << where.toStdString();
            }
            if (page == QStringLiteral("index.html")) {
                reached.insert(targetPage);
            }
        }
    }
    for (const QString& page : pages) {
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(reached.count(page) == 1) << page.toStdString() << " not in the contents";
        }
    }
}

} // namespace

#include "help_test.moc"
