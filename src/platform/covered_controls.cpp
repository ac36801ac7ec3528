// The client area's accessible interface, without the controls marked as covered.
#include "platform/covered_controls.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char kCoveredProperty[] = "tintoraCoveredForScreenReaders";
const char kClientName[] = "dialogClient";

class ClientInterface : public QAccessibleWidget {
public:
    explicit ClientInterface(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> shown = Shown();
        return index >= 0 && index < shown.size() ? shown[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Shown().indexOf(child));
    }

private:
    QList<QAccessibleInterface*> Shown() const {
        QList<QAccessibleInterface*> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child != nullptr && (child->object() == nullptr ||
                                     !child->object()->property(kCoveredProperty).toBool())) {
                shown.append(child);
            }
        }
        return shown;
    }
};

QAccessibleInterface* ClientFactory(const QString&, QObject* object) {
    if (object != nullptr && object->isWidgetType() &&
        object->objectName() == QLatin1String(kClientName)) {
        return new ClientInterface(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void HideFromScreenReaders(QWidget* control) {
    if (control != nullptr) {
        control->setProperty(kCoveredProperty, true);
    }
}

void InstallCoveredControlsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ClientFactory);
        return true;
    }();
    static_cast<void>(installed);
}
