// Crash recovery: copies of unsaved work in the state folder, offered back at the next start.
#include "editorfixture.h"

#include "files/areafile.h"
#include "gui/app/recovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

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
    TEditorFixture f({}, {}, {TAnswer::Yes, TAnswer::Yes});
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Asker().Questions.size() == 2; }, 5000));
    EXPECT_TRUE(f.Asker().Questions[0].contains(QStringLiteral("\"mill.arf\""))) << f.Asker().Questions[0].toStdString();
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
