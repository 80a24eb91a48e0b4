#pragma once
// The sentence pane's editor: the sentence, its category, description and area types, shown
// read-only until "Add sentence" or "Edit sentence" opens the edit mode.
#include "db/sentence.h"
#include "model/types.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TSentenceEditor : public QWidget {
    Q_OBJECT
public:
    explicit TSentenceEditor(QWidget* parent);

    // Shows a sentence; none empties the three fields and keeps the boxes.
    void Show(const TSentence* sentence);
    void Clear();
    // The fields, trimmed, and the ticked boxes into the sentence.
    void Read(TSentence& sentence) const;
    // The category text is one of the list's values.
    bool CategoryListed() const;
    void SetCategories(const TStrings& categories);

    // Edit mode: the fields writable on the aqua background, the save buttons available.
    void SetEditMode(bool editing);
    bool Editing() const { return m_editing; }

signals:
    void SaveClicked();
    void CancelClicked();

private:
    QLineEdit* m_sentence;
    QComboBox* m_category;
    QLineEdit* m_desc;
    QGroupBox* m_types;
    QPushButton* m_save;
    QPushButton* m_cancel;
    bool m_editing = false;
};
