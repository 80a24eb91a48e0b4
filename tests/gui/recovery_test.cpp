// Crash recovery: copies of unsaved work in the state folder, offered back at the next start.
#include "editorfixture.h"

#include "files/areafile.h"
#include "files/recoverycopy.h"
#include "files/zstream.h"
#include "gui/app/recovery.h"
#include "gui/app/statuspanels.h"
#include "gui/app/mainmenu.h"
#include "gui/options/formoptions.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSysInfo>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Points the state folder somewhere of the test's own while it lives.
class TStateHome {
public:
    TStateHome() : m_old(qgetenv("XDG_STATE_HOME")) { Use(m_dir.path()); }
    ~TStateHome() { qputenv("XDG_STATE_HOME", m_old); }
    void Use(const QString& path) { qputenv("XDG_STATE_HOME", QFile::encodeName(path)); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

private:
    QByteArray m_old;
    QTemporaryDir m_dir;
};

// The rooms with their places, links and texts. (The details panel gives the room it shows an
// empty description, which is no edit, so whole-file bytes differ by when a room was shown.)
std::string Rooms(const TRoomList& area)
{
    std::string out;
    for (int i = 0; i < area.Count(); ++i) {
        const TRoom& r = area[i];
        out += std::to_string(r.Number) + ' ' + std::to_string(r.X) + ',' + std::to_string(r.Y) + ' ' + r.FileName +
               ' ' + r.Short;
        for (const TGridPoint& link : r.CompassLinks)
            out += ' ' + std::to_string(link.X) + ',' + std::to_string(link.Y);
        for (const TRoomDescription& d : r.Descriptions)
            for (const std::string& line : d.Text)
                out += '|' + line;
        out += '\n';
    }
    return out;
}

// The copies of that document in the state folder, of every session.
QStringList CopiesOf(TRecoveryKind kind)
{
    return QDir(TRecovery::Folder()).entryList({QLatin1Char('*') + TRecovery::CopySuffix(kind)}, QDir::Files);
}

// A modified area with an edited sentence database, waiting for its copies.
void MakeUnsavedWork(TEditorFixture& f, const QString& file)
{
    TRoomList area(9, 9);
    PlaceRoom(area, {1, 1})->Short = "Old mill";
    WriteAreaFile(file, area);
    f.Form().OpenFile(file);
    f.Click({3, 1});
    f.Form().SentenceDocument().Database().AddCopy(TSentence{"A cold wind blows.", "weather", 0, ""});
    f.Form().SentenceDocument().RecordEdit();
    ASSERT_TRUE(f.Area().Modified);
    QTest::qWait(100); // the room details settle on the new room
    f.Form().Recovery().SetInterval(std::chrono::milliseconds(20));
    ASSERT_TRUE(QTest::qWaitFor([] { return !CopiesOf(TRecoveryKind::Area).isEmpty(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([] { return !CopiesOf(TRecoveryKind::Sentences).isEmpty(); }, 5000));
    f.Form().Recovery().SetInterval(std::chrono::milliseconds(0));
    f.Form().Recovery().Wait();
    EXPECT_TRUE(CopiesOf(TRecoveryKind::Items).isEmpty()) << "an unmodified database leaves no copy";
}

std::string Bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

unsigned Mode(const QString& path)
{
    struct stat info {};
    ::lstat(Bytes(path).c_str(), &info);
    return info.st_mode & 07777;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<unreadable>");
}

void WriteText(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void SetModified(const QString& path, qint64 secsSinceEpoch)
{
    const timespec times[2] = {{secsSinceEpoch, 0}, {secsSinceEpoch, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Bytes(path).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path.toStdString();
}

// Everything in the folder (links and hidden entries too).
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// An area copy as an editor that crashed leaves it, of a one-room area belonging to file.
void PlantAreaCopy(const QString& path, const std::string& file, const std::string& shortText, qint64 takenAt)
{
    TRoomList area(9, 9);
    PlaceRoom(area, {1, 1})->Short = shortText;
    TRecoveryCopy copy;
    copy.FileName = file;
    copy.TakenAt = takenAt;
    copy.Compressed = DeflateBytes(AreaToInflatedBytes(area));
    WriteText(path, QByteArray::fromStdString(RecoveryCopyBytes(copy)));
}

// The last panel of the status bar, where hints and notes go.
QString StatusNote(TEditorFixture& f)
{
    return f.Form().Status().Panel(TStatusPanels::Count - 1)->text();
}

// A modified area, copied every 20 ms while the test waits.
void ModifyAndCopyOften(TEditorFixture& f)
{
    f.Click({3, 1});
    ASSERT_TRUE(f.Area().Modified);
    f.Form().Recovery().SetInterval(std::chrono::milliseconds(20));
}

// What a crash leaves: the recovery folder as it stood, copied before the window closes. The
// session's lock names this very process, so it is kept only to stand for an editor still running.
void KeepCopies(const QString& from, const QString& to, bool withLock = false)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (withLock || !name.endsWith(QStringLiteral(".lock")))
            QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}
} // namespace

TEST(Recovery, UnsavedWorkComesBackAfterACrashAndGoesWithTheSave)
{
    TStateHome state;
    std::string before;
    std::string areaFile;
    {
        TEditorFixture f;
        MakeUnsavedWork(f, state.Path(QStringLiteral("mill.arf")));
        before = Rooms(f.Area());
        areaFile = f.Area().FileName;
        EXPECT_EQ(QFileInfo(TRecovery::Folder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                  QFile::Permissions()) << "others cannot read the copies' folder";
        KeepCopies(TRecovery::Folder(), state.Path(QStringLiteral("crashed/kesterbrandor/recovery")));
        f.Close();
        EXPECT_TRUE(CopiesOf(TRecoveryKind::Area).isEmpty()) << "a clean exit removes the copy";
        EXPECT_TRUE(CopiesOf(TRecoveryKind::Sentences).isEmpty());
    }
    state.Use(state.Path(QStringLiteral("crashed")));
    QString copyTime;
    for (const QString& name : CopiesOf(TRecoveryKind::Area)) {
        QFile copy(TRecovery::Folder() + QLatin1Char('/') + name);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        copyTime = QDateTime::fromSecsSinceEpoch(ParseRecoveryCopy(copy.readAll().toStdString()).TakenAt)
                       .toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    }
    TEditorFixture f({}, {}, {TAnswer::Yes, TAnswer::Yes});
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Asker().Questions.size() == 2; }, 5000));
    // The whole path of the file and the time of the copy: the user knows which work it is.
    const QString quotedPath = QLatin1Char('"') + QString::fromStdString(areaFile) + QLatin1Char('"');
    EXPECT_TRUE(f.Asker().Questions[0].contains(quotedPath)) << f.Asker().Questions[0].toStdString();
    EXPECT_TRUE(f.Asker().Questions[0].contains(copyTime)) << copyTime.toStdString();
    EXPECT_TRUE(f.Asker().Questions[1].contains(QStringLiteral("sentence database")));
    EXPECT_EQ(Rooms(f.Area()), before);
    EXPECT_EQ(f.Area().FileName, areaFile);
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_TRUE(f.Form().windowTitle().endsWith(QStringLiteral("(mill.arf)")));
    const TSentenceList& sentences = f.Form().SentenceDocument().Database();
    ASSERT_EQ(sentences.Count(), 1);
    EXPECT_EQ(sentences[0].Sentence, "A cold wind blows.");
    EXPECT_TRUE(sentences.Modified);

    ASSERT_TRUE(f.Form().Save(false));
    EXPECT_TRUE(CopiesOf(TRecoveryKind::Area).isEmpty()) << "a save removes the copy";
    EXPECT_EQ(CopiesOf(TRecoveryKind::Sentences), QStringList{QFileInfo(f.Form().Recovery().CopyPath(TRecoveryKind::Sentences)).fileName()})
        << "the unsaved database keeps its copy, now this editor's own";
}

TEST(Recovery, DeclinedOrOutdatedCopiesAreRemovedAndARunningEditorsAreLeftAlone)
{
    struct TCase {
        const char* name;
        bool fileSavedLater;
        bool editorRuns;
        std::deque<TAnswer> answers;
        int questions;
    };
    const TCase cases[] = {
        {"declined", false, false, {TAnswer::No}, 1},
        {"file saved after the copy", true, false, {}, 0},
        {"its editor still runs", false, true, {}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TStateHome state;
        QString file;
        {
            TEditorFixture f;
            MakeUnsavedWork(f, state.Path(QStringLiteral("mill.arf")));
            file = state.Path(QStringLiteral("mill.arf"));
            KeepCopies(TRecovery::Folder(), state.Path(QStringLiteral("crashed/kesterbrandor/recovery")),
                       c.editorRuns);
        }
        state.Use(state.Path(QStringLiteral("crashed")));
        for (const QString& name : CopiesOf(TRecoveryKind::Sentences))
            QFile::remove(TRecovery::Folder() + QLatin1Char('/') + name);
        if (c.fileSavedLater) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
        }
        TEditorFixture f({}, {}, c.answers);
        (void)QTest::qWaitFor([&] { return f.Asker().Questions.size() == c.questions; }, 2000);
        QTest::qWait(50);
        EXPECT_EQ(f.Asker().Questions.size(), c.questions);
        EXPECT_EQ(CopiesOf(TRecoveryKind::Area).size(), c.editorRuns ? 1 : 0);
        EXPECT_EQ(f.Area().Count(), 0);
    }
}

TEST(Recovery, NoCopyGoesIntoAFolderOthersCouldReachAndOneMessageSaysWhy)
{
    struct TCase {
        const char* name;
        std::function<void(const QString& folder, const QString& aside)> make;
    };
    std::vector<TCase> cases = {
        {"writable by others",
         [](const QString& folder, const QString&) {
             QDir().mkpath(folder);
             ::chmod(Bytes(folder).c_str(), 0777);
         }},
        {"a link to a folder",
         [](const QString& folder, const QString& aside) {
             QDir().mkpath(aside);
             ::chmod(Bytes(aside).c_str(), 0755);
             QDir().mkpath(QFileInfo(folder).path());
             QFile::link(aside, folder);
         }},
    };
    // Only the superuser can give a folder away; the others see the group-writable case.
    if (::geteuid() == 0)
        cases.push_back({"another user's", [](const QString& folder, const QString&) {
                             QDir().mkpath(folder);
                             ::chmod(Bytes(folder).c_str(), 0755);
                             ASSERT_EQ(::chown(Bytes(folder).c_str(), 65534, 65534), 0);
                         }});
    else
        cases.push_back({"writable by its group", [](const QString& folder, const QString&) {
                             QDir().mkpath(folder);
                             ::chmod(Bytes(folder).c_str(), 0770);
                         }});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TStateHome state;
        const QString aside = state.Path(QStringLiteral("aside"));
        c.make(TRecovery::Folder(), aside);
        const QString where = QFileInfo(TRecovery::Folder()).isSymLink() ? aside : TRecovery::Folder();
        const unsigned mode = Mode(where);
        PlantAreaCopy(where + QStringLiteral("/planted-area.kbr"), "/nowhere/planted.arf", "Planted", 0);

        // Said at start-up, when the copies left there are looked for, and not again.
        TEditorFixture f;
        const QString message = StatusNote(f);
        EXPECT_TRUE(message.contains(TRecovery::Folder())) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("No recovery copies"))) << message.toStdString();
        QSignalSpy messages(&f.Form().Recovery(), &TRecovery::WriteFailed);
        f.OpenArea(QStringLiteral("mill.arf"), TRoomList(9, 9));
        ModifyAndCopyOften(f);
        QTest::qWait(300);
        f.Form().Recovery().SetInterval(std::chrono::milliseconds(0));
        f.Form().Recovery().Wait();

        EXPECT_TRUE(f.Asker().Questions.isEmpty()) << "nothing is offered from it";
        EXPECT_EQ(Entries(where), QStringList{QStringLiteral("planted-area.kbr")});
        EXPECT_EQ(Mode(where), mode);
        EXPECT_EQ(messages.size(), 0);
        EXPECT_TRUE(f.Asker().Errors.isEmpty());
    }
}

