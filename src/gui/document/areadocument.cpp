#include "gui/document/areadocument.h"

#include "files/areafile.h"

TAreaDocument::TAreaDocument(QObject* parent)
    : QObject(parent), m_area(std::make_unique<TRoomList>(DefaultMapCells, DefaultMapCells))
{
}

void TAreaDocument::AddMark()
{
    // The details edit the active room through the pointer they were given, unseen by the area.
    m_area->Touch(m_activeRoom);
    m_undo.AddMark(*m_area);
    FollowModified();
    emit AreaChanged(TAreaChange::Mark);
}

void TAreaDocument::RecordEdit()
{
    m_area->Modified = true;
    AddMark();
}

void TAreaDocument::SetModified(bool modified)
{
    m_area->Modified = modified;
    FollowModified();
}

void TAreaDocument::CommitTyping()
{
    // Storing may record a mark, which may ask again.
    if (m_committing)
        return;
    m_committing = true;
    emit CommitWanted();
    m_committing = false;
}

void TAreaDocument::UndoEdit()
{
    CommitTyping();
    if (!m_undo.CanUndo())
        return;
    SetActiveRoom(nullptr);
    m_undo.Undo(*m_area);
    FollowModified();
    emit AreaChanged(TAreaChange::Undo);
}

void TAreaDocument::RedoEdit()
{
    // Text typed since the undo is a new edit: it is kept, and the redo steps go as after any edit.
    CommitTyping();
    if (!m_undo.CanRedo())
        return;
    SetActiveRoom(nullptr);
    m_undo.Redo(*m_area);
    FollowModified();
    emit AreaChanged(TAreaChange::Redo);
}

void TAreaDocument::Replace(std::unique_ptr<TRoomList> area)
{
    SetActiveRoom(nullptr);
    m_area = std::move(area);
    m_undo.Clear();
    emit AreaReplaced();
    AddMark();
}

void TAreaDocument::Open(const std::string& fileName)
{
    auto loaded = std::make_unique<TRoomList>(m_area->Width, m_area->Height);
    LoadArea(fileName, *loaded);
    loaded->FileName = fileName;
    Adopt(std::move(loaded));
}

void TAreaDocument::Adopt(std::unique_ptr<TRoomList> loaded)
{
    m_templates.ReplaceFrom(loaded->DefaultRooms);
    loaded->DefaultRooms.Clear();
    emit TemplatesChanged();
    Replace(std::move(loaded));
}

void TAreaDocument::SaveAs(const std::string& fileName)
{
    CommitTyping();
    // The templates travel in the file; the document keeps the only live copy of them.
    m_templates.CopyInto(m_area->DefaultRooms);
    try {
        SaveArea(fileName, *m_area);
    } catch (...) {
        m_area->DefaultRooms.Clear();
        throw;
    }
    m_area->DefaultRooms.Clear();
    // Only a written file becomes the area's name.
    m_area->FileName = fileName;
    SetModified(false);
}

void TAreaDocument::SetActiveRoom(TRoom* room)
{
    // The room being left keeps what was typed into it.
    CommitTyping();
    // Edits made to the room being left are recorded by the next mark.
    m_area->Touch(m_activeRoom);
    m_activeRoom = room;
    emit ActiveRoomChanged(room);
}

void TAreaDocument::SelectTemplate(int index)
{
    m_templates.Select(index);
    emit TemplatesChanged();
}

void TAreaDocument::FollowModified()
{
    if (m_area->Modified == m_announcedModified)
        return;
    m_announcedModified = m_area->Modified;
    emit ModifiedChanged(m_announcedModified);
}
