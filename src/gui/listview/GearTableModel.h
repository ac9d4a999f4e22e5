#pragma once

#include "core/list/GearList.h"
#include "core/settings/SettingsStore.h"

namespace cairnly {
class GearDocument;
}

#include <QAbstractTableModel>

// The list view's model: a thin adapter over the document's list, which tells it of every change, so the
// view never keeps a copy of its own.
class GearTableModel : public QAbstractTableModel, private cairnly::GearListObserver
{
    Q_OBJECT
public:
    GearTableModel(cairnly::GearDocument& document, cairnly::SystemColors systemColors, QObject* parent = nullptr);
    ~GearTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A row dragged onto another: the drag carries the row only; the view reports the drop.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // The row a drag started in this model carries; -1 for anything else.
    int draggedRow(const QMimeData* data) const;

    QColor color(cairnly::ColorValue value) const;

signals:
    // The core refused a change or has something to say.
    void messageRaised(const cairnly::Message& message);

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void rowsChanged(int first, int last) override;
    void aboutToReset() override;
    void reset() override;
    bool holds(const QModelIndex& index) const;

    cairnly::GearDocument& document;
    cairnly::GearList& rows;
    cairnly::SystemColors systemColors;
};

Q_DECLARE_METATYPE(cairnly::Message)
