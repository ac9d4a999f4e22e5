#include "gui/listview/GearListAccessible.h"

#include "gui/listview/GearListView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QWindow>

namespace {

// Qt's view names the table's children in its focus and selection events by a numbering of its own: a
// heading row and a column of row headings (hidden here, but counted) come first, so that cell (r, c) is
// child (r + 1) * (columns + 1) + c + 1. The table below numbers its children the same way; -1 stands for
// the heading row or the row headings' column.
int slotOf(const QAbstractItemModel* model, int row, int column)
{
    return (row + 1) * (model->columnCount() + 1) + column + 1;
}

QWindow* windowOf(const QWidget* widget)
{
    return widget ? widget->window()->windowHandle() : nullptr;
}

// A part of the list without children of its own: a cell or a heading.
class PartOfList : public QAccessibleInterface
{
public:
    explicit PartOfList(GearListView* view) : view(view) {}

    const GearListView* owner() const { return view; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return windowOf(view); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

protected:
    QPointer<GearListView> view;
};

// A cell of the list. The first cell of every row is a check box, ticked or not, and toggling it ticks.
class ListCell : public PartOfList, public QAccessibleTableCellInterface, public QAccessibleActionInterface
{
public:
    ListCell(GearListView* view, int row, int column)
        : PartOfList(view), row(row), column(column), announcedChecked(checked())
    {}

    bool isValid() const override
    {
        return view && view->model() && row < view->model()->rowCount() && column < view->model()->columnCount();
    }

