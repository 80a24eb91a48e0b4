#include "gui/db/sentencepane.h"

#include "db/sentencesearch.h"
#include "db/viewdelete.h"
#include "gui/db/sentenceeditor.h"
#include "gui/db/sentencemodel.h"
#include "gui/db/sentencesearcharea.h"
#include "gui/document/areadocument.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/controlnames.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QToolButton* IconButton(QWidget* parent, const char* name, const char* hint, QStyle::StandardPixmap icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(hint));
    b->setToolTip(QString::fromLatin1(hint));
    b->setStatusTip(QString::fromLatin1(hint));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    return b;
}
} // namespace

TSentencePane::TSentencePane(TSentenceDocument& document, TAreaDocument& area, TAsker& asker, QWidget* parent)
    : QWidget(parent), m_document(document), m_area(area), m_asker(asker),
      m_model(new TSentenceModel(document, this))
{
    setObjectName(QStringLiteral("SentencePane"));
    m_listSplitter = new QSplitter(Qt::Vertical, this);
    m_listSplitter->setObjectName(QStringLiteral("asp_sent"));
    auto* top = new QWidget(m_listSplitter);
    BuildGrid(top);
    m_detailSplitter = new QSplitter(Qt::Vertical, m_listSplitter);
    m_detailSplitter->setObjectName(QStringLiteral("asp_sentDet"));
    m_editor = new TSentenceEditor(nullptr);
    m_search = new TSentenceSearchArea(nullptr);
    // Scrolled, so that the pane never holds the window bigger than the user wants it.
    for (QWidget* part : {static_cast<QWidget*>(m_editor), static_cast<QWidget*>(m_search)}) {
        auto* scroll = new QScrollArea(m_detailSplitter);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(part);
        m_detailSplitter->addWidget(scroll);
    }
    m_listSplitter->addWidget(top);
    m_listSplitter->addWidget(m_detailSplitter);
    m_listSplitter->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listSplitter);
    GuardLineEdits(*this);

    connect(m_add, &QToolButton::clicked, this, &TSentencePane::AddClick);
    connect(m_edit, &QToolButton::clicked, this, &TSentencePane::EditClick);
    connect(m_delete, &QToolButton::clicked, this, &TSentencePane::DeleteClick);
    connect(m_undo, &QToolButton::clicked, &m_document, &TSentenceDocument::UndoEdit);
    connect(m_redo, &QToolButton::clicked, &m_document, &TSentenceDocument::RedoEdit);
    connect(m_editor, &TSentenceEditor::SaveClicked, this, &TSentencePane::SaveChanges);
    connect(m_editor, &TSentenceEditor::CancelClicked, this, &TSentencePane::CancelChanges);
    connect(m_search, &TSentenceSearchArea::SearchClicked, this, &TSentencePane::Search);
    connect(m_search, &TSentenceSearchArea::CancelClicked, this, [this] { CancelSearch(true); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &TSentencePane::SortBy);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TSentencePane::RowSelected);
    connect(m_grid, &QTableView::doubleClicked, this, &TSentencePane::DoubleClicked);
    connect(&m_document, &TSentenceDocument::DatabaseChanged, this, &TSentencePane::AfterHistory);
    connect(&m_document, &TSentenceDocument::DatabaseReplaced, this, &TSentencePane::AfterReplace);

    AfterReplace();
    UpdateUndoButtons();
}

