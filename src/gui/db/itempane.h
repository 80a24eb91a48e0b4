#pragma once
// The item database panel: the grid of listed items with its counter, the item editor with
// its six text tabs, the search area, and the database's file commands and imports. It
// talks to the item document, the area document (the active room and the area's items)
// and the core only.
#include "db/importcounters.h"
#include "db/itemlist.h"

#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QTabWidget;
class QToolButton;
class TAreaDocument;
class TAsker;
class TItemDocument;
class TItemListModel;

class TItemPane : public QWidget {
    Q_OBJECT
public:
    TItemPane(TItemDocument& items, TAreaDocument& area, TAsker& asker, QWidget* parent);

    // --- file commands; each false when cancelled or refused
    bool New();
    bool Open();
    // Save, or Save as when askName. A failed write throws with name and Modified kept.
    bool Save(bool askName);
    // Start-up: loads the database named in the settings; a damaged file throws after the
    // pane shows what was read.
    void OpenFile(const QString& fileName);
    // The question at closing; false when the program must stay open. A failed save throws.
    bool CloseQuery();

    // --- imports, each closed by its message
    void SaveSelectedItems(const std::vector<const TItem*>& items);
    void ImportArea();
    void ImportFile();

    // --- the layout kept in the settings
    QSplitter* ListSplitter() const { return m_listSplitter; }
    QSplitter* DetailSplitter() const { return m_detailSplitter; }
    QTableView* Grid() const { return m_grid; }

    TItem* CurrentItem() const { return m_current; }

private:
    void BuildGrid(QWidget* parent);
    void BuildEditor(QWidget* parent);
    void BuildSearch(QWidget* parent);

    void DisplayItemList();
    // The grid's current row became row: shows its item.
    void SelectRow(int row);
    void ShowItem(const TItem* item);
    void ItemDoubleClicked();
    void TitleClicked(int column);

    void AddItem();
    void EditItem();
    void DeleteItems();
    void SaveChanges();
    void CancelChanges();
    void SetEditMode(bool on);
    void FollowHistory();

    void Search();
    void CancelSearch(bool byUser);
    void AfterUndoRedo();
    // Leaves edit mode and lists the database from the start, as a new or loaded one.
    void AfterLoad();
    // Asks to save a modified database; false when the command must stop.
    bool OfferSave();
    void ShowImportMessage(const TImportCounters& counters);

    TItemDocument& m_items;
    TAreaDocument& m_area;
    TAsker& m_asker;
    TItemListModel* m_model;

    QSplitter* m_listSplitter;
    QSplitter* m_detailSplitter;
    QTableView* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_edit = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_undo = nullptr;
    QToolButton* m_redo = nullptr;
    QLineEdit* m_id = nullptr;
    QLineEdit* m_synonyms = nullptr;
    QTabWidget* m_texts = nullptr;
    std::array<QPlainTextEdit*, TItem::SenseCount> m_memos{};
    QPushButton* m_saveChanges = nullptr;
    QPushButton* m_cancelChanges = nullptr;
    QLineEdit* m_searchId = nullptr;
    QLineEdit* m_searchDesc = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_cancelSearch = nullptr;

    TItem* m_current = nullptr;
    bool m_adding = false;
    bool m_editing = false;
};
