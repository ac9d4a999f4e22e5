#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

#include <optional>
#include <utility>
#include <vector>

class QTimer;

// The gear list: a grid with full-row selection, movable headings, and one row dragged onto another. The
// arrows move in it, Tab leaves it, Space ticks.
class GearListView : public QTableView
{
    Q_OBJECT
public:
    // While a drag runs the list scrolls one line this often as long as the pointer is above or below the
    // rows.
    static constexpr int dragScrollInterval = 200;

    explicit GearListView(QWidget* parent = nullptr);

    // The highlighted rows, in ascending order.
    QList<int> highlightedRows() const;
    // Highlights exactly these rows, whole.
    void highlightRows(const std::vector<int>& rows);
    // The row a drag is over and would drop onto, drawn highlighted; -1 for none.
    int dropTargetRow() const { return dropTarget; }

signals:
    // A right click on a row (-1 for empty space), at a point in global coordinates.
    void rowRightClicked(int row, const QPoint& globalPosition);
    // A row was dragged onto another; told once the drag has ended, so the list may change.
    void rowDropped(int source, int target);
    // Space on the current row, whichever column has the focus.
    void tickKeyPressed(int currentRow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setDropTarget(int row);
    void scrollTowardsPointer();

    QPersistentModelIndex pressed;
    int dropTarget = -1;
    std::optional<std::pair<int, int>> droppedRows; // the source and target rows of the drop just made
    QTimer* dragScroll;                             // "dragScrollTimer"
};
