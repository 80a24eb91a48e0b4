#pragma once
// The sentence grid's rows: one per listed sentence, read from the document's view on demand,
// so that listing 100,000 sentences costs no widget per cell.
#include <QAbstractTableModel>

class TSentenceDocument;

class TSentenceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 4;

    explicit TSentenceModel(const TSentenceDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The view was replaced, searched or sorted: every row anew.
    void Relist();
    // One row's sentence changed in place.
    void RowChanged(int row);

private:
    const TSentenceDocument& m_document;
};
