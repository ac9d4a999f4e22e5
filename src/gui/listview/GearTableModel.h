#pragma once

#include "core/list/GearRows.h"
#include "core/settings/SettingsStore.h"

#include <QAbstractTableModel>

// The list view's model: a thin adapter over the core rows, which tell it of every change, so the view
// never keeps a copy of its own.
class GearTableModel : public QAbstractTableModel, private cairnly::GearRowsObserver
{
    Q_OBJECT
public:
    GearTableModel(cairnly::GearRows& rows, cairnly::SystemColors systemColors, QObject* parent = nullptr);
    ~GearTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A row dragged onto another: the drag carries the row only, and the drop only reports it.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    QColor color(cairnly::ColorValue value) const;

signals:
    // The core refused a change or has something to say.
    void messageRaised(const cairnly::Message& message);
    // Button states, the total line, menu texts or the columns changed.
    void listStatesChanged();
    // A row was dropped onto another.
    void rowDropped(int source, int target);

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void rowsChanged(int first, int last) override;
    void aboutToReset() override;
    void reset() override;
    void statesChanged() override;
    int draggedRow(const QMimeData* data) const;
    bool holds(const QModelIndex& index) const;

    cairnly::GearRows& rows;
    cairnly::SystemColors systemColors;
};

Q_DECLARE_METATYPE(cairnly::Message)
