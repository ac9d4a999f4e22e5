#include "GearListView.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMouseEvent>

GearListView::GearListView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("gearListView"));
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false); // a heading click sorts through the list's own rules
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // Dropping onto a row, never between rows; the view highlights the target and scrolls by itself.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(true);
    setAutoScroll(true);
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
    dragging = true;
    drag->exec(supportedActions & Qt::CopyAction, Qt::CopyAction);
    dragging = false;
}

void GearListView::contextMenuEvent(QContextMenuEvent* event)
{
    // The viewport passes its context menu events on, in its own coordinates.
    const QModelIndex index = indexAt(event->pos());
    emit rowRightClicked(index.isValid() ? index.row() : -1, event->globalPos());
}
