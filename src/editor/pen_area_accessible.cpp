// The accessible interfaces of the pen area: the area itself, its three tables of pens, a
// pen cell and a swatch.
#include "editor/pen_area_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "editor/pen_area.h"
#include "model/colour.h"

namespace {

// Children of the pen area: the three tables in the order of PenGrid, then the swatches.
constexpr int kSwatchChild = static_cast<int>(kAllGrids.size());
constexpr int kMarkerChild = kSwatchChild + 1;
constexpr int kChildCount = kMarkerChild + 1;

QString ColourDescription(COLORREF colour) {
    return QCoreApplication::translate("Tintora", "R %1, G %2, B %3")
        .arg(RedOf(colour))
        .arg(GreenOf(colour))
        .arg(BlueOf(colour));
}

QString TableName(PenGrid grid) {
    switch (grid) {
    case PenGrid::Main:
        return QCoreApplication::translate("Tintora", "Main pens");
    case PenGrid::Secondary:
        return QCoreApplication::translate("Tintora", "Secondary pens");
    case PenGrid::Standard:
        break;
    }
    return QCoreApplication::translate("Tintora", "Standard pens");
}

// The interfaces of parts that have no widget of their own, made on first use under one
// accessible id each (events name them by it) and deleted with their owner.
class PartIds {
public:
    explicit PartIds(int count) : m_ids(static_cast<std::size_t>(count), 0) {}
    ~PartIds() {
        for (const QAccessible::Id id : m_ids) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }
    PartIds(const PartIds&) = delete;
    PartIds& operator=(const PartIds&) = delete;

    template <typename Make>
    QAccessibleInterface* Get(int index, Make make) {
        if (index < 0 || index >= Count()) {
            return nullptr;
        }
        QAccessible::Id& id = m_ids[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(make());
        }
        return QAccessible::accessibleInterface(id);
    }
    int IndexOf(const QAccessibleInterface* part) const {
        for (int i = 0; i < Count(); ++i) {
            const QAccessible::Id id = m_ids[static_cast<std::size_t>(i)];
            if (id != 0 && QAccessible::accessibleInterface(id) == part) {
                return i;
            }
        }
        return -1;
    }
    int Count() const { return static_cast<int>(m_ids.size()); }

private:
    std::vector<QAccessible::Id> m_ids;
};

// A part of the pen area without a widget: a table, a pen or a swatch.
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

class PenCell : public AreaPart, public QAccessibleTableCellInterface {
public:
    PenCell(PenArea* area, PenGrid grid, int row, int column)
        : AreaPart(area), m_grid(grid), m_nRow(row), m_nColumn(column),
          m_nPen(PenAt(grid, row, column)) {}

    QString text(QAccessible::Text t) const override {
        if (Host() == nullptr) {
            return {};
        }
        if (t == QAccessible::Name) {
            return QCoreApplication::translate("Tintora", "Pen %1").arg(m_nPen);
        }
        if (t != QAccessible::Description) {
            return {};
        }
        // What the sign on the cell tells the eye.
        const QString colour = ColourDescription(Host()->ShownColour(m_nPen));
        return Host()->ShowsLowContrast(m_nPen)
                   ? QCoreApplication::translate("Tintora", "%1, low contrast").arg(colour)
                   : colour;
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        if (isSelected()) {
            state.selected = true;
            state.focused = m_area->hasFocus();
        }
        return state;
    }
    QAccessibleInterface* parent() const override {
        QAccessibleInterface* area = AreaPart::parent();
        return area != nullptr ? area->child(static_cast<int>(m_grid)) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return Host() != nullptr && Host()->SelectedPen() == m_nPen;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_nColumn; }
    int rowIndex() const override { return m_nRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

protected:
    QRect LocalRect() const override { return m_area->PenRect(m_nPen); }

private:
    PenGrid m_grid;
    int m_nRow;
    int m_nColumn;
    int m_nPen;
};

class PenTable : public AreaPart, public QAccessibleTableInterface {
public:
    PenTable(PenArea* area, PenGrid grid)
        : AreaPart(area), m_grid(grid), m_cells(GridRows(grid) * GridColumns(grid)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? TableName(m_grid) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return {}; }
    int childCount() const override { return m_cells.Count(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = GridColumns(m_grid);
        return m_cells.Get(index, [this, index, columns] {
            return new PenCell(m_area.data(), m_grid, index / columns, index % columns);
        });
    }
    int indexOfChild(const QAccessibleInterface* cell) const override {
        return m_cells.IndexOf(cell);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* cell = child(i);
            if (cell->rect().contains(x, y)) {
                return cell;
            }
        }
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        return child(row * columnCount() + column);
    }
    int columnCount() const override { return GridColumns(m_grid); }
    int rowCount() const override { return GridRows(m_grid); }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        const std::optional<GridCell> cell =
            Host() != nullptr ? CellOfPen(Host()->SelectedPen()) : std::nullopt;
        if (!cell || cell->grid != m_grid) {
            return {};
        }
        return {cellAt(cell->row, cell->column)};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

protected:
    QRect LocalRect() const override { return m_area->FrameRect(m_grid); }

private:
    PenGrid m_grid;
    mutable PartIds m_cells;
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
    explicit PenAreaInterface(PenArea* area)
        : QAccessibleWidget(area, QAccessible::Grouping), m_parts(kChildCount) {}