    // A box's cell shows the category, or nothing below a block's first row: its description names the item
    // it ticks.
    QString text(QAccessible::Text type) const override
    {
        if (!isValid())
            return {};
        if (type == QAccessible::Name)
            return index().data().toString();
        if (type == QAccessible::Description && checkable())
            return index().siblingAtColumn(1).data().toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        return view->visualRect(index()).translated(view->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    // A desktop bridge that knows no "checkable" (Qt's AT-SPI bridge does not send it) still tells a box by
    // its role; an unticked box is then one without "checked".
    QAccessible::Role role() const override { return checkable() ? QAccessible::CheckBox : QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (!view->viewport()->rect().intersects(view->visualRect(index())))
            state.invisible = state.offscreen = true;
        state.selectable = state.focusable = true;
        state.extSelectable = view->selectionMode() == QAbstractItemView::ExtendedSelection;
        state.selected = view->selectionModel()->isSelected(index());
        state.focused = view->currentIndex() == index();
        if (checkable()) {
            state.checkable = true;
            state.checked = checked();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && view->selectionModel()->isSelected(index()); }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* table = parent();
        QAccessibleInterface* heading = table ? table->child(slotOf(view->model(), -1, column)) : nullptr;
        return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override
    {
        if (!isValid())
            return {};
        QStringList names{setFocusAction()};
        if (checkable())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        if (name == toggleAction() && checkable()) {
            view->model()->setData(index(), checked() ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        } else if (name == setFocusAction()) {
            view->setFocus(Qt::OtherFocusReason);
            view->selectionModel()->setCurrentIndex(index(),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

    // True once when the tick is not the one last announced.
    bool tickChanged()
    {
        if (!isValid() || !checkable() || checked() == announcedChecked)
            return false;
        announcedChecked = !announcedChecked;
        return true;
    }

private:
    QModelIndex index() const { return view->model()->index(row, column); }
    bool checkable() const { return index().flags() & Qt::ItemIsUserCheckable; }
    bool checked() const { return isValid() && index().data(Qt::CheckStateRole).toInt() == Qt::Checked; }

    int row;
    int column;
    bool announcedChecked;
};

// A column heading, a row heading (hidden) or the corner between them (section -1 of the row headings).
class ListHeading : public PartOfList
{
public:
    ListHeading(GearListView* view, Qt::Orientation orientation, int section)
        : PartOfList(view), orientation(orientation), section(section)
    {}

    int slot() const
    {
        return orientation == Qt::Horizontal ? slotOf(view->model(), -1, section) : slotOf(view->model(), section, -1);
    }
    bool isValid() const override
    {
        if (!view || !view->model())
            return false;
        return section < (orientation == Qt::Horizontal ? view->model()->columnCount() : view->model()->rowCount());
    }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || section < 0 || !isValid())
            return {};
        return view->model()->headerData(section, orientation).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid() || !shown())
            return {};
        const QHeaderView* header = view->horizontalHeader();
        return QRect(header->sectionViewportPosition(section), 0, header->sectionSize(section), header->height())
            .translated(header->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        if (section < 0)
            return QAccessible::Pane;
        return orientation == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            state.invalid = true;
        else if (!shown())
            state.invisible = true;
        return state;
    }

private:
    bool shown() const
    {
        return orientation == Qt::Horizontal && section >= 0 && view->horizontalHeader()->isVisible();
    }

    Qt::Orientation orientation;
    int section;
};

class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ListAccessible(GearListView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~ListAccessible() override { forgetChildren(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return model() ? (rowCount() + 1) * (columnCount() + 1) : 0; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = children.constFind(index); known != children.cend())
            return QAccessible::accessibleInterface(*known);
        const int columns = columnCount() + 1;
        const int row = index / columns - 1;
        const int column = index % columns - 1;
        QAccessibleInterface* made = nullptr;
        if (row >= 0 && column >= 0)
            made = new ListCell(view(), row, column);
        else if (column >= 0)
            made = new ListHeading(view(), Qt::Horizontal, column);
        else
            made = new ListHeading(view(), Qt::Vertical, row);
        children.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = dynamic_cast<const ListCell*>(child); cell && cell->owner() == view())
            return slotOf(model(), cell->rowIndex(), cell->columnIndex());
        if (const auto* heading = dynamic_cast<const ListHeading*>(child); heading && heading->owner() == view())
            return heading->slot();
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint global(x, y);
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(global));
        if (index.isValid())
            return child(slotOf(model(), index.row(), index.column()));
        const QHeaderView* header = view()->horizontalHeader();
        const QPoint inHeader = header->viewport()->mapFromGlobal(global);
        if (header->isVisible() && header->viewport()->rect().contains(inHeader)) {
            const int column = header->logicalIndexAt(inHeader);
            if (column >= 0)
                return child(slotOf(model(), -1, column));
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex current = view()->currentIndex();
        if (!view()->hasFocus() || !current.isValid())
            return nullptr;
        return child(slotOf(model(), current.row(), current.column()));
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(slotOf(model(), row, column));
    }
    int selectedCellCount() const override { return static_cast<int>(selection()->selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : selection()->selectedIndexes())
            cells.append(cellAt(index.row(), index.column()));
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return model()->headerData(column, Qt::Horizontal).toString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return model() ? model()->columnCount() : 0; }
    int rowCount() const override { return model() ? model()->rowCount() : 0; }
    QList<int> selectedColumns() const override
    {
        QList<int> columns;
        for (const QModelIndex& index : selection()->selectedColumns())
            columns.append(index.column());
        return columns;
    }
    QList<int> selectedRows() const override { return view()->highlightedRows(); }
    bool isColumnSelected(int column) const override { return selection()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return selection()->isRowSelected(row); }
    bool selectRow(int row) override { return select(row, QItemSelectionModel::Select); }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override { return select(row, QItemSelectionModel::Deselect); }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        if (event->modelChangeType() == QAccessibleTableModelChangeEvent::DataChanged) {
            announceTicks(event->firstRow(), event->lastRow());
            return;
        }
        // Rows or columns came or went: the cells are made again as they are asked for.
        forgetChildren();
    }

private:
    GearListView* view() const { return static_cast<GearListView*>(widget()); }
    QAbstractItemModel* model() const { return view()->model(); }
    QItemSelectionModel* selection() const { return view()->selectionModel(); }

    bool select(int row, QItemSelectionModel::SelectionFlag how)
    {
        if (row < 0 || row >= rowCount())
            return false;
        selection()->select(model()->index(row, 0), how | QItemSelectionModel::Rows);
        return true;
    }

    // Only cells a screen reader has asked for can be announced: the one with the focus always is.
    void announceTicks(int first, int last)
    {
        QList<ListCell*> changed;
        for (const QAccessible::Id id : std::as_const(children)) {
            auto* cell = dynamic_cast<ListCell*>(QAccessible::accessibleInterface(id));
            if (cell && cell->columnIndex() == 0 && cell->rowIndex() >= first && cell->rowIndex() <= last &&
                cell->tickChanged())
                changed.append(cell);
        }
        QAccessible::State checked;
        checked.checked = true;
        for (ListCell* cell : changed) {
            QAccessibleStateChangeEvent event(cell, checked);
            QAccessible::updateAccessibility(&event);
        }
    }

    void forgetChildren()
    {
        const QList<QAccessible::Id> ids = children.values();
        children.clear();
        for (const QAccessible::Id id : ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    mutable QHash<int, QAccessible::Id> children; // made as they are asked for
};

QAccessibleInterface* gearListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("GearListView") && object && object->isWidgetType())
        return new ListAccessible(static_cast<GearListView*>(object));
    return nullptr;
}

} // namespace

void installGearListAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gearListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
