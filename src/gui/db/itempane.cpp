#include "gui/db/itempane.h"

#include "db/itemimport.h"
#include "db/itemsearch.h"
#include "db/viewdelete.h"
#include "gui/db/displaylines.h"
#include "gui/db/itemlistmodel.h"
#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/document/itemdocument.h"
#include "gui/shared/asker.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/controlnames.h"
#include "gui/shared/textmemo.h"
#include "gui/shared/waitcursor.h"
#include "model/text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The editor's fields while an item is added or changed.
const QColor EditColour(0x00, 0xFF, 0xFF);

const char* const TabCaptions[TItem::SenseCount] = {"Descr.", "Listen", "Smell", "Touch", "Search", "Read"};
const char* const MemoNames[TItem::SenseCount] = {"mItemDBDescr", "mItemDBListen", "mItemDBSmell",
                                                  "mItemDBTouch", "mItemDBSearch", "mItemDBRead"};

QToolButton* IconButton(QWidget* parent, const char* name, const char* hint, QStyle::StandardPixmap icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QLatin1String(hint));
    b->setStatusTip(b->toolTip());
    b->setAccessibleName(b->toolTip());
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    return b;
}

QPushButton* TextButton(QWidget* parent, const char* name, const char* caption, const char* description)
{
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(b->text());
    b->setAccessibleDescription(QLatin1String(description));
    return b;
}

QLineEdit* Field(QWidget* parent, const char* name, const char* accessible, const char* description)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(QLatin1String(accessible));
    field->setAccessibleDescription(QLatin1String(description));
    return field;
}

QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QLatin1String(text), parent);
    label->setBuddy(buddy);
    return label;
}

// The marker of a tab whose text is not empty.
QIcon Marker(const QWidget& widget, bool filled)
{
    return filled ? widget.style()->standardIcon(QStyle::SP_FileIcon) : QIcon();
}

} // namespace

