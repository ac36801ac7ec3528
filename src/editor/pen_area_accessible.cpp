// The accessible interfaces of the pen area: the area itself, a pen, a swatch.
#include "editor/pen_area_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <array>

#include "editor/pen_area.h"
#include "model/colour.h"

namespace {

constexpr int kPenChildren = 255; // pens 1 to 255 are children 0 to 254
constexpr int kSwatchChild = kPenChildren;
constexpr int kMarkerChild = kPenChildren + 1;
constexpr int kChildCount = kPenChildren + 2;

QString ColourDescription(COLORREF colour) {
    return QCoreApplication::translate("Tintora", "R %1, G %2, B %3")
        .arg(RedOf(colour))
        .arg(GreenOf(colour))
        .arg(BlueOf(colour));
}

// A part of the pen area that has no widget of its own: a pen or a swatch.
class AreaPart : public QAccessibleInterface {
public:
    explicit AreaPart(PenArea* area) : m_area(area) {}

    bool isValid() const override { return !m_area.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_area ? m_area->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_area ? QAccessible::queryAccessibleInterface(m_area.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_area) {
            return {};
        }
        const QRect local = LocalRect();
        return {m_area->mapToGlobal(local.topLeft()), local.size()};
    }

protected:
    virtual QRect LocalRect() const = 0;
    PenAreaHost* Host() const { return m_area ? &m_area->Host() : nullptr; }

    QPointer<PenArea> m_area;
};

class PenPart : public AreaPart {
public:
    PenPart(PenArea* area, int pen) : AreaPart(area), m_nPen(pen) {}

    QString text(QAccessible::Text t) const override {
        if (Host() == nullptr) {
            return {};
        }
        if (t == QAccessible::Name) {
            return QCoreApplication::translate("Tintora", "Pen %1").arg(m_nPen);
        }
        return t == QAccessible::Description ? ColourDescription(Host()->ShownColour(m_nPen))
                                             : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        if (Host() != nullptr && Host()->SelectedPen() == m_nPen) {
            state.selected = true;
            state.focused = m_area->hasFocus();
        }
        return state;
    }

protected:
    QRect LocalRect() const override { return m_area->PenRect(m_nPen); }

private:
    int m_nPen;
};

class SwatchPart : public AreaPart, public QAccessibleActionInterface {
public:
    SwatchPart(PenArea* area, bool marker) : AreaPart(area), m_bMarker(marker) {}

    QString text(QAccessible::Text t) const override {
        if (Host() == nullptr) {
            return {};
        }
        if (t == QAccessible::Name) {
            return m_bMarker ? QCoreApplication::translate("Tintora", "Marker pen")
                             : QCoreApplication::translate("Tintora", "Selected pen %1")
                                   .arg(Host()->SelectedPen());
        }
        return t == QAccessible::Description ? ColourDescription(Host()->ShownColour(Pen()))
                                             : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction()) {
            return {};
        }
        return {m_bMarker ? QStringLiteral("Shift+Space") : QStringLiteral("Space")};
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || !m_area) {
            return;
        }
        // The chooser is modal: it runs after the request that asked for it has returned.
        QPointer<PenArea> area = m_area;
        const bool marker = m_bMarker;
        QTimer::singleShot(0, area, [area, marker]() {
            if (area) {
                area->Host().EditPen(marker ? 0 : area->Host().SelectedPen());
            }
        });
    }

protected:
    QRect LocalRect() const override { return m_area->SwatchRect(m_bMarker); }

private:
    int Pen() const { return m_bMarker ? 0 : Host()->SelectedPen(); }

    bool m_bMarker;
};

class PenAreaInterface : public QAccessibleWidget {
public:
    explicit PenAreaInterface(PenArea* area) : QAccessibleWidget(area, QAccessible::Grouping) {
        m_ids.fill(0);
    }
    ~PenAreaInterface() override {
        for (const QAccessible::Id id : m_ids) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return kChildCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kChildCount) {
            return nullptr;
        }
        QAccessible::Id& id = m_ids[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(MakePart(index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kChildCount; ++i) {
            const QAccessible::Id id = m_ids[static_cast<std::size_t>(i)];
            if (id != 0 && QAccessible::accessibleInterface(id) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = Area()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < kChildCount; ++i) {
            if (LocalRectOf(i).contains(local)) {
                return child(i);
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Area()->hasFocus() ? child(Area()->Host().SelectedPen() - 1) : nullptr;
    }

private:
    PenArea* Area() const { return static_cast<PenArea*>(widget()); }
    QAccessibleInterface* MakePart(int index) const {
        if (index < kPenChildren) {
            return new PenPart(Area(), index + 1);
        }
        return new SwatchPart(Area(), index == kMarkerChild);
    }
    QRect LocalRectOf(int index) const {
        if (index < kPenChildren) {
            return Area()->PenRect(index + 1);
        }
        return Area()->SwatchRect(index == kMarkerChild);
    }

    mutable std::array<QAccessible::Id, kChildCount> m_ids{};
};

QAccessibleInterface* PenAreaFactory(const QString&, QObject* object) {
    if (auto* area = dynamic_cast<PenArea*>(object)) {
        return new PenAreaInterface(area);
    }
    return nullptr;
}

void Notify(QAccessibleEvent& event, int child) {
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallPenAreaAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&PenAreaFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void NotifyPenSelection(PenArea& area, int oldPen, int newPen) {
    if (!QAccessible::isActive()) {
        return; // nobody listens
    }
    QAccessible::State selected;
    selected.selected = true;
    for (const int pen : {oldPen, newPen}) {
        QAccessibleStateChangeEvent change(&area, selected);
        Notify(change, pen - 1);
    }
    QAccessibleEvent renamed(&area, QAccessible::NameChanged);
    Notify(renamed, kSwatchChild);
    if (area.hasFocus()) {
        QAccessibleEvent focus(&area, QAccessible::Focus);
        Notify(focus, newPen - 1);
    }
}
