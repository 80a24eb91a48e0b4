#pragma once
// The area being edited and its undo history. The area object is replaced as a whole by
// New and Open; everyone else reaches it through Area(), never by keeping a pointer.
#include "model/areaundo.h"

#include <functional>
#include <memory>

class TAreaDocument {
public:
    TAreaDocument();

    TRoomList& Area() { return *m_area; }
    const TRoomList& Area() const { return *m_area; }
    TAUndoList& Undo() { return m_undo; }
    const TAUndoList& Undo() const { return m_undo; }

    // Records the area as it stands on the undo history.
    void AddMark() { m_undo.AddMark(*m_area); }
    // Takes a new area in place of the current one and starts its history afresh.
    void Replace(std::unique_ptr<TRoomList> area);

    // Called after Replace, so that views can let go of the old area.
    std::function<void()> OnReplaced;

private:
    std::unique_ptr<TRoomList> m_area;
    TAUndoList m_undo;
};

// A fresh area of the start size.
constexpr int DefaultMapCells = 15;