TItemPane::TItemPane(TItemDocument& items, TAreaDocument& area, TAsker& asker, QWidget* parent)
    : QWidget(parent), m_items(items), m_area(area), m_asker(asker), m_model(new TItemListModel(items, this))
{
    setObjectName(QStringLiteral("ItemPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_listSplitter = new QSplitter(Qt::Vertical, this);
    m_listSplitter->setObjectName(QStringLiteral("item_splitter"));
    layout->addWidget(m_listSplitter);
    BuildGrid(m_listSplitter);
    m_detailSplitter = new QSplitter(Qt::Vertical, m_listSplitter);
    m_detailSplitter->setObjectName(QStringLiteral("itemDet_splitter"));
    m_listSplitter->addWidget(m_detailSplitter);
    BuildEditor(m_detailSplitter);
    BuildSearch(m_detailSplitter);
    GuardLineEdits(*this);
    m_listSplitter->setChildrenCollapsible(false);
    m_detailSplitter->setChildrenCollapsible(false);

    connect(&m_items, &TItemDocument::ViewChanged, this, &TItemPane::DisplayItemList);
    connect(&m_items, &TItemDocument::DatabaseChanged, this, [this](TItemChange change) {
        FollowHistory();
        if (change != TItemChange::Mark)
            AfterUndoRedo();
    });
    SetEditMode(false);
    DisplayItemList();
}

void TItemPane::BuildGrid(QWidget* parent)
{
    auto* top = new QWidget(parent);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(2, 2, 2, 0);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    m_add = IconButton(top, "sbItemAdd", "Add item", QStyle::SP_FileDialogNewFolder);
    m_edit = IconButton(top, "sbItemEdit", "Edit item", QStyle::SP_FileDialogContentsView);
    m_delete = IconButton(top, "sbItemDelete", "Delete item", QStyle::SP_TrashIcon);
    m_undo = IconButton(top, "sbItemUndo", "Item DB Undo", QStyle::SP_ArrowBack);
    m_redo = IconButton(top, "sbItemRedo", "Item DB Redo", QStyle::SP_ArrowForward);
    for (QToolButton* b : {m_add, m_edit, m_delete, m_undo, m_redo})
        bar->addWidget(b);
    bar->addStretch(1);
    m_count = new QLabel(top);
    m_count->setObjectName(QStringLiteral("lItemCount"));
    m_count->setToolTip(QStringLiteral("Count of listed items"));
    m_count->setAccessibleName(m_count->toolTip());
    bar->addWidget(m_count);

    m_grid = new QTableView(top);
    NameControl(*m_grid, QStringLiteral("sgItems"), QStringLiteral("Items"),
                QStringLiteral("Items of the database that the search lists"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->setColumnWidth(TItemListModel::IdColumn, 100);
    layout->addWidget(m_grid, 1);
    static_cast<QSplitter*>(parent)->addWidget(top);

    connect(m_add, &QToolButton::clicked, this, &TItemPane::AddItem);
    connect(m_edit, &QToolButton::clicked, this, &TItemPane::EditItem);
    connect(m_delete, &QToolButton::clicked, this, &TItemPane::DeleteItems);
    connect(m_undo, &QToolButton::clicked, &m_items, &TItemDocument::UndoEdit);
    connect(m_redo, &QToolButton::clicked, &m_items, &TItemDocument::RedoEdit);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { SelectRow(current.row()); });
    connect(m_grid, &QTableView::doubleClicked, this, &TItemPane::ItemDoubleClicked);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &TItemPane::TitleClicked);
}

void TItemPane::BuildEditor(QWidget* parent)
{
    auto* editor = new QWidget(parent);
    editor->setObjectName(QStringLiteral("pnItemEditor"));
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* fields = new QHBoxLayout;
    layout->addLayout(fields);
    m_id = Field(editor, "eItemDBID", "ID", "ID of the item: the word that names it in the game");
    m_synonyms = Field(editor, "eItemDBSynonyms", "Synonyms", "Other words for the item, separated by commas");
    m_synonyms->setToolTip(QStringLiteral("Use comma (',') as separtor"));
    fields->addWidget(Caption(editor, "ID", m_id));
    fields->addWidget(m_id, 1);
    fields->addWidget(Caption(editor, "Synonyms", m_synonyms));
    fields->addWidget(m_synonyms, 2);

    m_texts = new QTabWidget(editor);
    m_texts->setObjectName(QStringLiteral("pcItemDBTexts"));
    for (int i = 0; i < TItem::SenseCount; ++i) {
        auto* memo = new TTextMemo(m_texts);
        memo->setObjectName(QLatin1String(MemoNames[i]));
        memo->setAccessibleName(QLatin1String(TabCaptions[i]));
        memo->setAccessibleDescription(QStringLiteral("Text of the item on %1").arg(QLatin1String(TabCaptions[i])));
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_memos[static_cast<size_t>(i)] = memo;
        m_texts->addTab(memo, QLatin1String(TabCaptions[i]));
    }
    layout->addWidget(m_texts, 1);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    m_saveChanges = TextButton(editor, "bbItemDBSave", "Save changes", "Stores the edited item in the database");
    m_cancelChanges = TextButton(editor, "bbItemDBCancel", "Cancel changes", "Drops the edits of the item");
    buttons->addStretch(1);
    buttons->addWidget(m_saveChanges);
    buttons->addWidget(m_cancelChanges);
    static_cast<QSplitter*>(parent)->addWidget(editor);

    connect(m_saveChanges, &QPushButton::clicked, this, &TItemPane::SaveChanges);
    connect(m_cancelChanges, &QPushButton::clicked, this, &TItemPane::CancelChanges);
}

void TItemPane::BuildSearch(QWidget* parent)
{
    auto* search = new QWidget(parent);
    search->setObjectName(QStringLiteral("pnItemSearch"));
    auto* layout = new QHBoxLayout(search);
    layout->setContentsMargins(2, 2, 2, 2);
    m_searchId = Field(search, "eItemSearchID", "Search ID", "Lists the items whose ID contains this text");
    m_searchDesc = Field(search, "eItemSearchDesc", "Search Desc", "Lists the items whose description contains this text");
    layout->addWidget(Caption(search, "ID", m_searchId));
    layout->addWidget(m_searchId, 1);
    layout->addWidget(Caption(search, "Desc", m_searchDesc));
    layout->addWidget(m_searchDesc, 1);
    m_search = TextButton(search, "bbItemSearch", "Search", "Lists the items that match the search fields");
    m_cancelSearch = TextButton(search, "bbItemCancelSearch", "Cancel search", "Lists all items again");
    m_cancelSearch->setEnabled(false);
    layout->addWidget(m_search);
    layout->addWidget(m_cancelSearch);
    static_cast<QSplitter*>(parent)->addWidget(search);

    connect(m_search, &QPushButton::clicked, this, &TItemPane::Search);
    connect(m_cancelSearch, &QPushButton::clicked, this, [this] { CancelSearch(true); });
}

// --- the grid

void TItemPane::DisplayItemList()
{
    const int row = m_grid->currentIndex().row();
    m_model->Reset();
    const int count = static_cast<int>(m_items.View().size());
    m_count->setText(QString::number(count));
    if (count == 0) {
        m_current = nullptr;
        return;
    }
    const int keep = std::clamp(row, 0, count - 1);
    m_grid->setCurrentIndex(m_model->index(keep, 0));
    SelectRow(keep);
}

void TItemPane::SelectRow(int row)
{
    if (m_editing || row < 0 || row >= static_cast<int>(m_items.View().size()))
        return;
    m_current = m_items.View()[static_cast<size_t>(row)];
    ShowItem(m_current);
}

void TItemPane::ShowItem(const TItem* item)
{
    m_id->setText(item ? DocToQt(item->ID) : QString());
    m_synonyms->setText(item ? DocToQt(item->SynonymsText(false)) : QString());
    for (int i = 0; i < TItem::SenseCount; ++i) {
        const std::string text = item ? StringsDescToString(item->Sense(i)) : std::string();
        m_memos[static_cast<size_t>(i)]->setPlainText(DocToQt(text));
        m_texts->setTabIcon(i, Marker(*this, !text.empty()));
    }
}

void TItemPane::TitleClicked(int column)
{
    if (m_editing)
        return;
    SortItems(m_items.Database(), m_items.View(), column);
    DisplayItemList();
}

void TItemPane::ItemDoubleClicked()
{
    TRoom* room = m_area.ActiveRoom();
    if (!room || !m_current || m_editing)
        return;
    TItem copy;
    copy.Assign(*m_current);
    room->Items.push_back(std::move(copy));
    m_area.RecordEdit();
}

// --- editing

void TItemPane::SetEditMode(bool on)
{
    m_editing = on;
    m_saveChanges->setEnabled(on);
    m_cancelChanges->setEnabled(on);
    for (QWidget* w : {static_cast<QWidget*>(m_add), static_cast<QWidget*>(m_edit),
                       static_cast<QWidget*>(m_delete), static_cast<QWidget*>(m_grid)})
        w->setEnabled(!on);
    QList<QWidget*> fields{m_id, m_synonyms};
    for (QPlainTextEdit* memo : m_memos)
        fields << memo;
    for (QWidget* field : fields) {
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->setReadOnly(!on);
        else
            static_cast<QPlainTextEdit*>(field)->setReadOnly(!on);
        QPalette pal = field->palette();
        pal.setColor(QPalette::Base, on ? EditColour : palette().color(QPalette::Base));
        field->setPalette(pal);
    }
    FollowHistory();
}

void TItemPane::FollowHistory()
{
    m_undo->setEnabled(!m_editing && m_items.Undo().CanUndo());
    m_redo->setEnabled(!m_editing && m_items.Undo().CanRedo());
}

void TItemPane::AddItem()
{
    m_adding = true;
    SetEditMode(true);
    ShowItem(nullptr);
    m_id->setFocus();
}

void TItemPane::EditItem()
{
    const int row = m_grid->currentIndex().row();
    if (m_items.View().empty() || row < 0)
        return;
    m_adding = false;
    m_current = m_items.View()[static_cast<size_t>(row)];
    SetEditMode(true);
}

void TItemPane::SaveChanges()
{
    TItemList& db = m_items.Database();
    if (m_adding) {
        m_current = db.Add(std::make_unique<TItem>());
        m_items.View().push_back(m_current);
    } else if (!m_current) {
        return;
    }
    m_current->ID = QtToDoc(m_id->text());
    m_current->Synonyms = SynonymsFromField(QtToDoc(m_synonyms->text()));
    for (int i = 0; i < TItem::SenseCount; ++i)
        m_current->Sense(i) = DisplayedLines(*m_memos[static_cast<size_t>(i)]);
    const auto& view = m_items.View();
    const int row = static_cast<int>(std::find(view.begin(), view.end(), m_current) - view.begin());
    m_adding = false;
    SetEditMode(false);
    m_model->Reset();
    m_count->setText(QString::number(view.size()));
    m_grid->setCurrentIndex(m_model->index(row, 0));
    SelectRow(row);
    m_items.RecordEdit();
}

void TItemPane::CancelChanges()
{
    m_adding = false;
    SetEditMode(false);
    const int row = m_grid->currentIndex().row();
    if (row >= 0 && row < static_cast<int>(m_items.View().size()))
        SelectRow(row);
    else
        ShowItem(nullptr);
}

void TItemPane::DeleteItems()
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_grid->selectionModel()->selectedRows())
        rows.push_back(index.row());
    m_current = nullptr;
    if (DeleteViewEntries(m_items.Database(), m_items.View(), rows) == 0)
        return;
    // The current row stays where it was, or on the last row left.
    DisplayItemList();
    m_items.RecordEdit();
}

// --- searching

void TItemPane::Search()
{
    TItemSearch search;
    search.ID = QtToDoc(m_searchId->text());
    search.Desc = QtToDoc(m_searchDesc->text());
    m_items.Search(search);
    m_cancelSearch->setEnabled(true);
}

void TItemPane::CancelSearch(bool byUser)
{
    m_items.ListAll();
    if (byUser) {
        m_searchId->clear();
        m_searchDesc->clear();
        m_cancelSearch->setEnabled(false);
    }
}

void TItemPane::AfterUndoRedo()
{
    m_current = nullptr;
    if (!m_searchId->text().isEmpty() || !m_searchDesc->text().isEmpty())
        Search();
    else
        CancelSearch(false);
}
