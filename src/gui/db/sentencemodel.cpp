#include "gui/db/sentencemodel.h"

#include "gui/document/doctext.h"
#include "gui/document/sentencedocument.h"

TSentenceModel::TSentenceModel(const TSentenceDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document)
{
}

int TSentenceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_document.View().size());
}

int TSentenceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TSentenceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TSentence& s = *m_document.View()[static_cast<size_t>(index.row())];
    if (role == Qt::ToolTipRole)
        return DocToQt(s.Sentence);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return DocToQt(s.Sentence);
    case 1: return DocToQt(s.Category);
    case 2: return QString::fromLatin1(AreaTypesToStr2(s.AreaTypes));
    case 3: return DocToQt(s.Desc);
    default: return {};
    }
}

QVariant TSentenceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const titles[ColumnCount] = {"Sentence", "Category", "Area type", "Desc"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(titles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TSentenceModel::Relist()
{
    beginResetModel();
    endResetModel();
}

void TSentenceModel::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
