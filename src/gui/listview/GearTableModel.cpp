#include "gui/listview/GearTableModel.h"

#include "core/document/GearDocument.h"
#include "gui/support/SystemColors.h"
#include "gui/support/Text.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

using cairnly::RowKind;

namespace {

const QString rowMimeType = QStringLiteral("application/x-cairnly-row");

Qt::Alignment alignmentOf(cairnly::ColumnFormat format)
{
    switch (format) {
    case cairnly::FormatRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case cairnly::FormatCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

GearTableModel::GearTableModel(cairnly::GearDocument& document, cairnly::SystemColors systemColors, QObject* parent)
    : QAbstractTableModel(parent), document(document), rows(document.list()), systemColors(std::move(systemColors))
{
    qRegisterMetaType<cairnly::Message>();
    rows.setObserver(this);
}

GearTableModel::~GearTableModel()
{
    rows.setObserver(nullptr);
}

int GearTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.rowCount();
}

int GearTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.columnCount();
}

// Asked quietly: Qt's checkIndex warns about the invalid indexes views legitimately ask about.
bool GearTableModel::holds(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && !index.parent().isValid() && index.row() < rows.rowCount() &&
           index.column() < rows.columnCount();
}

QColor GearTableModel::color(cairnly::ColorValue value) const
{
    return toQColor(value, systemColors);
}

QVariant GearTableModel::data(const QModelIndex& index, int role) const
{
    if (!holds(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return fromCp1252(document.cellText(index.row(), index.column()));
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return rows.isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole:
        return color(document.cellColor(index.row(), index.column()));
    case Qt::ForegroundRole:
        return QColor(Qt::black); // the list's own colours are light whatever the desktop theme is
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(rows.columns().columns[index.column()].format));
    default:
        return {};
    }
}

QVariant GearTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= rows.columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return fromCp1252(rows.columns().columns[section].heading);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(rows.columns().columns[section].format));
    return {};
}

Qt::ItemFlags GearTableModel::flags(const QModelIndex& index) const
{
    if (!holds(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    // Only items drag: never a group row or a member row.
    if (rows.kind(index.row()) == RowKind::Item)
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

bool GearTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 || !holds(index))
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    if (auto refusal = rows.setChecked(index.row(), checked)) {
        emit messageRaised(*refusal);
        return false;
    }
    return rows.isChecked(index.row()) == checked;
}

QStringList GearTableModel::mimeTypes() const
{
    return {rowMimeType};
}

QMimeData* GearTableModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    // The model's address tells its own drags from anything dropped from elsewhere.
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << quintptr(this) << indexes.front().row();
    auto* data = new QMimeData;
    data->setData(rowMimeType, bytes);
    return data;
}

int GearTableModel::draggedRow(const QMimeData* data) const
{
    if (!data || !data->hasFormat(rowMimeType))
        return -1;
    QDataStream stream(data->data(rowMimeType));
    quintptr owner = 0;
    int row = -1;
    stream >> owner >> row;
    if (stream.status() != QDataStream::Ok || owner != quintptr(this) || row < 0 || row >= rows.rowCount())
        return -1;
    return row;
}

Qt::DropActions GearTableModel::supportedDropActions() const
{
    return Qt::CopyAction;
}

Qt::DropActions GearTableModel::supportedDragActions() const
{
    return Qt::CopyAction;
}

bool GearTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex& parent) const
{
    return parent.isValid() && draggedRow(data) >= 0;
}

void GearTableModel::rowsAboutToBeInserted(int first, int last)
{
    beginInsertRows(QModelIndex(), first, last);
}

void GearTableModel::rowsInserted()
{
    endInsertRows();
}

void GearTableModel::rowsAboutToBeRemoved(int first, int last)
{
    beginRemoveRows(QModelIndex(), first, last);
}

void GearTableModel::rowsRemoved()
{
    endRemoveRows();
}

void GearTableModel::rowsChanged(int first, int last)
{
    if (rows.columnCount() > 0)
        emit dataChanged(index(first, 0), index(last, rows.columnCount() - 1));
}

void GearTableModel::aboutToReset()
{
    beginResetModel();
}

void GearTableModel::reset()
{
    endResetModel();
}
