#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

// The gear list: a grid with full-row selection, movable headings, and one row dragged onto another.
class GearListView : public QTableView
{
    Q_OBJECT
public:
    explicit GearListView(QWidget* parent = nullptr);

    // The highlighted rows, in ascending order.
    QList<int> highlightedRows() const;
    // True while a drag started here has not ended.
    bool isDragging() const { return dragging; }

signals:
    // A right click on a row (-1 for empty space), at a point in global coordinates.
    void rowRightClicked(int row, const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPersistentModelIndex pressed;
    bool dragging = false;
};
