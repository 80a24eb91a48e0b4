#include "gui/room/itemstab.h"

#include "gui/document/doctext.h"
#include "gui/room/itemsclipboardstore.h"
#include "gui/room/itemtexttabs.h"
#include "gui/room/memotext.h"
#include "gui/room/roomeditsite.h"
#include "gui/shared/asker.h"
#include "gui/shared/controlnames.h"
#include "model/itemsclipboard.h"
#include "model/text.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {
QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* button = new QPushButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    button->setStatusTip(button->toolTip());
    button->setAccessibleName(button->toolTip().trimmed());
    return button;
}

QAction* ListCommand(QListWidget* list, const char* name, const char* caption, QKeySequence::StandardKey key)
{
    auto* action = new QAction(QLatin1String(caption), list);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    // Only while the item list has the focus: the memos keep their own copy and paste.
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
    return action;
}

bool IsKeyRelease(QEvent* event, int key)
{
    if (event->type() != QEvent::KeyRelease)
        return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    return !k->isAutoRepeat() && k->key() == key && k->modifiers() == Qt::NoModifier;
}

// A list's height held small so that the texts below get the room.
void KeepShort(QListWidget* list, int rows)
{
    list->setMaximumHeight(list->fontMetrics().height() * rows + 2 * list->frameWidth() + 4);
}
} // namespace

TItemsTab::TItemsTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsItems"));
    const bool inDialog = site.InDialog();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* left = new QVBoxLayout;
    layout->addLayout(left, 1);
    if (inDialog) {
        auto* label = new QLabel(QStringLiteral("Items"), this);
        label->setObjectName(QStringLiteral("lItems"));
        left->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    left->addLayout(buttons);
    QPushButton* add = Button(this, "bbItemAdd", "Add", "Add new item");
    auto* edit = Button(this, "bbItemEdit", "Edit", "Repair selected item");
    auto* erase = Button(this, "bbItemDelete", "Del", "Delete selected item");
    m_itemEdit = edit;
    m_itemDelete = erase;
    for (QPushButton* b : {add, edit, erase})
        buttons->addWidget(b);
    if (!inDialog) {
        QPushButton* store = Button(this, "bbItemStore", "DB", "Saves selected items into item database ");
        buttons->addWidget(store);
        connect(store, &QPushButton::clicked, this, &TItemsTab::StoreItems);
    }
    m_items = new QListWidget(this);
    m_items->setObjectName(QStringLiteral("lbItems"));
    m_items->setAccessibleName(QStringLiteral("Items"));
    m_items->setAccessibleDescription(QStringLiteral("Items of the room; Ctrl+C and Ctrl+V copy and paste them"));
    m_items->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_items->setContextMenuPolicy(Qt::ActionsContextMenu);
    left->addWidget(m_items, 1);
    connect(ListCommand(m_items, "miItemsCopy", "Copy", QKeySequence::Copy), &QAction::triggered, this,
            &TItemsTab::CopyItems);
    connect(ListCommand(m_items, "miItemsPaste", "Paste", QKeySequence::Paste), &QAction::triggered, this,
            &TItemsTab::PasteItems);
    auto* separator = new QAction(m_items);
    separator->setSeparator(true);
    m_items->addAction(separator);
    connect(ListCommand(m_items, "miItemsSelectAll", "Select All", QKeySequence::SelectAll), &QAction::triggered,
            this, &TItemsTab::SelectAllItems);

    auto* details = new QGroupBox(QStringLiteral("Details"), this);
    details->setObjectName(QStringLiteral("gbDetails"));
    details->setAccessibleName(QStringLiteral("Item details"));
    layout->addWidget(details, 2);
    auto* detailsLayout = new QVBoxLayout(details);
    auto* synonymBar = new QHBoxLayout;
    detailsLayout->addLayout(synonymBar);
    auto* synonymsLabel = new QLabel(QStringLiteral("Synonyms"), details);
    synonymsLabel->setObjectName(QStringLiteral("lSynonyms"));
    synonymBar->addWidget(synonymsLabel, 1);
    auto* synonymAdd = Button(details, "bbSynonymAdd", "Add", "Add new item synonym");
    auto* synonymEdit = Button(details, "bbSynonymEdit", "Edit", "Edit selected item synonym");
    auto* synonymDelete = Button(details, "bbSynonymDelete", "Del", "Delete selected item synonym");
    for (QPushButton* b : {synonymAdd, synonymEdit, synonymDelete})
        synonymBar->addWidget(b);
    m_synonymAdd = synonymAdd;
    m_synonymEdit = synonymEdit;
    m_synonymDelete = synonymDelete;
    m_synonyms = new QListWidget(details);
    NameControl(*m_synonyms, QStringLiteral("lbSynonyms"), QStringLiteral("Synonyms"),
                QStringLiteral("Other words a player may use for the selected item"));
    m_synonyms->setSelectionMode(QAbstractItemView::SingleSelection);
    synonymsLabel->setBuddy(m_synonyms);
    KeepShort(m_synonyms, 4);
    detailsLayout->addWidget(m_synonyms);
    m_texts = new TItemTextTabs(inDialog, details);
    detailsLayout->addWidget(m_texts, 1);

    m_items->installEventFilter(this);
    m_synonyms->installEventFilter(this);
    connect(add, &QPushButton::clicked, this, &TItemsTab::ItemAdd);
    connect(edit, &QPushButton::clicked, this, &TItemsTab::ItemEdit);
    connect(erase, &QPushButton::clicked, this, &TItemsTab::ItemDelete);
    connect(synonymAdd, &QPushButton::clicked, this, &TItemsTab::SynonymAdd);
    connect(synonymEdit, &QPushButton::clicked, this, &TItemsTab::SynonymEdit);
    connect(synonymDelete, &QPushButton::clicked, this, &TItemsTab::SynonymDelete);
    connect(m_items, &QListWidget::currentRowChanged, this, [this] {
        if (!m_listing)
            OnChangeItem();
    });
    // A click on the entry that is current already shows it again too.
    connect(m_items, &QListWidget::itemClicked, this, &TItemsTab::OnChangeItem);
    connect(m_texts, &TItemTextTabs::MemoLeft, this, &TItemsTab::StoreMemo);
    connect(m_texts, &TItemTextTabs::MemoChanged, this, [this] {
        if (!m_site.Filling)
            m_site.SetModified();
    });
    connect(&m_site, &TRoomEditSite::CommitWanted, this, [this] {
        for (int tab = 0; tab < TItemTextTabs::Count; ++tab)
            if (TRoomEditSite::IsTypingIn(m_texts->Memo(tab)))
                StoreMemo(tab);
    });
    OnChangeItem();
}

