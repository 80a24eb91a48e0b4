#include "gui/app/recovery.h"

#include "gui/document/areadocument.h"
#include "gui/document/itemdocument.h"
#include "gui/document/sentencedocument.h"
#include "gui/shared/asker.h"
#include "files/areafile.h"
#include "files/areasavename.h"
#include "files/itemfile.h"
#include "files/loadlimits.h"
#include "files/privatefolder.h"
#include "files/recoverycopy.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "kberror.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <algorithm>
#include <array>
#include <vector>

namespace {
constexpr std::array Kinds{TRecoveryKind::Area, TRecoveryKind::Sentences, TRecoveryKind::Items};

// Serialised on the GUI thread; the worker only compresses and writes.
struct TCopyJob {
    std::string Name;
    TRecoveryCopy Copy; // Compressed holds the inflated content until the worker deflates it
};

int Index(TRecoveryKind kind)
{
    return static_cast<int>(kind);
}

// Unique among the editors running now and the sessions left behind.
QString NewSession()
{
    static int started = 0;
    return QStringLiteral("%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(++started);
}

// A copy with its header and file name: the loaders' file limit, and room for the rest.
constexpr size_t MaxCopyBytes = TLoadLimits{}.MaxFileBytes + (size_t(1) << 20);

// An editor on another host cannot be asked whether it runs; while its work is unsaved it
// renews its copies every interval, two hours at most, so a copy older than this has none.
constexpr qint64 OtherHostLockLifeSecs = 3 * 60 * 60;

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString Described(TRecoveryKind kind, const std::string& fileName)
{
    // The whole path: two areas of one name in different folders are told apart.
    const QString path = PathText(fileName);
    switch (kind) {
    case TRecoveryKind::Area:
        return AreaNeedsSaveName(fileName) ? QStringLiteral("an area that was never saved")
                                           : QStringLiteral("the area \"%1\"").arg(path);
    case TRecoveryKind::Sentences:
        return QStringLiteral("the sentence database \"%1\"").arg(path);
    case TRecoveryKind::Items:
        return QStringLiteral("the item database \"%1\"").arg(path);
    }
    return path;
}

// A lock that its session's editor cannot be holding any more. QLockFile has already let go
// of one whose process is gone from this host.
bool LockIsStale(const QLockFile& lock, qint64 copyTakenAt)
{
    qint64 pid = 0;
    QString host;
    QString app;
    // Empty, cut or unreadable: an editor writes its lock whole before its first copy.
    if (!lock.getLockInfo(&pid, &host, &app))
        return true;
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return false;
    return QDateTime::currentSecsSinceEpoch() - copyTakenAt > OtherHostLockLifeSecs;
}

// An outdated copy: its file was written after it (saved by another instance, say).
bool FileIsNewer(TRecoveryKind kind, const TRecoveryCopy& copy)
{
    if (kind == TRecoveryKind::Area && AreaNeedsSaveName(copy.FileName))
        return false;
    const QFileInfo file(PathText(copy.FileName));
    return file.isFile() && file.lastModified().toSecsSinceEpoch() > copy.TakenAt;
}
} // namespace

TRecovery::TRecovery(TAreaDocument& area, TSentenceDocument& sentences, TItemDocument& items, QObject* parent)
    : QObject(parent), m_area(area), m_sentences(sentences), m_items(items), m_session(NewSession())
{
    m_timer.setSingleShot(true);
    m_sinceCopy.start();
    connect(&m_timer, &QTimer::timeout, this, &TRecovery::Tick);
    // A saved (or undone to saved) document needs no copy any more.
    connect(&m_area, &TAreaDocument::ModifiedChanged, this, [this](bool on) {
        if (!on)
            Remove(TRecoveryKind::Area);
    });
    connect(&m_sentences, &TSentenceDocument::ModifiedChanged, this, [this](bool on) {
        if (!on)
            Remove(TRecoveryKind::Sentences);
    });
    connect(&m_items, &TItemDocument::ModifiedChanged, this, [this](bool on) {
        if (!on)
            Remove(TRecoveryKind::Items);
    });
    SetIntervalMinutes(m_minutes);
}

TRecovery::~TRecovery()
{
    Wait();
}

void TRecovery::SetIntervalMinutes(int minutes)
{
    // Settings may hold anything: a huge value must neither overflow the timer nor stop it.
    m_minutes = std::clamp(minutes, 0, MaxIntervalMinutes);
    SetInterval(m_minute * m_minutes);
}

void TRecovery::SetMinuteLength(std::chrono::milliseconds minute)
{
    m_minute = minute;
    SetIntervalMinutes(m_minutes);
}

void TRecovery::SetInterval(std::chrono::milliseconds interval)
{
    m_interval = interval;
    if (interval.count() <= 0) {
        m_timer.stop();
        return;
    }
    // Counted from the last copy: setting the interval again (Options OK) does not put it off.
    const std::chrono::milliseconds since(m_sinceCopy.elapsed());
    m_timer.start(std::max(std::chrono::milliseconds(0), interval - since));
}

void TRecovery::Tick()
{
    m_sinceCopy.restart();
    if (m_interval.count() > 0)
        m_timer.start(m_interval);
    WriteCopies();
}

QString TRecovery::Folder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory specification ignores a relative path.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/kesterbrandor/recovery");
}

