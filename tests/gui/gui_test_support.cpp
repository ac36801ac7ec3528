// The GUI test fixture and dialog helpers.
#include "gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "platform/dialog.h"
#include "platform/profile.h"

void GuiTest::SetUp() {
    m_pFolder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_pFolder->isValid());
    SetProfileFile(ProfilePath());
    m_pScript = std::make_unique<ModalScript>();
}

void GuiTest::TearDown() {
    EXPECT_TRUE(m_pScript->Failures().empty()) << m_pScript->Report().toStdString();
    EXPECT_EQ(m_pScript->Pending(), 0) << "answers queued for dialogs that never came";
    m_pScript.reset();
    // Later windows of the process must not write into a folder that is gone.
    SetProfileFile(QString());
    m_pFolder.reset();
}

QString GuiTest::ProfilePath() const {
    return m_pFolder->filePath(QStringLiteral("profile.ini"));
}

ModalHandler AnswerMessageBox(QMessageBox::StandardButton button, MessageBoxSeen* seen) {
    return [button, seen](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr) << "expected a message box, got "
                                << dialog.windowTitle().toStdString();
        if (seen != nullptr) {
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->parentWidget()};
        }
        QAbstractButton* target = box->button(button);
        ASSERT_NE(target, nullptr) << "the box has no such button";
        target->click();
    };
}

void ClickDlgItem(QDialog& dialog, int id) {
    auto* cdialog = dynamic_cast<CDialog*>(&dialog);
    ASSERT_NE(cdialog, nullptr);
    auto* button = qobject_cast<QAbstractButton*>(cdialog->GetDlgItem(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    button->click();
}

void PressKey(QDialog& dialog, int key) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

unsigned int PixelOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}