TItemsTab::~TItemsTab()
{
    // A memo that loses the focus while the widgets go down has nowhere to store its text.
    disconnect(m_texts, nullptr, this, nullptr);
}

void TItemsTab::ShowRoom()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    m_site.SetCurrentItem(nullptr);
    m_listing = true;
    m_items->clear();
    for (const TItem& item : room->Items)
        m_items->addItem(DocToQt(item.ID));
    m_listing = false;
    if (!room->Items.empty())
        MakeItemCurrent(0);
    OnChangeItem();
}

void TItemsTab::MakeItemCurrent(int row)
{
    m_listing = true;
    m_items->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_listing = false;
}

void TItemsTab::OnChangeItem()
{
    TRoom* room = m_site.Room();
    const int row = m_items->currentRow();
    const bool shown = room && row >= 0 && row < static_cast<int>(room->Items.size());
    TItem* item = shown ? &room->Items[row] : nullptr;
    // Set before the texts may hide: a memo that loses the focus stores into this item.
    m_site.SetCurrentItem(item);
    m_itemEdit->setEnabled(shown);
    m_itemDelete->setEnabled(shown);
    m_synonymAdd->setEnabled(shown);
    m_texts->Memo(0)->setEnabled(shown);
    m_texts->setVisible(shown);
    m_synonyms->clear();
    if (!shown) {
        EnableSynonymEditing(false);
        return;
    }
    for (const std::string& synonym : item->Synonyms)
        m_synonyms->addItem(DocToQt(synonym));
    EnableSynonymEditing(!item->Synonyms.empty());
    const bool filling = m_site.Filling;
    m_site.Filling = true;
    for (int tab = 0; tab < TItemTextTabs::Count; ++tab) {
        ShowMemo(tab, *item);
        m_texts->SetShape(item->Sense(tab), tab);
    }
    m_site.Filling = filling;
}

