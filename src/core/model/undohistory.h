#pragma once
// Whole-document undo history, written once for the area and the two databases.
// Traits supply the snapshot type: Make(document, previous snapshot or null) records the
// document (sharing whatever did not change since the previous snapshot) and
// Restore(snapshot, document) copies it back into the live object.
#include <functional>
#include <memory>
#include <vector>

template <class Traits>
class TUndoHistory {
public:
    using Document = typename Traits::Document;
    using Snapshot = typename Traits::Snapshot;

    std::function<void()> OnChange;

    int Position() const { return m_position; }
    int Count() const { return static_cast<int>(m_snapshots.size()); }
    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < Count() - 1; }

    void AddMark(const Document& doc)
    {
        // The snapshot at Position matches the live document before this edit, so it is
        // the one to share unchanged parts with; keep it alive while the redo branch goes.
        std::shared_ptr<const Snapshot> previous;
        if (m_position >= 0)
            previous = m_snapshots[m_position];
        while (Count() - 1 > m_position)
            m_snapshots.pop_back();
        m_snapshots.push_back(Traits::Make(doc, previous.get()));
        ++m_position;
        Notify();
    }

    void Undo(Document& doc)
    {
        if (m_position <= 0)
            return;
        --m_position;
        Traits::Restore(*m_snapshots[m_position], doc);
        Notify();
    }

    void Redo(Document& doc)
    {
        if (m_position >= Count() - 1)
            return;
        ++m_position;
        Traits::Restore(*m_snapshots[m_position], doc);
        Notify();
    }

    void Clear()
    {
        m_snapshots.clear();
        m_position = -1;
    }

    // Read-only access for tests and diagnostics.
    const Snapshot& At(int i) const { return *m_snapshots[i]; }

private:
    void Notify()
    {
        if (OnChange)
            OnChange();
    }

    std::vector<std::shared_ptr<const Snapshot>> m_snapshots;
    int m_position = -1;
};
