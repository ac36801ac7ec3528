// The help: F1 and Help > Contents open the manual at its contents in the program's help
// window, the same window each time.
#include <QAction>
#include <QTextBrowser>
#include <QUrl>

#include "editor_test_support.h"
#include "platform/help_viewer.h"

namespace {

// The manual is copied beside the program in the build tree.
const QString kHelpFolder = QStringLiteral(TINTORA_APP_BUILD_DIR "/help");

class Help : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        coreSetAppFolder(FromQString(QStringLiteral(TINTORA_APP_BUILD_DIR)));
    }
    void TearDown() override {
        coreSetAppFolder(CString());
        EditorTest::TearDown();
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

TEST_F(Help, F1AndContentsOpenTheManualAtItsContents) {
    const QUrl contents =
        QUrl::fromLocalFile(QDir(kHelpFolder).filePath(QStringLiteral("index.html")));
    const std::pair<const char*, std::function<void(CTintoraDlg&)>> ways[] = {
        {"F1", [](CTintoraDlg& editor) { PressKey(editor, Qt::Key_F1); }},
        {"Help > Contents",
         [](CTintoraDlg& editor) { editor.GetMenuItem(ID_HELP_CONTENTS)->trigger(); }},
    };
    for (const auto& [way, open] : ways) {
        SCOPED_TRACE(way);
        Reopen();
        open(*dlg); // not modal: no dialog comes through the script
        const std::vector<CHelpViewer*> viewers = ViewersOf(*dlg);
        ASSERT_EQ(viewers.size(), 1u);
        EXPECT_TRUE(viewers[0]->isVisible());
        EXPECT_FALSE(viewers[0]->isModal());
        EXPECT_EQ(viewers[0]->Browser()->source(), contents);
        EXPECT_EQ(viewers[0]->Browser()->documentTitle(),
                  QStringLiteral("Tintora Help - Contents"));

        // Asking again brings the same window back to the contents.
        viewers[0]->Browser()->setSource(
            QUrl::fromLocalFile(kHelpFolder + QStringLiteral("/edit_menu.html")));
        viewers[0]->close();
        open(*dlg);
        EXPECT_EQ(ViewersOf(*dlg), viewers);
        EXPECT_TRUE(viewers[0]->isVisible());
        EXPECT_EQ(viewers[0]->Browser()->source(), contents);
    }
}

} // namespace
