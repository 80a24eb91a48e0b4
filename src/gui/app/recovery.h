#pragma once
// Crash recovery: while a document is modified, a copy of it is written every few minutes to
// the per-user state folder ($XDG_STATE_HOME/kesterbrandor/recovery), never over the user's
// own file. The document is serialised on the GUI thread; compressing and writing happen on
// a worker, which never touches the documents. A save (the document turning unmodified) and a
// clean exit remove the copy; at start-up a copy newer than its file is offered back.
// Each running editor writes under a session name of its own and holds that session's lock
// file, so two editors never overwrite or offer each other's live copies.
// The folder is used only when it is the user's alone (see TPrivateFolder); otherwise no copy
// is written or read, and one message says why.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <future>
#include <memory>

class QLockFile;
class QWidget;
class TAreaDocument;
class TAsker;
class TItemDocument;
class TItemList;
class TPrivateFolder;
class TRoomList;
class TSentenceDocument;
class TSentenceList;

enum class TRecoveryKind { Area, Sentences, Items };

class TRecovery : public QObject {
    Q_OBJECT
public:
    TRecovery(TAreaDocument& area, TSentenceDocument& sentences, TItemDocument& items, QObject* parent = nullptr);
    // Waits for a running write, so that nothing is left half-written behind the window.
    ~TRecovery() override;

    static constexpr int MaxIntervalMinutes = 120;
    // Minutes between copies, taken into 0..MaxIntervalMinutes; 0 turns them off. The next copy
    // is due that long after the last one, however often the interval is set again.
    void SetIntervalMinutes(int minutes);
    int IntervalMinutes() const { return m_minutes; }
    // A finer interval, and a shorter minute, for tests.
    void SetInterval(std::chrono::milliseconds interval);
    void SetMinuteLength(std::chrono::milliseconds minute);

    static QString Folder();
    // This editor's copy of that document.
    QString CopyPath(TRecoveryKind kind) const;
    // The end of every session's copy name of that document ("-area.kbr"...).
    static QString CopySuffix(TRecoveryKind kind);

    // Writes a copy of each modified document (the timer's work).
    void WriteCopies();
    // Waits until the running write is done.
    void Wait();
    // Removes the copy of one document, or of all of them (clean exit).
    void Remove(TRecoveryKind kind);
    void RemoveAll();

    // At start-up: for each copy of that document left by an editor that no longer runs,
    // newest first, asks whether to restore it when it is newer than its file (or the file
    // is not there); true when one was restored, as modified under its file's name. A
    // declined or outdated copy is removed. A damaged copy is removed and its error raised.
    bool Offer(TRecoveryKind kind, TAsker& asker, QWidget* parent);

signals:
    // A copy could not be written, or the folder is not safe to use (said once); editing goes on.
    void WriteFailed(const QString& message);

private:
    // A copy loaded whole, before it is offered.
    struct TLoaded {
        std::unique_ptr<TRoomList> Area;
        std::unique_ptr<TSentenceList> Sentences;
        std::unique_ptr<TItemList> Items;
    };

    // Opens and checks the folder once; false when it is not there (and not to be made) or
    // not safe, which is reported the first time.
    bool OpenFolder(bool create);
    // Makes the folder and takes this session's lock, once.
    bool HoldSession();
    QString LockPath(const QString& session) const;
    std::string CopyName(TRecoveryKind kind) const;
    void Tick();
    bool OfferCopy(TRecoveryKind kind, const std::string& name, TAsker& asker, QWidget* parent);
    bool Modified(TRecoveryKind kind) const;
    std::string Serialise(TRecoveryKind kind, std::string& fileName) const;
    TLoaded Load(TRecoveryKind kind, const std::string& compressed, const std::string& fileName) const;
    void Adopt(TRecoveryKind kind, TLoaded loaded);
    // Reports the outcome of a finished write; false while one is still running.
    bool CollectFinished();

    TAreaDocument& m_area;
    TSentenceDocument& m_sentences;
    TItemDocument& m_items;
    QTimer m_timer;
    // Since the last copy was due: the next one is due an interval after it.
    QElapsedTimer m_sinceCopy;
    std::chrono::milliseconds m_interval{0};
    std::chrono::milliseconds m_minute{std::chrono::minutes(1)};
    int m_minutes = 2;
    std::future<void> m_running;
    const QString m_session;
    std::unique_ptr<TPrivateFolder> m_folder;
    bool m_folderRefused = false;
    // Held from the first copy on; left behind by a crash, it tells the next start that
    // this session's copies have no editor any more. Reached through the folder's handle,
    // so it goes before the folder.
    std::unique_ptr<QLockFile> m_lock;
};
