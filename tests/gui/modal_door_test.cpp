// The modal door's test script: answers reach the real, shown dialog; forgotten or missing
// answers are failures, never hangs.
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/modal_door.h"

namespace {

TEST(ModalDoor, HandlerGetsTheShownDialogInsideItsLoop) {
    ModalScript script;
    bool visible = false;
    int depth = 0;
    script.Then([&](QDialog& dialog) {
        visible = dialog.isVisible();
        depth = ModalDepth();
        dialog.done(7);
    });
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("First"));
    EXPECT_EQ(RunModal(dialog), 7);
    EXPECT_TRUE(visible);
    EXPECT_EQ(depth, 1);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(script.Seen(), std::vector<QString>{QStringLiteral("First")});
    EXPECT_EQ(ModalDepth(), 0);
}

TEST(ModalDoor, DialogLeftOpenIsClosedAndReported) {
    ModalScript script;
    script.Then([](QDialog&) {});
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Forgotten"));
    EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
    ASSERT_EQ(script.Failures().size(), 1u);
    EXPECT_TRUE(script.Failures()[0].contains(QStringLiteral("Forgotten")));
}

TEST(ModalDoor, DialogWithoutAnswerIsReportedNotShown) {
    ModalScript script;
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Unexpected"));
    EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(script.Failures().size(), 1u);
    EXPECT_TRUE(script.Failures()[0].contains(QStringLiteral("Unexpected")));
}

TEST(ModalDoor, PostedClickClosesBeforeTheCheck) {
    ModalScript script;
    script.Then(
        [](QDialog& dialog) { QTimer::singleShot(0, &dialog, [&dialog]() { dialog.accept(); }); });
    QDialog dialog;
    EXPECT_EQ(RunModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(script.Failures().empty()) << script.Report().toStdString();
}

TEST(ModalDoor, NestedDialogsAnsweredInOrder) {
    ModalScript script;
    QDialog outer;
    QPushButton* ask = new QPushButton(&outer);
    int innerDepth = 0;
    QObject::connect(ask, &QPushButton::clicked, &outer, [&]() {
        QDialog inner(&outer);
        if (RunModal(inner) == 5) {
            outer.done(9);
        }
    });
    // The outer dialog posts its click, so it stays open while the inner one runs; the door
    // must not take it for a dialog left open.
    script.Then([ask](QDialog&) { QTimer::singleShot(0, ask, &QPushButton::click); });
    script.Then([&](QDialog& inner) {
        innerDepth = ModalDepth();
        inner.done(5);
    });
    EXPECT_EQ(RunModal(outer), 9);
    EXPECT_EQ(innerDepth, 2);
    EXPECT_TRUE(script.Failures().empty()) << script.Report().toStdString();
}

} // namespace
