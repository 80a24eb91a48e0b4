// Both databases from a first run to the next: filled by importing the example area, saved
// through the close questions, loaded again with their panels' layout, and read back by the
// command-line tool.
#include "editorfixture.h"
#include "gui/app/splitterposition.h"
#include "gui/db/itempane.h"
#include "gui/db/sentencepane.h"
#include "gui/map/handmode.h"
#include "runcommand.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
template <class T, class TList>
std::vector<T> Entries(const TList& db)
{
    std::vector<T> out;
    for (int i = 0; i < db.Count(); ++i)
        out.push_back(db[i]);
    return out;
}

QSplitter* MainSplitter(TEditorFixture& f)
{
    return f.Form().findChild<QSplitter*>(QStringLiteral("asp_main"));
}

std::string CliDump(const char* command, const QString& file)
{
    const TCommandResult r = RunCommand(KB_CLI_PATH, {command, QFile::encodeName(file).toStdString()});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    return r.Out;
}
} // namespace

TEST(DatabasesEndToEnd, ImportedDatabasesAndTheirLayoutComeBackAfterARestart)
{
    QTemporaryDir dir;
    const QString sentenceFile = dir.filePath(QStringLiteral("forest.sdb"));
    const QString itemFile = dir.filePath(QStringLiteral("forest.idb"));
    std::vector<TSentence> sentences;
    std::vector<TItem> items;
    QStringList settings;
    int mainPos = 0;
    {
        TEditorFixture f;
        const QString area = f.Path(QStringLiteral("forest.arf"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KB_SOURCE_DIR "/examples/forest.arf"), area));
        f.Form().OpenFile(area);

        f.Form().OpenSentencePane();
        f.Asker().Texts = {QStringLiteral("forest"), QStringLiteral("woodland")};
        f.Form().Menu().miSentImportArea->trigger();
        f.Form().HandMode().BlinkTick();
        PlaceSplitter(*f.Form().SentencePane().ListSplitter(), 120);
        f.Form().findChild<QTableView*>(QStringLiteral("sgSentences"))->setColumnWidth(1, 140);

        f.Form().OpenItemPane();
        f.Form().Menu().miItemImportArea->trigger();
        f.Form().HandMode().BlinkTick();
        PlaceSplitter(*f.Form().ItemPane().ListSplitter(), 130);
        PlaceSplitter(*f.Form().ItemPane().DetailSplitter(), 210);
        f.Form().ItemPane().Grid()->setColumnWidth(0, 150);
        PlaceSplitter(*MainSplitter(f), 420);
        mainPos = MainSplitter(f)->sizes().value(0);

        sentences = Entries<TSentence>(f.Form().SentenceDocument().Database());
        items = Entries<TItem>(f.Form().ItemDocument().Database());
        ASSERT_FALSE(sentences.empty());
        EXPECT_EQ(f.Asker().TextQuestions,
                  (QStringList{"Enter sentence Category|forest", "Enter sentence Description|"}));
        EXPECT_EQ(f.Asker().Notices,
                  (QStringList{QStringLiteral("%1 sentences added from total %1 sentences").arg(sentences.size()),
                               "4 items from 4 added to database"}));
        EXPECT_EQ(sentences[0].Category, "forest");
        EXPECT_EQ(sentences[0].Desc, "woodland");

        // Quitting asks for both new databases; Yes saves each through its file dialog.
        f.Asker().Answers = {TAnswer::Yes, TAnswer::Yes};
        f.Asker().FileNames = {sentenceFile, itemFile};
        ASSERT_TRUE(f.Form().close());
        EXPECT_EQ(f.Asker().Questions,
                  (QStringList{"The Sentence database was changed, do you want to save it?",
                               "The Item database was changed, do you want to save it?"}));
        EXPECT_TRUE(f.Asker().Errors.isEmpty());
        f.Close();
        const QSettings ini(f.IniFile(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("ItemDB/Col0")).toInt(), 150);
        QFile lines(f.IniFile());
        ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(lines.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TEditorFixture again(settings);
    EXPECT_TRUE(again.Asker().Errors.isEmpty());
    EXPECT_EQ(Entries<TSentence>(again.Form().SentenceDocument().Database()), sentences);
    EXPECT_EQ(Entries<TItem>(again.Form().ItemDocument().Database()), items);
    EXPECT_FALSE(again.Form().SentenceDocument().Database().Modified);
    EXPECT_FALSE(again.Form().ItemDocument().Database().Modified);
    // The item pane was the open one; the main splitter stays where it was left.
    EXPECT_TRUE(again.Form().ItemPane().isVisible());
    EXPECT_FALSE(again.Form().SentencePane().isVisible());
    EXPECT_EQ(MainSplitter(again)->sizes().value(0), mainPos);
    again.Form().HandMode().BlinkTick();
    EXPECT_EQ(again.Form().ItemPane().ListSplitter()->sizes().value(0), 130);
    EXPECT_EQ(again.Form().ItemPane().DetailSplitter()->sizes().value(0), 210);
    // Opened later, as the user does; the next blink places its splitter, also when it comes
    // before the pane was laid out.
    QTest::mouseClick(again.Button("tbSentenceDB"), Qt::LeftButton);
    again.Form().HandMode().BlinkTick();
    EXPECT_EQ(again.Form().SentencePane().ListSplitter()->sizes().value(0), 120);
    EXPECT_EQ(again.Form().findChild<QTableView*>(QStringLiteral("sgSentences"))->columnWidth(1), 140);

    // The tool reads the saved files: every imported entry is there.
    const std::string sentenceJson = CliDump("sdb-dump", sentenceFile);
    for (const TSentence& s : sentences)
        EXPECT_NE(sentenceJson.find("\"" + s.Sentence + "\""), std::string::npos) << s.Sentence;
    const std::string itemJson = CliDump("idb-dump", itemFile);
    for (const TItem& item : items)
        EXPECT_NE(itemJson.find("\"" + item.ID + "\""), std::string::npos) << item.ID;
}
