#include "gui/document/sentencedocument.h"

#include "files/sentencefile.h"

TSentenceDocument::TSentenceDocument(QObject* parent) : QObject(parent), m_db(std::make_unique<TSentenceList>())
{
    m_undo.AddMark(*m_db);
}

void TSentenceDocument::AddMark()
{
    m_undo.AddMark(*m_db);
    FollowModified();
    emit DatabaseChanged(TSentenceChange::Mark);
}

void TSentenceDocument::RecordEdit()
{
    m_db->Modified = true;
    AddMark();
}

void TSentenceDocument::UndoEdit()
{
    if (!m_undo.CanUndo())
        return;
    m_undo.Undo(*m_db);
    ListAll();
    FollowModified();
    emit DatabaseChanged(TSentenceChange::Undo);
}

void TSentenceDocument::RedoEdit()
{
    if (!m_undo.CanRedo())
        return;
    m_undo.Redo(*m_db);
    ListAll();
    FollowModified();
    emit DatabaseChanged(TSentenceChange::Redo);
}

void TSentenceDocument::New()
{
    Replace(std::make_unique<TSentenceList>());
}

void TSentenceDocument::Open(const std::string& fileName)
{
    auto loaded = std::make_unique<TSentenceList>();
    LoadSentences(fileName, *loaded);
    Replace(std::move(loaded));
}

void TSentenceDocument::SaveAs(const std::string& fileName)
{
    const std::string previous = m_db->FileName;
    m_db->FileName = fileName;
    try {
        SaveSentences(fileName, *m_db);
    } catch (...) {
        m_db->FileName = previous;
        throw;
    }
    FollowModified();
}

void TSentenceDocument::Replace(std::unique_ptr<TSentenceList> db)
{
    m_view.clear();
    m_db = std::move(db);
    m_undo.Clear();
    ListAll();
    emit DatabaseReplaced();
    AddMark();
}

void TSentenceDocument::FollowModified()
{
    if (m_db->Modified == m_announcedModified)
        return;
    m_announcedModified = m_db->Modified;
    emit ModifiedChanged(m_announcedModified);
}