TEST(Recovery, CopiesAreOnlyTheUsersAndNeverWrittenThroughLinksPlantedForThem)
{
    TStateHome state;
    const QString victim = state.Path(QStringLiteral("victim.txt"));
    const QString otherVictim = state.Path(QStringLiteral("other-victim.txt"));
    WriteText(victim, "the victim's own");
    WriteText(otherVictim, "the victim's other");
    QDir().mkpath(TRecovery::Folder());

    TEditorFixture f;
    const QString areaCopy = f.Form().Recovery().CopyPath(TRecoveryKind::Area);
    const QString sentenceCopy = f.Form().Recovery().CopyPath(TRecoveryKind::Sentences);
    // Named like the next copy, and like the temporary file it is written under.
    ASSERT_TRUE(QFile::link(victim, areaCopy));
    ASSERT_TRUE(QFile::link(otherVictim, sentenceCopy + QStringLiteral(".tmp")));
    MakeUnsavedWork(f, state.Path(QStringLiteral("mill.arf")));

    EXPECT_EQ(ReadText(victim), QStringLiteral("the victim's own"));
    EXPECT_EQ(ReadText(otherVictim), QStringLiteral("the victim's other"));
    for (const QString& copy : {areaCopy, sentenceCopy}) {
        EXPECT_FALSE(QFileInfo(copy).isSymLink()) << copy.toStdString();
        EXPECT_EQ(Mode(copy), 0600u) << copy.toStdString();
    }
    EXPECT_EQ(Mode(TRecovery::Folder()), 0700u);
    EXPECT_FALSE(QFileInfo::exists(sentenceCopy + QStringLiteral(".tmp")));
}

