// RunModal and the test script behind it.
#include "platform/modal_door.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <memory>

namespace {

ModalScript* g_script = nullptr;
int g_depth = 0;

// Posts a call once the watched dialog has been shown (exec shows it, then runs its loop).
class ShowWatcher : public QObject {
public:
    ShowWatcher(QDialog& dialog, std::function<void()> onShown)
        : m_dialog(dialog), m_onShown(std::move(onShown)) {
        if (dialog.isVisible()) {
            Post();
        } else {
            dialog.installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_dialog && event->type() == QEvent::Show && m_onShown) {
            Post();
        }
        return false;
    }

private:
    void Post() {
        QTimer::singleShot(0, &m_dialog, std::move(m_onShown));
        m_onShown = nullptr;
    }

    QDialog& m_dialog;
    std::function<void()> m_onShown;
};

struct DepthGuard {
    DepthGuard() { ++g_depth; }
    ~DepthGuard() { --g_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

} // namespace

int RunModal(QDialog& dialog) {
    DepthGuard depth;
    if (g_script != nullptr) {
        return g_script->Run(dialog);
    }
    return dialog.exec();
}

int ModalDepth() {
    return g_depth;
}

ModalScript::ModalScript() : m_pPrevious(g_script) {
    g_script = this;
}

ModalScript::~ModalScript() {
    g_script = m_pPrevious;
}

ModalScript& ModalScript::Then(ModalHandler handler) {
    m_handlers.push_back(std::move(handler));
    return *this;
}

QString ModalScript::Report() const {
    QString text;
    for (const QString& failure : m_failures) {
        text += failure + QLatin1Char('\n');
    }
    return text;
}

int ModalScript::Run(QDialog& dialog) {
    const QString title = dialog.windowTitle();
    m_seen.push_back(title);
    if (m_handlers.empty()) {
        m_failures.push_back(QStringLiteral("no answer queued for the dialog \"%1\"").arg(title));
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    ModalHandler handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    const int depth = ModalDepth();
    // Calls posted to the dialog may outlive its loop; they do nothing once it has ended.
    auto running = std::make_shared<bool>(true);
    std::function<void()> answer = [this, &dialog, running, depth, title, handler]() {
        if (!*running || !dialog.isVisible()) {
            return;
        }
        handler(dialog);
        CheckClosed(dialog, depth, title, running);
    };
    ShowWatcher watcher(dialog, answer);
    const int result = dialog.exec();
    *running = false;
    return result;
}

void ModalScript::CheckClosed(QDialog& dialog, int depth, const QString& title,
                              const std::shared_ptr<bool>& running) {
    // Posted after whatever the handler posted, so queued clicks have their effect first.
    QTimer::singleShot(0, &dialog, [this, &dialog, depth, title, running]() {
        if (!*running || !dialog.isVisible()) {
            return;
        }
        if (ModalDepth() > depth) {
            // A dialog opened by this one is still running: look again after it.
            CheckClosed(dialog, depth, title, running);
            return;
        }
        m_failures.push_back(QStringLiteral("the dialog \"%1\" was left open").arg(title));
        dialog.done(QDialog::Rejected);
    });
}