void TSentencePane::BuildGrid(QWidget* top)
{
    auto* buttons = new QHBoxLayout;
    m_add = IconButton(top, "sbAddSentence", "Add sentence", QStyle::SP_FileDialogNewFolder);
    m_edit = IconButton(top, "sbEditSentence", "Edit sentence", QStyle::SP_FileDialogContentsView);
    m_delete = IconButton(top, "sbDeleteSentence", "Delete sentence", QStyle::SP_TrashIcon);
    m_undo = IconButton(top, "sbSentUndo", "Sent DB Undo", QStyle::SP_ArrowBack);
    m_redo = IconButton(top, "sbSentRedo", "Sent DB Redo", QStyle::SP_ArrowForward);
    for (QToolButton* b : {m_add, m_edit, m_delete, m_undo, m_redo})
        buttons->addWidget(b);
    buttons->addStretch(1);
    m_count = new QLabel(top);
    m_count->setObjectName(QStringLiteral("lSentCount"));
    m_count->setAccessibleName(QStringLiteral("Count of listed sentences"));
    m_count->setToolTip(QStringLiteral("Count of listed sentences"));
    m_count->setStatusTip(m_count->toolTip());
    buttons->addWidget(m_count);

    m_grid = new QTableView(top);
    NameControl(*m_grid, QStringLiteral("sgSentences"), QStringLiteral("Sentences"),
                QStringLiteral("Sentences of the database that the search lists"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // Fixed rows let the view place 100,000 of them without measuring any.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(0, 200);
    m_grid->setColumnWidth(1, 80);
    m_grid->setColumnWidth(2, 80);
    m_grid->setColumnWidth(3, 80);

    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
}

void TSentencePane::DisplaySentList()
{
    const int row = std::max(CurrentRow(), 0);
    m_model->Relist();
    m_count->setText(QString::number(m_document.View().size()));
    SelectRow(std::min(row, m_model->rowCount() - 1));
}

void TSentencePane::RebuildCategories()
{
    const TStrings categories = ::RebuildCategories(m_document.Database());
    m_editor->SetCategories(categories);
    m_search->SetCategories(categories);
}

void TSentencePane::SortBy(int column)
{
    SortSentences(m_document.Database(), m_document.View(), column);
    DisplaySentList();
}

void TSentencePane::Search()
{
    m_document.View() = SearchSentences(m_document.Database(), m_search->Criteria());
    DisplaySentList();
    m_search->SetCancelEnabled(true);
}

void TSentencePane::CancelSearch(bool byUser)
{
    m_document.ListAll();
    DisplaySentList();
    if (byUser) {
        m_search->Clear();
        m_search->SetCancelEnabled(false);
    }
}

int TSentencePane::CurrentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TSentencePane::SelectRow(int row)
{
    if (row < 0) {
        m_current = nullptr;
        m_grid->setCurrentIndex({});
        return;
    }
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->selectRow(row);
    RowSelected();
}

void TSentencePane::RowSelected()
{
    const int row = CurrentRow();
    if (row < 0 || m_editor->Editing() || static_cast<size_t>(row) >= m_document.View().size())
        return;
    m_current = m_document.View()[static_cast<size_t>(row)];
    m_editor->Show(m_current);
}

void TSentencePane::DoubleClicked()
{
    if (m_area.ActiveRoom() && m_current)
        emit SentenceChosen(m_current->Sentence);
}

void TSentencePane::AddClick()
{
    m_adding = true;
    SetEditMode(true);
    m_editor->Clear();
}

void TSentencePane::EditClick()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    SetEditMode(true);
    m_current = m_document.View()[static_cast<size_t>(row)];
    m_editor->Show(m_current);
}

void TSentencePane::SaveChanges()
{
    if (m_adding) {
        m_current = m_document.Database().Add(std::make_unique<TSentence>());
        m_document.View().push_back(m_current);
        m_model->Relist();
    }
    m_editor->Read(*m_current);
    const bool newCategory = !m_editor->CategoryListed();
    SetEditMode(false);
    const auto at = std::find(m_document.View().begin(), m_document.View().end(), m_current);
    const int row = static_cast<int>(at - m_document.View().begin());
    m_model->RowChanged(row);
    SelectRow(row);
    if (newCategory)
        RebuildCategories();
    m_adding = false;
    m_count->setText(QString::number(m_document.View().size()));
    m_document.RecordEdit();
}

void TSentencePane::CancelChanges()
{
    m_adding = false;
    SetEditMode(false);
    RowSelected();
}

void TSentencePane::DeleteClick()
{
    std::vector<int> rows;
    for (const QModelIndex& i : m_grid->selectionModel()->selectedRows())
        rows.push_back(i.row());
    if (rows.empty() && CurrentRow() >= 0)
        rows.push_back(CurrentRow());
    if (DeleteViewEntries(m_document.Database(), m_document.View(), rows) == 0)
        return;
    m_current = nullptr;
    DisplaySentList();
    RebuildCategories();
    m_document.RecordEdit();
}

void TSentencePane::SetEditMode(bool editing)
{
    m_editor->SetEditMode(editing);
    for (QWidget* w : {static_cast<QWidget*>(m_add), static_cast<QWidget*>(m_edit),
                       static_cast<QWidget*>(m_delete), static_cast<QWidget*>(m_grid)})
        w->setEnabled(!editing);
    if (editing) {
        m_undo->setEnabled(false);
        m_redo->setEnabled(false);
    } else {
        UpdateUndoButtons();
    }
}

void TSentencePane::UpdateUndoButtons()
{
    const bool free = !m_editor->Editing();
    m_undo->setEnabled(free && m_document.Undo().CanUndo());
    m_redo->setEnabled(free && m_document.Undo().CanRedo());
}

void TSentencePane::AfterHistory(TSentenceChange change)
{
    UpdateUndoButtons();
    if (change == TSentenceChange::Mark)
        return;
    // The sentences are new objects: search again over them.
    m_current = nullptr;
    RebuildCategories();
    if (m_search->Criteria().HasCriteria())
        Search();
    else
        CancelSearch(false);
}

void TSentencePane::AfterReplace()
{
    m_current = nullptr;
    m_adding = false;
    SetEditMode(false);
    DisplaySentList();
    m_editor->Clear();
    RebuildCategories();
    m_search->SetCancelEnabled(false);
}

std::vector<int> TSentencePane::ColumnWidths() const
{
    std::vector<int> widths;
    for (int c = 0; c < TSentenceModel::ColumnCount; ++c)
        widths.push_back(m_grid->columnWidth(c));
    return widths;
}

void TSentencePane::SetColumnWidths(const std::vector<int>& widths)
{
    for (int c = 0; c < TSentenceModel::ColumnCount && c < static_cast<int>(widths.size()); ++c)
        if (widths[static_cast<size_t>(c)] > -1)
            m_grid->setColumnWidth(c, widths[static_cast<size_t>(c)]);
}
