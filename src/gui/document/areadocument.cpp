#include "gui/app/areadocument.h"

TAreaDocument::TAreaDocument() : m_area(std::make_unique<TRoomList>(DefaultMapCells, DefaultMapCells))
{
}

void TAreaDocument::Replace(std::unique_ptr<TRoomList> area)
{
    m_area = std::move(area);
    m_undo.Clear();
    if (OnReplaced)
        OnReplaced();
    m_undo.AddMark(*m_area);
}
