// The modal door's test script: answers reach the real, shown dialog; forgotten or missing
// answers are failures, never hangs.
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/modal_door.h"

namespace {

TEST(ModalDoor, ForgottenOrUnexpectedDialogIsClosedAndReported) {
    for (bool answered : {true, false}) {
        ModalScript script;
        if (answered) {
            script.Then([](QDialog&) {}); // leaves it open
        }
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Forgotten"));
        EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(script.Failures().size(), 1u);
        EXPECT_TRUE(script.Failures()[0].contains(QStringLiteral("Forgotten")));
    }
}

TEST(ModalDoor, NestedDialogsAreAnsweredInOrder) {
    ModalScript script;
    QDialog outer;
    outer.setWindowTitle(QStringLiteral("Outer"));
    bool outerVisible = false;
    QPushButton* ask = new QPushButton(&outer);
    int innerDepth = 0;
    QObject::connect(ask, &QPushButton::clicked, &outer, [&]() {
        QDialog inner(&outer);
        inner.setWindowTitle(QStringLiteral("Inner"));
        if (RunModal(inner) == 5) {
            outer.done(9);
        }
    });
    // The outer dialog posts its click, so it stays open while the inner one runs; the door
    // must not take it for a dialog left open.
    script.Then([&outerVisible, ask](QDialog& d) {
        outerVisible = d.isVisible() && ModalDepth() == 1;
        QTimer::singleShot(0, ask, &QPushButton::click);
    });
    script.Then([&](QDialog& inner) {
        innerDepth = ModalDepth();
        inner.done(5);
    });
    EXPECT_EQ(RunModal(outer), 9);
    EXPECT_TRUE(outerVisible);
    EXPECT_EQ(innerDepth, 2);
    EXPECT_EQ(ModalDepth(), 0);
    EXPECT_EQ(script.Seen(),
              (std::vector<QString>{QStringLiteral("Outer"), QStringLiteral("Inner")}));
    EXPECT_TRUE(script.Failures().empty()) << script.Report().toStdString();
}

} // namespace
