#include "gui/db/itemlistmodel.h"

#include "gui/document/doctext.h"
#include "gui/document/itemdocument.h"

TItemListModel::TItemListModel(const TItemDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
}

int TItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_document.View().size());
}

int TItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TItemListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const TItem* item = m_document.View().at(static_cast<size_t>(index.row()));
    return DocToQt(index.column() == IdColumn ? item->ID : item->SynonymsText(false));
}

QVariant TItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == IdColumn ? QStringLiteral("ID") : QStringLiteral("Synonyms");
}

void TItemListModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void TItemListModel::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