    int childCount() const override { return kChildCount; }
    QAccessibleInterface* child(int index) const override {
        return m_parts.Get(index, [this, index]() -> QAccessibleInterface* {
            if (index < kSwatchChild) {
                return new PenTable(Area(), kAllGrids[static_cast<std::size_t>(index)]);
            }
            return new SwatchPart(Area(), index == kMarkerChild);
        });
    }
    int indexOfChild(const QAccessibleInterface* part) const override {
        return m_parts.IndexOf(part);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < kChildCount; ++i) {
            QAccessibleInterface* part = child(i);
            if (part->rect().contains(x, y)) {
                return part;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Area()->hasFocus() ? PenInterface(Area()->Host().SelectedPen()) : nullptr;
    }

    QAccessibleInterface* PenInterface(int pen) const {
        const std::optional<GridCell> cell = CellOfPen(pen);
        if (!cell) {
            return nullptr;
        }
        auto* table = child(static_cast<int>(cell->grid))->tableInterface();
        return table->cellAt(cell->row, cell->column);
    }

private:
    PenArea* Area() const { return static_cast<PenArea*>(widget()); }

    mutable PartIds m_parts;
};

QAccessibleInterface* PenAreaFactory(const QString&, QObject* object) {
    if (auto* area = dynamic_cast<PenArea*>(object)) {
        return new PenAreaInterface(area);
    }
    return nullptr;
}

PenAreaInterface* InterfaceOf(PenArea& area) {
    return static_cast<PenAreaInterface*>(QAccessible::queryAccessibleInterface(&area));
}

PenAreaListener g_listener = nullptr;

// Without a screen reader the reports go nowhere; the interfaces they name need not be made.
bool Listened() {
    return g_listener != nullptr || QAccessible::isActive();
}

void Report(QAccessibleEvent& event) {
    if (g_listener != nullptr) {
        g_listener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

void Send(QAccessibleInterface* part, QAccessible::Event type) {
    if (part != nullptr) {
        QAccessibleEvent event(part, type);
        Report(event);
    }
}

} // namespace

void InstallPenAreaAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&PenAreaFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void ListenToPenArea(PenAreaListener listener) {
    g_listener = listener;
}

void NotifyPenSelection(PenArea& area, int oldPen, int newPen) {
    if (!Listened()) {
        return;
    }
    PenAreaInterface* pens = InterfaceOf(area);
    QAccessible::State selected;
    selected.selected = true;
    for (const int pen : {oldPen, newPen}) {
        if (QAccessibleInterface* cell = pens->PenInterface(pen)) {
            QAccessibleStateChangeEvent change(cell, selected);
            Report(change);
        }
    }
    // The swatch now shows another pen: its name and its colour.
    Send(pens->child(kSwatchChild), QAccessible::NameChanged);
    Send(pens->child(kSwatchChild), QAccessible::DescriptionChanged);
    if (area.hasFocus()) {
        Send(pens->PenInterface(newPen), QAccessible::Focus);
    }
}

void NotifyPenFocus(PenArea& area) {
    if (Listened() && area.hasFocus()) {
        Send(InterfaceOf(area)->PenInterface(area.Host().SelectedPen()), QAccessible::Focus);
    }
}

void NotifyColourChanged(PenArea& area, int pen) {
    if (!Listened()) {
        return;
    }
    PenAreaInterface* pens = InterfaceOf(area);
    Send(pens->PenInterface(pen), QAccessible::DescriptionChanged);
    if (pen == 0) {
        Send(pens->child(kMarkerChild), QAccessible::DescriptionChanged);
    } else if (pen == area.Host().SelectedPen()) {
        Send(pens->child(kSwatchChild), QAccessible::DescriptionChanged);
    }
}