TEST(Recovery, EntriesThatAreNoCopiesNeitherHoldStartUpNorFillMemory)
{
    TStateHome state;
    const QString folder = TRecovery::Folder();
    QDir().mkpath(folder);
    const QString file = state.Path(QStringLiteral("mill.arf"));
    WriteAreaFile(file, TRoomList(9, 9));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/zero-area.kbr")));
    ASSERT_EQ(::mkfifo(Bytes(folder + QStringLiteral("/pipe-area.kbr")).c_str(), 0600), 0);
    {
        // 1 GiB that takes no disk.
        const int fd = ::open(Bytes(folder + QStringLiteral("/huge-area.kbr")).c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(1) << 30), 0);
        ::close(fd);
    }
    // A readable header over an area that does not load.
    TRecoveryCopy damaged;
    damaged.FileName = Bytes(file);
    damaged.TakenAt = now;
    damaged.Compressed = DeflateBytes("not an area");
    WriteText(folder + QStringLiteral("/damaged-area.kbr"), QByteArray::fromStdString(RecoveryCopyBytes(damaged)));
    // The one real copy, the oldest, is offered after all of them were dealt with.
    PlantAreaCopy(folder + QStringLiteral("/good-area.kbr"), Bytes(file), "Saved from the crash", now);
    SetModified(folder + QStringLiteral("/good-area.kbr"), now - 60);

    rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
    TEditorFixture f({}, {}, {TAnswer::Yes});
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Asker().Questions.size() == 1; }, 5000));
    QTest::qWait(50);
    rusage after {};
    ::getrusage(RUSAGE_SELF, &after);

    EXPECT_TRUE(f.Asker().Questions[0].contains(QStringLiteral("mill.arf")));
    ASSERT_EQ(f.Area().Count(), 1);
    EXPECT_EQ(f.Area()[0].Short, "Saved from the crash");
    // Each is reported by its path, and removed: the next start is not troubled again.
    const QStringList errors = f.Asker().Errors + f.Asker().ErrorsWithoutWindow;
    EXPECT_EQ(errors.size(), 4) << errors.join(QLatin1Char('\n')).toStdString();
    for (const char* name : {"zero", "pipe", "huge", "damaged"}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral("-area.kbr");
        EXPECT_FALSE(QFileInfo(path).exists() || QFileInfo(path).isSymLink()) << name;
        if (std::string(name) != "damaged") {
            EXPECT_TRUE(std::any_of(errors.begin(), errors.end(), [&](const QString& e) { return e.contains(path); }))
                << name;
        }
    }
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200L * 1024) << "kilobytes taken by the start";
}