void TItemsTab::ShowMemo(int tab, const TItem& item)
{
    const TStrings& lines = item.Sense(tab);
    m_texts->Memo(tab)->setPlainText(m_site.InDialog() ? LinesText(lines) : JoinedText(lines));
}

void TItemsTab::StoreMemo(int tab)
{
    TItem* item = m_site.CurrentItem();
    if (!item || m_site.Filling)
        return;
    const QPlainTextEdit& memo = *m_texts->Memo(tab);
    TStrings& stored = item->Sense(tab);
    // The panel shows the text joined: leaving it untyped keeps the stored lines.
    TStrings lines = MemoLines(memo);
    if (lines == stored || (!m_site.InDialog() && MemoText(memo) == StringsDescToString(stored)))
        return;
    stored = std::move(lines);
    // A step of its own; the list stays on the item.
    m_site.RecordEditKeepingSelection();
}

void TItemsTab::StoreFocusedMemo()
{
    for (int tab = 0; tab < TItemTextTabs::Count; ++tab)
        if (window()->focusWidget() == m_texts->Memo(tab))
            StoreMemo(tab);
}

void TItemsTab::StoreItems()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    // A memo still being typed in counts with its text.
    StoreFocusedMemo();
    std::vector<const TItem*> items;
    for (int row = 0; row < m_items->count(); ++row)
        if (m_items->item(row)->isSelected() && row < static_cast<int>(room->Items.size()))
            items.push_back(&room->Items[static_cast<size_t>(row)]);
    emit m_site.ItemsToDatabase(items);
}

void TItemsTab::EnableSynonymEditing(bool enable)
{
    m_synonyms->setEnabled(enable);
    m_synonymEdit->setEnabled(enable);
    m_synonymDelete->setEnabled(enable);
}

int TItemsTab::SelectedSynonym() const
{
    const QModelIndexList selected = m_synonyms->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TItemsTab::ItemAdd()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const std::optional<QString> id = m_site.Asker().AskText(
        this, QStringLiteral("Enter an item ID"), QStringLiteral("New Item %1").arg(m_items->count() + 1));
    if (!id)
        return;
    StoreFocusedMemo();
    m_site.SetCurrentItem(nullptr); // the items may move in memory
    TItem item;
    item.ID = QtToDoc(*id);
    room->Items.push_back(std::move(item));
    m_listing = true;
    m_items->addItem(DocToQt(room->Items.back().ID));
    m_listing = false;
    MakeItemCurrent(m_items->count() - 1);
    OnChangeItem();
    m_site.RecordEditKeepingSelection();
}

void TItemsTab::ItemEdit()
{
    TItem* item = m_site.CurrentItem();
    if (!item)
        return;
    const std::optional<QString> id =
        m_site.Asker().AskText(this, QStringLiteral("Edit item ID"), DocToQt(item->ID));
    if (!id || m_site.CurrentItem() != item)
        return;
    item->ID = QtToDoc(*id);
    if (QListWidgetItem* entry = m_items->currentItem())
        entry->setText(DocToQt(item->ID));
    m_site.RecordEditKeepingSelection();
}

void TItemsTab::ItemDelete()
{
    TRoom* room = m_site.Room();
    const TItem* current = m_site.CurrentItem();
    const int currentRow = m_items->currentRow();
    if (!room || !current || currentRow < 0)
        return;
    std::vector<int> rows;
    if (m_site.InDialog()) {
        rows.push_back(currentRow);
    } else {
        for (int row = 0; row < m_items->count(); ++row)
            if (m_items->item(row)->isSelected())
                rows.push_back(row);
    }
    const QString question =
        rows.size() < 2 || m_site.InDialog()
            ? QStringLiteral("Do you really want to delete item \"%1\" ?").arg(DocToQt(current->ID))
            : QStringLiteral("Do you really want to delete %1 selected items?").arg(rows.size());
    if (!m_site.Asker().AskYesNo(this, question))
        return;
    StoreFocusedMemo();
    // The buttons about to be disabled must not hand the focus to the list once it has no
    // current entry: the list would make its first entry current on its own.
    m_items->setFocus(Qt::OtherFocusReason);
    m_site.SetCurrentItem(nullptr);
    m_listing = true;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        room->Items.erase(room->Items.begin() + *row);
        delete m_items->takeItem(*row);
    }
    m_items->setCurrentRow(-1);
    m_listing = false;
    OnChangeItem();
    m_site.RecordEdit();
}