QString TRecovery::CopySuffix(TRecoveryKind kind)
{
    static const char* const names[] = {"-area.kbr", "-sentences.kbr", "-items.kbr"};
    return QLatin1String(names[Index(kind)]);
}

QString TRecovery::CopyPath(TRecoveryKind kind) const
{
    return Folder() + QLatin1Char('/') + m_session + CopySuffix(kind);
}

std::string TRecovery::CopyName(TRecoveryKind kind) const
{
    return PathBytes(m_session + CopySuffix(kind));
}

QString TRecovery::LockPath(const QString& session) const
{
    // Through the folder's own handle: the lock lands in the folder that was checked.
    return PathText(m_folder->HandlePath()) + QLatin1Char('/') + session + QStringLiteral(".lock");
}

bool TRecovery::OpenFolder(bool create)
{
    if (m_folder)
        return true;
    if (m_folderRefused)
        return false;
    try {
        auto folder = std::make_unique<TPrivateFolder>(PathBytes(Folder()), create);
        if (!folder->IsOpen())
            return false;
        m_folder = std::move(folder);
        return true;
    } catch (const std::exception& e) {
        // Said once; the copies stay off until the next start.
        m_folderRefused = true;
        emit WriteFailed(QString::fromUtf8(e.what()) +
                         QStringLiteral(" No recovery copies are written or read: only a folder of your own that "
                                        "nobody else may write into keeps them safe."));
        return false;
    }
}

bool TRecovery::Modified(TRecoveryKind kind) const
{
    switch (kind) {
    case TRecoveryKind::Area:
        return m_area.Area().Modified;
    case TRecoveryKind::Sentences:
        return m_sentences.Database().Modified;
    case TRecoveryKind::Items:
        return m_items.Database().Modified;
    }
    return false;
}

std::string TRecovery::Serialise(TRecoveryKind kind, std::string& fileName) const
{
    switch (kind) {
    case TRecoveryKind::Area: {
        // The field being typed in counts with its text.
        m_area.CommitTyping();
        TRoomList& area = m_area.Area();
        fileName = area.FileName;
        // The default rooms travel in the copy as they do in the file.
        m_area.Templates().CopyInto(area.DefaultRooms);
        std::string bytes;
        try {
            bytes = AreaToInflatedBytes(area);
        } catch (...) {
            area.DefaultRooms.Clear();
            throw;
        }
        area.DefaultRooms.Clear();
        return bytes;
    }
    case TRecoveryKind::Sentences:
        fileName = m_sentences.Database().FileName;
        return SentencesToInflatedBytes(m_sentences.Database());
    case TRecoveryKind::Items:
        fileName = m_items.Database().FileName;
        return ItemsToInflatedBytes(m_items.Database());
    }
    return {};
}

bool TRecovery::CollectFinished()
{
    if (!m_running.valid())
        return true;
    if (m_running.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    try {
        m_running.get();
    } catch (const std::exception& e) {
        emit WriteFailed(QStringLiteral("The recovery copy could not be written: ") + QString::fromUtf8(e.what()));
    }
    return true;
}

void TRecovery::WriteCopies()
{
    // A write still running (a slow disk) is left alone; the next tick catches up.
    if (m_folderRefused || !CollectFinished())
        return;
    std::vector<TCopyJob> jobs;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (TRecoveryKind kind : Kinds) {
        if (!Modified(kind))
            continue;
        TCopyJob job;
        job.Name = CopyName(kind);
        job.Copy.TakenAt = now;
        try {
            job.Copy.Compressed = Serialise(kind, job.Copy.FileName);
        } catch (const std::exception& e) {
            emit WriteFailed(QStringLiteral("The recovery copy could not be made: ") + QString::fromUtf8(e.what()));
            continue;
        }
        jobs.push_back(std::move(job));
    }
    if (jobs.empty() || !HoldSession())
        return;
    // The folder outlives the write: the destructor waits for it.
    const TPrivateFolder* folder = m_folder.get();
    m_running = std::async(std::launch::async, [folder, jobs = std::move(jobs)]() mutable {
        for (TCopyJob& job : jobs) {
            job.Copy.Compressed = DeflateBytes(job.Copy.Compressed);
            folder->WriteFile(job.Name, RecoveryCopyBytes(job.Copy));
        }
    });
}

bool TRecovery::HoldSession()
{
    if (!OpenFolder(true))
        return false;
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(LockPath(m_session));
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
    }
    return true;
}