TEST(Recovery, ACopyWhoseLockNoEditorHoldsIsOffered)
{
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    struct TCase {
        const char* name;
        QByteArray lock;
        int ageSecs;
        bool offered;
    };
    const TCase cases[] = {
        {"empty lock", "", 0, true},
        {"a process that is gone", "2147483000\nkesterbrandor\n" + host + "\n", 0, true},
        // Another host's editor cannot be asked; one that runs renews its copy every interval.
        {"another host, copy not renewed for four hours", "4242\nkesterbrandor\nfar-away-host\n", 4 * 3600, true},
        {"another host, fresh copy", "4242\nkesterbrandor\nfar-away-host\n", 0, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TStateHome state;
        const QString folder = TRecovery::Folder();
        QDir().mkpath(folder);
        const QString file = state.Path(QStringLiteral("mill.arf"));
        const QString copy = folder + QStringLiteral("/crashed-area.kbr");
        const qint64 takenAt = QDateTime::currentSecsSinceEpoch() - c.ageSecs;
        WriteAreaFile(file, TRoomList(9, 9));
        SetModified(file, takenAt - 60);
        PlantAreaCopy(copy, Bytes(file), "Unsaved", takenAt);
        SetModified(copy, takenAt);
        WriteText(folder + QStringLiteral("/crashed.lock"), c.lock);

        TEditorFixture f({}, {}, c.offered ? std::deque<TAnswer>{TAnswer::Yes} : std::deque<TAnswer>{});
        (void)QTest::qWaitFor([&] { return f.Asker().Questions.size() == 1; }, c.offered ? 5000 : 300);
        EXPECT_EQ(f.Asker().Questions.size(), c.offered ? 1 : 0);
        EXPECT_EQ(f.Area().Count(), c.offered ? 1 : 0);
        EXPECT_EQ(QFileInfo::exists(copy), !c.offered) << "a copy left to its editor stays";
        EXPECT_EQ(QFileInfo::exists(folder + QStringLiteral("/crashed.lock")), !c.offered);
    }
}

TEST(Recovery, OptionsOkDoesNotPutTheNextCopyOff)
{
    TStateHome state;
    TEditorFixture f;
    f.OpenArea(QStringLiteral("mill.arf"), TRoomList(9, 9));
    f.Click({3, 1});
    ASSERT_TRUE(f.Area().Modified);
    TRecovery& recovery = f.Form().Recovery();
    const QString copy = recovery.CopyPath(TRecoveryKind::Area);
    recovery.SetMinuteLength(std::chrono::milliseconds(300));
    recovery.SetIntervalMinutes(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy); }, 3000));
    recovery.Wait();
    QFile::remove(copy);

    // OK every 60 ms, with the same interval or a changed one: copies keep coming.
    const auto pressOk = [&](int minutes) {
        QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
        auto* dialog = f.Form().findChild<TFormOptions*>(QStringLiteral("FormOptions"));
        if (minutes > 0)
            dialog->findChild<QSpinBox*>(QStringLiteral("seRecovery"))->setValue(minutes);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("bbOK")), Qt::LeftButton);
        QTest::qWait(60);
    };
    for (int minutes : {0, 2}) {
        SCOPED_TRACE(minutes);
        QElapsedTimer pressing;
        pressing.start();
        while (!QFileInfo::exists(copy) && pressing.elapsed() < 2000)
            pressOk(minutes);
        EXPECT_TRUE(QFileInfo::exists(copy));
        recovery.Wait();
        QFile::remove(copy);
    }

    // A value far out of range, as a hand-edited settings file may hold, keeps copies coming.
    for (int minutes : {INT_MAX, 40000}) {
        recovery.SetMinuteLength(std::chrono::milliseconds(5));
        recovery.SetIntervalMinutes(minutes);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy); }, 3000)) << minutes;
        recovery.Wait();
        QFile::remove(copy);
        QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
        auto* dialog = f.Form().findChild<TFormOptions*>(QStringLiteral("FormOptions"));
        EXPECT_EQ(dialog->findChild<QSpinBox*>(QStringLiteral("seRecovery"))->value(), TRecovery::MaxIntervalMinutes);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("bbCancel")), Qt::LeftButton);
    }
}