void TItemsTab::SynonymAdd()
{
    TItem* item = m_site.CurrentItem();
    if (!item)
        return;
    const std::optional<QString> synonym = m_site.Asker().AskText(
        this, QStringLiteral("Enter a synonym"), QStringLiteral("New synonym %1").arg(m_synonyms->count() + 1));
    if (!synonym || m_site.CurrentItem() != item)
        return;
    item->Synonyms.push_back(QtToDoc(*synonym));
    m_synonyms->addItem(DocToQt(item->Synonyms.back()));
    m_synonyms->setCurrentRow(m_synonyms->count() - 1, QItemSelectionModel::ClearAndSelect);
    EnableSynonymEditing(true);
    m_site.RecordEditKeepingSelection();
}

void TItemsTab::SynonymEdit()
{
    TItem* item = m_site.CurrentItem();
    if (!item || item->Synonyms.empty())
        return;
    const int index = SelectedSynonym();
    const QString initial = index >= 0 ? DocToQt(item->Synonyms[index]) : QString();
    const std::optional<QString> synonym =
        m_site.Asker().AskText(this, QStringLiteral("Edit item synonym"), initial);
    // Without a selected synonym there is nothing the text could replace.
    if (!synonym || index < 0 || m_site.CurrentItem() != item)
        return;
    item->Synonyms[index] = QtToDoc(*synonym);
    m_synonyms->item(index)->setText(DocToQt(item->Synonyms[index]));
    m_site.RecordEditKeepingSelection();
}

void TItemsTab::SynonymDelete()
{
    TItem* item = m_site.CurrentItem();
    const int index = SelectedSynonym();
    if (!item || item->Synonyms.empty() || index < 0)
        return;
    const QString question =
        QStringLiteral("Do you really want to delete synonym \"%1\" ?").arg(DocToQt(item->Synonyms[index]));
    if (!m_site.Asker().AskYesNo(this, question) || m_site.CurrentItem() != item)
        return;
    item->Synonyms.erase(item->Synonyms.begin() + index);
    delete m_synonyms->takeItem(index);
    if (m_synonyms->count() > 0)
        m_synonyms->setCurrentRow(std::max(index - 1, 0), QItemSelectionModel::ClearAndSelect);
    else
        EnableSynonymEditing(false);
    m_site.RecordEdit();
}

void TItemsTab::CopyItems()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    std::vector<const TItem*> items;
    for (int row = 0; row < m_items->count() && row < static_cast<int>(room->Items.size()); ++row)
        if (m_items->item(row)->isSelected())
            items.push_back(&room->Items[row]);
    const bool local = TItemsClipboardStore::Program().Put(ItemsToClipboardText(items));
    emit m_site.Notice(local ? QStringLiteral("Local clipboard used!") : QString());
}

void TItemsTab::PasteItems()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const TClipboardItems read = ItemsFromClipboardText(
        TItemsClipboardStore::Program().Take(),
        m_site.InDialog() ? TClipboardReading::Dialog : TClipboardReading::Panel);
    if (!read.Items.empty()) {
        StoreFocusedMemo();
        m_site.SetCurrentItem(nullptr);
        m_listing = true;
        for (const TItem& item : read.Items) {
            room->Items.push_back(item);
            m_items->addItem(DocToQt(item.ID));
        }
        m_listing = false;
        OnChangeItem();
        // Also for the items read before a fault: the file and the undo history agree.
        m_site.RecordEdit();
    }
    if (!read.Ok())
        m_site.Asker().Inform(this, QString::fromUtf8(read.Error));
}

void TItemsTab::SelectAllItems()
{
    m_items->selectAll();
}

bool TItemsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_items) {
        if (IsKeyRelease(event, Qt::Key_Insert))
            ItemAdd();
        else if (IsKeyRelease(event, Qt::Key_Delete))
            ItemDelete();
    } else if (watched == m_synonyms) {
        if (IsKeyRelease(event, Qt::Key_Insert))
            SynonymAdd();
        else if (IsKeyRelease(event, Qt::Key_Delete))
            SynonymDelete();
    }
    return QWidget::eventFilter(watched, event);
}
