// Shared by the GUI tests: a fixture with a fresh profile and a modal script per test, and
// helpers to answer dialogs and read pixels.
//
//   class MyTest : public GuiTest {};
//   TEST_F(MyTest, Saves) {
//       Script().Then(AnswerMessageBox(QMessageBox::Ok, &seen));
//       ...
//   }   // TearDown fails the test if a dialog came unanswered or an answer was not used
#pragma once

#include <QImage>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "platform/modal_door.h"

class CDialog;
class QDialog;
class QWidget;

// Every GUI test: a profile of its own (an empty INI file in a temporary folder) and a modal
// script that must be used up by the end of the test.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ModalScript& Script() { return *m_pScript; }
    // The profile file of this test.
    QString ProfilePath() const;

private:
    std::unique_ptr<QTemporaryDir> m_pFolder;
    std::unique_ptr<ModalScript> m_pScript;
};

// What a message box showed.
struct MessageBoxSeen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
};

// Answers a message box with button, recording what it showed into seen (when given).
ModalHandler AnswerMessageBox(QMessageBox::StandardButton button, MessageBoxSeen* seen = nullptr);

// Clicks the control id of a CDialog (the handler receives the dialog as QDialog&).
void ClickDlgItem(QDialog& dialog, int id);
// Sends a key press and release to the widget with focus in dialog (or the dialog itself).
void PressKey(QDialog& dialog, int key);

// The pixel at (x, y) of an image, as 0xRRGGBB.
unsigned int PixelOf(const QImage& image, int x, int y);
