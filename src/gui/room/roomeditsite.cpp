#include "gui/room/roomeditsite.h"

#include "gui/document/areadocument.h"

#include <QWidget>
#include <utility>

TRoomEditSite::TRoomEditSite(TAreaDocument& document, TAsker& asker, QObject* parent)
    : QObject(parent), m_document(&document), m_asker(asker)
{
    // The item belongs to the contents that undo, redo and a new area replace.
    connect(&document, &TAreaDocument::ActiveRoomChanged, this, [this] { m_currentItem = nullptr; });
    connect(&document, &TAreaDocument::AreaReplaced, this, [this] { m_currentItem = nullptr; });
    connect(&document, &TAreaDocument::AreaChanged, this, [this](TAreaChange change) {
        if (change != TAreaChange::Mark)
            m_currentItem = nullptr;
    });
    connect(&document, &TAreaDocument::CommitWanted, this, &TRoomEditSite::CommitTyping);
}

TRoomEditSite::TRoomEditSite(TRoom& workRoom, TAsker& asker, QObject* parent)
    : QObject(parent), m_asker(asker), m_workRoom(&workRoom)
{
}

void TRoomEditSite::CommitTyping()
{
    if (Filling || !Room())
        return;
    const bool committing = std::exchange(m_committing, true);
    emit CommitWanted();
    m_committing = committing;
}

bool TRoomEditSite::IsTypingIn(const QWidget* field)
{
    const QWidget* focused = field->window()->focusWidget();
    return focused && (focused == field || field->isAncestorOf(focused));
}

TRoom* TRoomEditSite::Room() const
{
    return m_document ? m_document->ActiveRoom() : m_workRoom;
}

TRoomList* TRoomEditSite::Area() const
{
    return m_document ? &m_document->Area() : m_dialogArea;
}

TRoom* TRoomEditSite::Template() const
{
    return m_document ? &m_document->Templates().CurrentDefaultRoom() : nullptr;
}

void TRoomEditSite::SetModified()
{
    if (m_document)
        m_document->SetModified(true);
}

void TRoomEditSite::RecordEdit()
{
    if (m_committing)
        RecordEditKeepingSelection();
    else if (m_document)
        m_document->RecordEdit();
}

void TRoomEditSite::RecordEditKeepingSelection()
{
    if (!m_document)
        return;
    m_document->RefreshOnUndo = false;
    m_document->RecordEdit();
    m_document->RefreshOnUndo = true;
}

void TRoomEditSite::AddMark()
{
    if (m_document)
        m_document->AddMark();
}

void TRoomEditSite::SetAreaModified()
{
    if (m_document)
        m_document->SetModified(true);
    else if (m_dialogArea)
        m_dialogArea->Modified = true;
}

void TRoomEditSite::ReplaceTemplate(const TRoom& room)
{
    if (!m_document)
        return;
    m_document->Templates().CurrentDefaultRoom().Assign(room);
    m_document->SetModified(true);
    emit m_document->TemplatesChanged();
}
