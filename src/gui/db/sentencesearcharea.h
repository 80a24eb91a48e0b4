#pragma once
// The sentence pane's search area: texts for the sentence, the description and the category,
// the area types and "AND".
#include "db/sentencesearch.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TSentenceSearchArea : public QWidget {
    Q_OBJECT
public:
    explicit TSentenceSearchArea(QWidget* parent);

    // What is filled in, in document text.
    TSentenceSearch Criteria() const;
    // Empties the fields and the boxes ("AND" keeps its state).
    void Clear();
    void SetCategories(const TStrings& categories);
    void SetCancelEnabled(bool enabled);

signals:
    void SearchClicked();
    void CancelClicked();

private:
    QLineEdit* m_text;
    QLineEdit* m_desc;
    QComboBox* m_category;
    QGroupBox* m_types;
    QCheckBox* m_and;
    QPushButton* m_search;
    QPushButton* m_cancel;
};
