#pragma once
// The sentence database being edited, the sentences its pane lists and its undo history.
// The pane, the room details and the main window reach the database only through this
// object and follow its signals.
#include "db/sentencelist.h"
#include "db/sentenceundo.h"

#include <QObject>
#include <memory>
#include <string>

// What moved the sentence history.
enum class TSentenceChange { Mark, Undo, Redo };

class TSentenceDocument : public QObject {
    Q_OBJECT
public:
    explicit TSentenceDocument(QObject* parent = nullptr);

    // Replaced as a whole by New and Open: reach it through Database(), never keep it.
    TSentenceList& Database() { return *m_db; }
    const TSentenceList& Database() const { return *m_db; }
    // The listed sentences: all of them or the result of the last search. Undo, redo, New and
    // Open set it to all sentences, as the old pointers are gone.
    TSentenceView& View() { return m_view; }
    const TSentenceView& View() const { return m_view; }
    const TSUndoList& Undo() const { return m_undo; }

    // Records the database as it stands, Modified included.
    void AddMark();
    // Modified := true, then AddMark.
    void RecordEdit();
    void UndoEdit();
    void RedoEdit();
    void ListAll() { m_view = m_db->All(); }

    // An empty database with the default name; its history starts afresh.
    void New();
    // Loads into a database of its own, so that a damaged file never replaces the user's; a
    // file that cannot be opened gives an empty database. Throws on a wrong or damaged file.
    void Open(const std::string& fileName);
    // Writes to fileName, which becomes the database's name, and clears Modified. Throws on
    // failure, leaving name, flag and file as they were.
    void SaveAs(const std::string& fileName);
    // Takes a database read elsewhere (a recovery copy) with its name and Modified flag.
    void Replace(std::unique_ptr<TSentenceList> db);

signals:
    // A new database object: the pane lets go of its rows. Its first mark follows.
    void DatabaseReplaced();
    // After every mark, undo and redo.
    void DatabaseChanged(TSentenceChange change);
    void ModifiedChanged(bool modified);

private:
    void FollowModified();

    std::unique_ptr<TSentenceList> m_db;
    TSentenceView m_view;
    TSUndoList m_undo;
    bool m_announcedModified = false;
};
