#pragma once
// The item database being edited, the items the pane lists, and the database's own undo
// history. The item pane edits it in place and records here; the main window saves it.
#include "db/importcounters.h"
#include "db/itemsearch.h"
#include "db/itemundo.h"
#include "model/roomlist.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

// What moved the item history.
enum class TItemChange { Mark, Undo, Redo };

class TItemDocument : public QObject {
    Q_OBJECT
public:
    explicit TItemDocument(QObject* parent = nullptr);

    // Replaced as a whole by New: reach it through Database(), never keep a pointer across
    // DatabaseReplaced.
    TItemList& Database() { return *m_db; }
    const TItemList& Database() const { return *m_db; }
    // The listed items: all of them, or the last search result.
    TItemView& View() { return m_view; }
    const TItemView& View() const { return m_view; }
    const TIUndoList& Undo() const { return m_undo; }

    // --- edits
    void AddMark();
    // Modified := true, then AddMark.
    void RecordEdit();
    // Undo and redo list all items again; the pane re-runs its search after them.
    void UndoEdit();
    void RedoEdit();

    // --- the listed items
    void ListAll();
    void Search(const TItemSearch& search);

    // --- whole databases
    // An empty database under the default name, with a fresh history.
    void New();
    // Empties the database and loads fileName into it (a missing file leaves it empty);
    // the history starts with what was read. Throws on a damaged file, keeping what was
    // read before the damage.
    void Open(const std::string& fileName);
    // Writes the database to fileName, which becomes its name, and clears Modified. Throws
    // on failure, leaving name and flag as they were.
    void SaveAs(const std::string& fileName);
    // Takes a database read elsewhere (a recovery copy) with its name and Modified flag.
    void Replace(std::unique_ptr<TItemList> db);

    // --- imports: the added items join the listed ones; each records a mark, also when
    // nothing was added.
    TImportCounters SaveItems(const std::vector<const TItem*>& items);
    TImportCounters ImportArea(const TRoomList& area);
    // Throws on a file of the wrong kind, adding nothing.
    TImportCounters ImportFile(const std::string& fileName);

signals:
    // A new database object; its first mark follows.
    void DatabaseReplaced();
    // After every mark, undo and redo.
    void DatabaseChanged(TItemChange change);
    // The listed items changed (search, cancelled search, import, load).
    void ViewChanged();
    void ModifiedChanged(bool modified);

private:
    void FollowModified();
    void StartHistory();

    std::unique_ptr<TItemList> m_db;
    TItemView m_view;
    TIUndoList m_undo;
    bool m_announcedModified = false;
};
