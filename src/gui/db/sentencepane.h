#pragma once
// The sentence database pane: the grid of listed sentences with its counter and commands,
// the editor and the search area, plus the database's file commands and imports. It talks
// to the documents and the core only.
#include "db/sentenceimport.h"
#include "gui/document/sentencedocument.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QSplitter;
class QTableView;
class QToolButton;
class TAreaDocument;
class TAsker;
class TSentenceEditor;
class TSentenceModel;
class TSentenceSearchArea;

class TSentencePane : public QWidget {
    Q_OBJECT
public:
    TSentencePane(TSentenceDocument& document, TAreaDocument& area, TAsker& asker, QWidget* parent);

    // --- grid
    // Every listed sentence anew; the counter follows.
    void DisplaySentList();
    void RebuildCategories();
    // Clicking a column title.
    void SortBy(int column);
    void Search();
    // byUser: the button also empties the criteria and goes unavailable.
    void CancelSearch(bool byUser);
    // Row of the grid's current index, -1 when none.
    int CurrentRow() const;
    const TSentence* CurrentSentence() const { return m_current; }

    // --- editing
    void AddClick();
    void EditClick();
    void DeleteClick();
    void SaveChanges();
    void CancelChanges();

    // --- files; Save returns false when cancelled or failed (the failure is reported)
    void NewDatabase();
    void OpenDatabase();
    bool Save(bool askName);
    // The start-up load; throws on a wrong or damaged file.
    void OpenAtStartup(const std::string& fileName);

    // --- imports
    // The room panel's button: the long description being edited, from the active room.
    void SaveDescription(const std::string& crlfText, bool ctrlHeld);
    void ImportArea(bool ctrlHeld);
    void ImportFile();
    const TImportSettings& ImportSettings() const { return m_import; }

    // --- layout kept in the settings
    QSplitter* ListSplitter() const { return m_listSplitter; }
    QSplitter* DetailSplitter() const { return m_detailSplitter; }
    std::vector<int> ColumnWidths() const;
    // Widths of -1 or less keep the design width.
    void SetColumnWidths(const std::vector<int>& widths);

signals:
    // A double click on a sentence while a room is active: append it to the long description.
    void SentenceChosen(const std::string& sentence);

private:
    void BuildGrid(QWidget* top);
    void SelectRow(int row);
    void RowSelected();
    void DoubleClicked();
    void SetEditMode(bool editing);
    void UpdateUndoButtons();
    void AfterHistory(TSentenceChange change);
    void AfterReplace();
    // The question before New and Open; false when they stop.
    bool SavedOrDiscarded();
    void EnterCategory(TImportSettings& settings, bool ctrlHeld);
    void ShowImportResult(const TImportCounters& counters);

    TSentenceDocument& m_document;
    TAreaDocument& m_area;
    TAsker& m_asker;
    TSentenceModel* m_model;
    QTableView* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_edit = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_undo = nullptr;
    QToolButton* m_redo = nullptr;
    TSentenceEditor* m_editor;
    TSentenceSearchArea* m_search;
    QSplitter* m_listSplitter;
    QSplitter* m_detailSplitter;

    TSentence* m_current = nullptr;
    bool m_adding = false;
    TImportSettings m_import;
};