TEST(Recovery, DatabaseCopiesGoWithSaveAndSaveAs)
{
    TStateHome state;
    TEditorFixture f;
    const TMainMenu& menu = f.Form().Menu();
    const auto editSentences = [&] {
        f.Form().SentenceDocument().Database().AddCopy(TSentence{"A cold wind blows.", "weather", 0, ""});
        f.Form().SentenceDocument().RecordEdit();
    };
    const auto editItems = [&] {
        TItem item;
        item.ID = "lamp";
        f.Form().ItemDocument().Database().AddCopy(item);
        f.Form().ItemDocument().RecordEdit();
    };
    struct TCase {
        const char* name;
        TRecoveryKind kind;
        std::function<void()> edit;
        QAction* save;
        QAction* saveAs;
        QString file;
    };
    const TCase cases[] = {
        {"sentences", TRecoveryKind::Sentences, editSentences, menu.miSentSave, menu.miSentSaveAs,
         state.Path(QStringLiteral("weather.sdb"))},
        {"items", TRecoveryKind::Items, editItems, menu.miItemSave, menu.miItemSaveAs,
         state.Path(QStringLiteral("lamps.idb"))},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString copy = f.Form().Recovery().CopyPath(c.kind);
        for (QAction* save : {c.saveAs, c.save}) {
            c.edit();
            f.Form().Recovery().SetInterval(std::chrono::milliseconds(20));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy); }, 5000));
            f.Form().Recovery().SetInterval(std::chrono::milliseconds(0));
            if (save == c.saveAs)
                f.Asker().FileNames = {c.file};
            save->trigger();
            EXPECT_TRUE(QFileInfo::exists(c.file));
            EXPECT_FALSE(QFileInfo::exists(copy)) << (save == c.saveAs ? "save as" : "save");
        }
    }
    EXPECT_TRUE(f.Asker().Errors.isEmpty()) << f.Asker().Errors.join(QLatin1Char('\n')).toStdString();
}
