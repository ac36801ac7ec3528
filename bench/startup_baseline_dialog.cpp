// The yardstick of the start-up benchmark: the smallest useful Qt Widgets program, one
// modal dialog with a caption, a line of text and an OK button. startup_bench runs it
// exactly as it runs the editor and compares the two times to the first painted frame.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Baseline"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("A minimal dialog."), &dialog);
    // startup_bench checks that the frame it times holds this label.
    label->setObjectName(QStringLiteral("baselineLabel"));
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
