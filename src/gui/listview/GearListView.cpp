#include "gui/listview/GearListView.h"

#include "gui/listview/GearListAccessible.h"
#include "gui/listview/GearTableModel.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Draws the row a drag would drop onto as highlighted.
class DropTargetDelegate : public QStyledItemDelegate
{
public:
    explicit DropTargetDelegate(GearListView* view) : QStyledItemDelegate(view), view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem target(option);
        if (index.row() == view->dropTargetRow())
            target.state |= QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, target, index);
    }

private:
    GearListView* view;
};

} // namespace

GearListView::GearListView(QWidget* parent) : QTableView(parent)
{
    installGearListAccessibility();
    setObjectName(QStringLiteral("gearListView"));
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false); // a heading click sorts through the list's own rules
    setWordWrap(false);
    setTabKeyNavigation(false); // Tab goes on to the buttons
    setAccessibleName(tr("Gear list"));
    setAccessibleDescription(
        tr("Space ticks or unticks the highlighted items, Delete deletes them, a double click modifies one"));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // Dropping onto a row, never between rows. The target row is drawn highlighted, and the list scrolls
    // on a timer while the pointer is above or below it, in place of Qt's frame and edge scrolling.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
    setAutoScroll(false);
    setItemDelegate(new DropTargetDelegate(this));
    dragScroll = new QTimer(this);
    dragScroll->setObjectName(QStringLiteral("dragScrollTimer"));
    dragScroll->setInterval(dragScrollInterval);
    connect(dragScroll, &QTimer::timeout, this, &GearListView::scrollTowardsPointer);
}

QList<int> GearListView::highlightedRows() const
{
    QList<int> rows;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void GearListView::highlightRows(const std::vector<int>& rows)
{
    if (!model() || !selectionModel())
        return;
    QItemSelection selection;
    for (int row : rows)
        selection.select(model()->index(row, 0), model()->index(row, model()->columnCount() - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void GearListView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && plain && currentIndex().isValid()) {
        emit tickKeyPressed(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GearListView::mousePressEvent(QMouseEvent* event)
{
    pressed = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
}

void GearListView::startDrag(Qt::DropActions supportedActions)
{
    // Only the pressed row drags, whatever else is highlighted.
    if (!pressed.isValid() || !(model()->flags(pressed) & Qt::ItemIsDragEnabled))
        return;
    QMimeData* data = model()->mimeData({pressed});
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // The drag shows the row's first cells under the pointer.
    const QModelIndex index = pressed;
    const QRect rowRect = visualRect(index).united(visualRect(index.siblingAtColumn(model()->columnCount() - 1)));
    drag->setPixmap(
        viewport()->grab(QRect(rowRect.topLeft(), QSize(std::min(rowRect.width(), 300), rowRect.height()))));
    dragScroll->start();
    drag->exec(supportedActions & Qt::CopyAction, Qt::CopyAction);
    dragScroll->stop();
    setDropTarget(-1);
    if (const auto dropped = std::exchange(droppedRows, std::nullopt))
        emit rowDropped(dropped->first, dropped->second);
}

void GearListView::scrollTowardsPointer()
{
    const int y = viewport()->mapFromGlobal(QCursor::pos()).y();
    if (y < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (y >= viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void GearListView::setDropTarget(int row)
{
    if (row == dropTarget)
        return;
    dropTarget = row;
    viewport()->update();
}

void GearListView::dragEnterEvent(QDragEnterEvent* event)
{
    droppedRows.reset(); // a new drag over the list
    QTableView::dragEnterEvent(event);
}

void GearListView::dragMoveEvent(QDragMoveEvent* event)
{
    // Qt takes a drop onto a row only while it draws its own drop indicator, so the list decides here.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && model()->canDropMimeData(event->mimeData(), Qt::CopyAction, -1, -1, index)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        setDropTarget(index.row());
    } else {
        event->ignore();
        setDropTarget(-1);
    }
}

void GearListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    QTableView::dragLeaveEvent(event);
    setDropTarget(-1);
}

void GearListView::dropEvent(QDropEvent* event)
{
    setDropTarget(-1);
    setState(NoState); // the drag entered in this state; the base class would leave it here
    // Nothing is copied or moved by the view: the list changes when the drop is reported.
    const QModelIndex index = indexAt(event->position().toPoint());
    const auto* gearModel = qobject_cast<const GearTableModel*>(model());
    if (!index.isValid() || !gearModel ||
        !gearModel->canDropMimeData(event->mimeData(), Qt::CopyAction, -1, -1, index)) {
        event->ignore();
        return;
    }
    droppedRows = std::pair(gearModel->draggedRow(event->mimeData()), index.row());
    event->acceptProposedAction();
}

void GearListView::contextMenuEvent(QContextMenuEvent* event)
{
    // The viewport passes its context menu events on, in its own coordinates.
    const QModelIndex index = indexAt(event->pos());
    emit rowRightClicked(index.isValid() ? index.row() : -1, event->globalPos());
}
