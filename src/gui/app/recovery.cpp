#include "gui/app/recovery.h"

#include "gui/document/areadocument.h"
#include "gui/document/itemdocument.h"
#include "gui/document/sentencedocument.h"
#include "gui/shared/asker.h"
#include "files/areafile.h"
#include "files/areasavename.h"
#include "files/itemfile.h"
#include "files/recoverycopy.h"
#include "files/savefile.h"
#include "files/sentencefile.h"
#include "files/zstream.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <array>
#include <vector>

namespace {
constexpr std::array Kinds{TRecoveryKind::Area, TRecoveryKind::Sentences, TRecoveryKind::Items};

// Serialised on the GUI thread; the worker only compresses and writes.
struct TCopyJob {
    std::string Path;
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

QString LockPath(const QString& session)
{
    return TRecovery::Folder() + QLatin1Char('/') + session + QStringLiteral(".lock");
}

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
    const QString name = QFileInfo(PathText(fileName)).fileName();
    switch (kind) {
    case TRecoveryKind::Area:
        return AreaNeedsSaveName(fileName) ? QStringLiteral("an area that was never saved")
                                           : QStringLiteral("the area \"%1\"").arg(name);
    case TRecoveryKind::Sentences:
        return QStringLiteral("the sentence database \"%1\"").arg(name);
    case TRecoveryKind::Items:
        return QStringLiteral("the item database \"%1\"").arg(name);
    }
    return name;
}

// The copies hold the user's work: the program's own folders for them are the user's alone.
void MakePrivateFolder(const QString& folder)
{
    QDir().mkpath(folder);
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(folder, ownerOnly);
    QFile::setPermissions(QFileInfo(folder).path(), ownerOnly);
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
    connect(&m_timer, &QTimer::timeout, this, &TRecovery::WriteCopies);
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
    m_minutes = std::max(0, minutes);
    SetInterval(std::chrono::minutes(m_minutes));
}

void TRecovery::SetInterval(std::chrono::milliseconds interval)
{
    if (interval.count() <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(interval);
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
    if (!CollectFinished())
        return;
    std::vector<TCopyJob> jobs;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (TRecoveryKind kind : Kinds) {
        if (!Modified(kind))
            continue;
        TCopyJob job;
        job.Path = PathBytes(CopyPath(kind));
        job.Copy.TakenAt = now;
        try {
            job.Copy.Compressed = Serialise(kind, job.Copy.FileName);
        } catch (const std::exception& e) {
            emit WriteFailed(QStringLiteral("The recovery copy could not be made: ") + QString::fromUtf8(e.what()));
            continue;
        }
        jobs.push_back(std::move(job));
    }
    if (jobs.empty())
        return;
    HoldSession();
    m_running = std::async(std::launch::async, [jobs = std::move(jobs)]() mutable {
        for (TCopyJob& job : jobs) {
            job.Copy.Compressed = DeflateBytes(job.Copy.Compressed);
            SaveFileAtomically(job.Path, RecoveryCopyBytes(job.Copy));
        }
    });
}

void TRecovery::HoldSession()
{
    MakePrivateFolder(Folder());
    if (m_lock)
        return;
    m_lock = std::make_unique<QLockFile>(LockPath(m_session));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
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
    QFile::remove(CopyPath(kind));
}

void TRecovery::RemoveAll()
{
    for (TRecoveryKind kind : Kinds)
        Remove(kind);
}

bool TRecovery::Offer(TRecoveryKind kind, TAsker& asker, QWidget* parent)
{
    const QString suffix = CopySuffix(kind);
    const QFileInfoList copies =
        QDir(Folder()).entryInfoList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : copies) {
        const QString session = info.fileName().chopped(suffix.size());
        if (session == m_session)
            continue;
        // A lock that cannot be taken belongs to an editor that still runs. A taken one goes
        // when this scope ends: the session is dealt with.
        QLockFile owner(LockPath(session));
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0))
            continue;
        if (OfferCopy(kind, info.filePath(), asker, parent))
            return true;
    }
    return false;
}

bool TRecovery::OfferCopy(TRecoveryKind kind, const QString& path, TAsker& asker, QWidget* parent)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    TRecoveryCopy copy;
    try {
        copy = ParseRecoveryCopy(bytes.toStdString());
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    if (FileIsNewer(kind, copy)) {
        QFile::remove(path);
        return false;
    }
    const QString when = QDateTime::fromSecsSinceEpoch(copy.TakenAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    const QString question = QStringLiteral("A recovery copy of %1 from %2 was found: the editor did not close "
                                            "normally. Do you want to restore it?")
                                 .arg(Described(kind, copy.FileName), when);
    // Declined, the copy goes: it would be offered again at every start otherwise.
    if (!asker.AskYesNo(parent, question)) {
        QFile::remove(path);
        return false;
    }
    try {
        Restore(kind, copy.Compressed, copy.FileName);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    // The copy becomes this editor's own: safe until this session writes, saves or exits.
    HoldSession();
    QFile::remove(CopyPath(kind));
    QFile::rename(path, CopyPath(kind));
    return true;
}

void TRecovery::Restore(TRecoveryKind kind, const std::string& compressed, const std::string& fileName)
{
    switch (kind) {
    case TRecoveryKind::Area: {
        auto area = std::make_unique<TRoomList>(m_area.Area().Width, m_area.Area().Height);
        LoadAreaFromCompressed(compressed, *area);
        area->FileName = fileName;
        area->Modified = true;
        m_area.Adopt(std::move(area));
        break;
    }
    case TRecoveryKind::Sentences: {
        auto db = std::make_unique<TSentenceList>();
        LoadSentencesFromCompressed(compressed, *db);
        db->FileName = fileName;
        db->Modified = true;
        m_sentences.Replace(std::move(db));
        break;
    }
    case TRecoveryKind::Items: {
        auto db = std::make_unique<TItemList>();
        LoadItemsFromCompressed(compressed, *db);
        db->FileName = fileName;
        db->Modified = true;
        m_items.Replace(std::move(db));
        break;
    }
    }
}
