#pragma once
// The item grid's rows: the document's listed items, read on demand, so that a long list
// costs nothing until its rows are painted.
#include <QAbstractTableModel>

class TItemDocument;

class TItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TItemListModel(const TItemDocument& document, QObject* parent = nullptr);

    enum : int { IdColumn = 0, SynonymsColumn = 1, ColumnCount = 2 };

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The listed items changed as a whole.
    void Reset();
    // One item's texts changed.
    void RowChanged(int row);

private:
    const TItemDocument& m_document;
};
