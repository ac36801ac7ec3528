// The one door every modal dialog goes through: CDialog::DoModal, the message boxes, the
// colour chooser and the file dialogs all call RunModal, never QDialog::exec directly.
//
// In the program RunModal runs the dialog's event loop. A test installs a ModalScript: each
// modal dialog that comes through the door then takes the next queued handler, which is
// called with the real dialog (initialised and shown, inside its own event loop) to inspect
// it and press its buttons:
//
//   ModalScript script;
//   script.Then([](QDialog& box) {
//       auto& mb = dynamic_cast<QMessageBox&>(box);
//       EXPECT_EQ(mb.text(), "Palette file has been saved");
//       mb.button(QMessageBox::Ok)->click();
//   });
//   dlg.SendCommand(ID_FILE_SAVE);
//   EXPECT_TRUE(script.Failures().empty()) << script.Report();
//
// A dialog that comes with no handler queued, or that its handler leaves open, is closed by
// the door (rejected) and recorded as a failure: a test never hangs on a dialog. Work the
// handler queues on the dialog (posted clicks) runs before the door checks that it closed.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QDialog;

// Runs dialog modally; returns its result (the value it was ended with).
int RunModal(QDialog& dialog);

// How many modal dialogs are running right now, nested.
int ModalDepth();

using ModalHandler = std::function<void(QDialog&)>;

class ModalScript {
public:
    // Installs the script for every modal dialog until it is destroyed (scripts nest).
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Queues the answer for the next modal dialog.
    ModalScript& Then(ModalHandler handler);

    // Handlers not used yet.
    int Pending() const { return static_cast<int>(m_handlers.size()); }
    // Window titles of the dialogs that came through the door, in order.
    const std::vector<QString>& Seen() const { return m_seen; }
    const std::vector<QString>& Failures() const { return m_failures; }
    // The failures, one a line, for a test's failure message.
    QString Report() const;

    // Used by RunModal.
    int Run(QDialog& dialog);

private:
    void CheckClosed(QDialog& dialog, int depth, const QString& title,
                     const std::shared_ptr<bool>& running);

    ModalScript* m_pPrevious;
    std::deque<ModalHandler> m_handlers;
    std::vector<QString> m_seen;
    std::vector<QString> m_failures;
};
