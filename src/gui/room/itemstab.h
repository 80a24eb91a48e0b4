#pragma once
// The "Items" tab: the room's items, their synonyms and six texts, and the items clipboard.
// The site's current item is the item shown; it is taken anew from the list's current entry
// after every change of the room's item list, so it never outlives its item.
#include <QWidget>

class QAbstractButton;
class QListWidget;
struct TItem;
class TItemTextTabs;
class TRoomEditSite;

class TItemsTab : public QWidget {
    Q_OBJECT
public:
    TItemsTab(TRoomEditSite& site, QWidget* parent);
    ~TItemsTab() override;

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

    // The commands of the item list's pop-up menu.
    void CopyItems();
    void PasteItems();
    void SelectAllItems();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the item of the list's current entry (none: disables the item's editors).
    void OnChangeItem();
    void MakeItemCurrent(int row);
    void ShowMemo(int tab, const TItem& item);
    // Stores a memo's lines into the current item.
    void StoreMemo(int tab);
    // A memo still being typed in keeps its text before the list of items changes.
    void StoreFocusedMemo();
    void EnableSynonymEditing(bool enable);
    int SelectedSynonym() const;

    void ItemAdd();
    void ItemEdit();
    void ItemDelete();
    void SynonymAdd();
    void SynonymEdit();
    void SynonymDelete();
    // The "DB" button: the selected items, in list order, go to the item database.
    void StoreItems();

    TRoomEditSite& m_site;
    QListWidget* m_items;
    QListWidget* m_synonyms;
    QAbstractButton* m_itemEdit;
    QAbstractButton* m_itemDelete;
    QAbstractButton* m_synonymAdd;
    QAbstractButton* m_synonymEdit;
    QAbstractButton* m_synonymDelete;
    TItemTextTabs* m_texts;
    // While the tab fills its own lists, their change reactions stay quiet.
    bool m_listing = false;
};
