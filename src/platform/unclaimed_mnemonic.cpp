// The filter for Alt+letters that reach an edit field.
#include "platform/unclaimed_mnemonic.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// A field that would insert the text of a key it receives.
bool TypesText(const QObject* receiver) {
    if (const auto* line = qobject_cast<const QLineEdit*>(receiver)) {
        return !line->isReadOnly();
    }
    if (const auto* text = qobject_cast<const QTextEdit*>(receiver)) {
        return !text->isReadOnly();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(receiver)) {
        return !plain->isReadOnly();
    }
    return qobject_cast<const QAbstractSpinBox*>(receiver) != nullptr;
}

class UnclaimedMnemonicFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !TypesText(watched)) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Ctrl+Alt is AltGr on some keyboards, which does type characters.
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (!(modifiers & Qt::AltModifier) ||
            (modifiers & (Qt::ControlModifier | Qt::MetaModifier))) {
            return false;
        }
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) {
            return false;
        }
        // A mnemonic that matched was taken as a shortcut before the key got here.
        QApplication::beep();
        return true;
    }
};

} // namespace

void InstallUnclaimedMnemonicFilter() {
    static UnclaimedMnemonicFilter* filter = [] {
        auto* created = new UnclaimedMnemonicFilter(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    static_cast<void>(filter);
}