void TRecovery::Wait()
{
    if (m_running.valid())
        m_running.wait();
    CollectFinished();
}

void TRecovery::Remove(TRecoveryKind kind)
{
    // A write in flight would bring the copy back after it was removed.
    Wait();
    if (m_folder)
        m_folder->Remove(CopyName(kind));
}

void TRecovery::RemoveAll()
{
    for (TRecoveryKind kind : Kinds)
        Remove(kind);
}

bool TRecovery::Offer(TRecoveryKind kind, TAsker& asker, QWidget* parent)
{
    if (!OpenFolder(false))
        return false;
    const QString suffix = CopySuffix(kind);
    for (const TFolderEntry& entry : m_folder->EntriesEndingWith(PathBytes(suffix))) {
        const QString session = PathText(entry.Name).chopped(suffix.size());
        if (session == m_session)
            continue;
        // A lock that cannot be taken belongs to an editor that still runs, unless it is
        // stale. A taken one goes when this scope ends: the session is dealt with.
        QLockFile owner(LockPath(session));
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0)) {
            if (!LockIsStale(owner, entry.ModifiedAt / 1000000000) || !owner.removeStaleLockFile() || !owner.tryLock(0))
                continue;
        }
        try {
            if (OfferCopy(kind, entry.Name, asker, parent))
                return true;
        } catch (const std::exception& e) {
            // Never offered again; the other copies still are.
            m_folder->Remove(entry.Name);
            asker.ShowError(parent, QString::fromUtf8(e.what()));
        }
    }
    return false;
}

bool TRecovery::OfferCopy(TRecoveryKind kind, const std::string& name, TAsker& asker, QWidget* parent)
{
    TRecoveryCopy copy;
    {
        // Gone meanwhile: its editor ended normally.
        if (!m_folder->Has(name))
            return false;
        std::string bytes = m_folder->ReadFile(name, MaxCopyBytes);
        copy = ParseRecoveryCopy(bytes);
    }
    if (FileIsNewer(kind, copy)) {
        m_folder->Remove(name);
        return false;
    }
    // Loaded whole before the question: a damaged copy is never offered.
    TLoaded loaded = Load(kind, copy.Compressed, copy.FileName);
    copy.Compressed.clear();
    const QString when = QDateTime::fromSecsSinceEpoch(copy.TakenAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    const QString question = QStringLiteral("A recovery copy of %1 from %2 was found: the editor did not close "
                                            "normally. Do you want to restore it?")
                                 .arg(Described(kind, copy.FileName), when);
    // Declined, the copy goes: it would be offered again at every start otherwise.
    if (!asker.AskYesNo(parent, question)) {
        m_folder->Remove(name);
        return false;
    }
    Adopt(kind, std::move(loaded));
    // The copy becomes this editor's own: safe until this session writes, saves or exits.
    HoldSession();
    m_folder->Rename(name, CopyName(kind));
    return true;
}

TRecovery::TLoaded TRecovery::Load(TRecoveryKind kind, const std::string& compressed, const std::string& fileName) const
{
    TLoaded loaded;
    switch (kind) {
    case TRecoveryKind::Area:
        loaded.Area = std::make_unique<TRoomList>(m_area.Area().Width, m_area.Area().Height);
        LoadAreaFromCompressed(compressed, *loaded.Area);
        loaded.Area->FileName = fileName;
        loaded.Area->Modified = true;
        break;
    case TRecoveryKind::Sentences:
        loaded.Sentences = std::make_unique<TSentenceList>();
        LoadSentencesFromCompressed(compressed, *loaded.Sentences);
        loaded.Sentences->FileName = fileName;
        loaded.Sentences->Modified = true;
        break;
    case TRecoveryKind::Items:
        loaded.Items = std::make_unique<TItemList>();
        LoadItemsFromCompressed(compressed, *loaded.Items);
        loaded.Items->FileName = fileName;
        loaded.Items->Modified = true;
        break;
    }
    return loaded;
}

void TRecovery::Adopt(TRecoveryKind kind, TLoaded loaded)
{
    switch (kind) {
    case TRecoveryKind::Area:
        m_area.Adopt(std::move(loaded.Area));
        break;
    case TRecoveryKind::Sentences:
        m_sentences.Replace(std::move(loaded.Sentences));
        break;
    case TRecoveryKind::Items:
        m_items.Replace(std::move(loaded.Items));
        break;
    }
}
