#include "gui/document/itemdocument.h"

#include "db/itemimport.h"
#include "files/itemfile.h"

TItemDocument::TItemDocument(QObject* parent) : QObject(parent), m_db(std::make_unique<TItemList>())
{
}

void TItemDocument::AddMark()
{
    m_undo.AddMark(*m_db);
    FollowModified();
    emit DatabaseChanged(TItemChange::Mark);
}

void TItemDocument::RecordEdit()
{
    m_db->Modified = true;
    AddMark();
}

void TItemDocument::UndoEdit()
{
    if (!m_undo.CanUndo())
        return;
    // The snapshot's items replace the listed ones: the view must not keep pointing at them.
    m_view.clear();
    m_undo.Undo(*m_db);
    ListAll();
    FollowModified();
    emit DatabaseChanged(TItemChange::Undo);
}

void TItemDocument::RedoEdit()
{
    if (!m_undo.CanRedo())
        return;
    m_view.clear();
    m_undo.Redo(*m_db);
    ListAll();
    FollowModified();
    emit DatabaseChanged(TItemChange::Redo);
}

void TItemDocument::ListAll()
{
    m_view.clear();
    m_view.reserve(m_db->Count());
    for (int i = 0; i < m_db->Count(); ++i)
        m_view.push_back(&(*m_db)[i]);
    emit ViewChanged();
}

void TItemDocument::Search(const TItemSearch& search)
{
    m_view = SearchItems(*m_db, search);
    emit ViewChanged();
}

void TItemDocument::New()
{
    Replace(std::make_unique<TItemList>());
}

void TItemDocument::Replace(std::unique_ptr<TItemList> db)
{
    m_view.clear();
    m_db = std::move(db);
    emit DatabaseReplaced();
    StartHistory();
}

void TItemDocument::Open(const std::string& fileName)
{
    m_view.clear();
    m_db->Clear();
    m_db->Modified = false;
    // A missing file leaves the database empty under the name asked for, so that saving
    // creates it there.
    m_db->FileName = fileName;
    try {
        LoadItems(fileName, *m_db);
    } catch (...) {
        StartHistory();
        throw;
    }
    StartHistory();
}

void TItemDocument::StartHistory()
{
    m_undo.Clear();
    ListAll();
    AddMark();
}

void TItemDocument::SaveAs(const std::string& fileName)
{
    ::SaveItems(fileName, *m_db);
    // Only a written file becomes the database's name.
    m_db->FileName = fileName;
    m_db->Modified = false;
    FollowModified();
}

TImportCounters TItemDocument::SaveItems(const std::vector<const TItem*>& items)
{
    const TImportCounters counters = SaveItemsToDatabase(*m_db, &m_view, items);
    emit ViewChanged();
    AddMark();
    return counters;
}

TImportCounters TItemDocument::ImportArea(const TRoomList& area)
{
    const TImportCounters counters = ImportAreaItems(*m_db, &m_view, area);
    emit ViewChanged();
    AddMark();
    return counters;
}

TImportCounters TItemDocument::ImportFile(const std::string& fileName)
{
    const TImportCounters counters = ImportItemsFromFile(*m_db, &m_view, fileName);
    emit ViewChanged();
    AddMark();
    return counters;
}

void TItemDocument::FollowModified()
{
    if (m_db->Modified == m_announcedModified)
        return;
    m_announcedModified = m_db->Modified;
    emit ModifiedChanged(m_announcedModified);
}
