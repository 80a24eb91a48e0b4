// The sentence database pane on the real window: search, categories, sorting, editing with
// undo, the double click into the room's description, the imports and the file's life cycle.
#include "editorfixture.h"
#include "files/sentencefile.h"
#include "gui/db/sentencepane.h"
#include "gui/room/roompanel.h"
#include "gui/app/statuspanels.h"
#include "gui/map/handmode.h"
#include "model/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TGridPoint kCell{3, 3};

TSentence Sentence(const char* text, const char* category, TAreaTypes types = 0)
{
    TSentence s;
    s.Sentence = text;
    s.Category = category;
    s.AreaTypes = types;
    return s;
}

// A window with the sentence pane open on the given sentences (recorded as one edit).
struct TPane {
    explicit TPane(const std::vector<TSentence>& sentences = {})
    {
        f.Form().OpenSentencePane();
        TSentenceDocument& doc = f.Form().SentenceDocument();
        for (const TSentence& s : sentences)
            doc.Database().AddCopy(s);
        if (!sentences.empty()) {
            doc.ListAll();
            Pane().DisplaySentList();
            Pane().RebuildCategories();
            doc.RecordEdit();
        }
    }
    template <class T> T* Get(const char* name) { return f.Form().findChild<T*>(QLatin1String(name)); }
    TSentencePane& Pane() { return f.Form().SentencePane(); }
    TSentenceList& Db() { return f.Form().SentenceDocument().Database(); }
    QTableView* Grid() { return Get<QTableView>("sgSentences"); }
    void ClickButton(const char* name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }
    QStringList Listed()
    {
        QStringList out;
        for (int r = 0; r < Grid()->model()->rowCount(); ++r)
            out << Grid()->model()->index(r, 0).data().toString();
        return out;
    }
    QString Count() { return Get<QLabel>("lSentCount")->text(); }
    void ClickTitle(int column)
    {
        QHeaderView* header = Grid()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Types into the editor as the user does, after "Add sentence".
    void AddByHand(const QString& text, const QString& category)
    {
        ClickButton("sbAddSentence");
        Get<QLineEdit>("eSentence")->setText(text);
        Get<QComboBox>("cbSentCategory")->setEditText(category);
        ClickButton("bSentSave");
    }
    // An area with one room holding longText, opened from a file and the room chosen.
    void OpenRoom(const std::string& longText, const QString& file = QStringLiteral("forest.arf"))
    {
        TRoomList area(15, 15);
        TRoom* room = PlaceRoom(area, kCell);
        room->AreaTypes = WithAreaType(0, 3);
        room->Descriptions = {{"Long", {longText}}};
        f.OpenArea(file, area);
        f.Click(kCell);
        f.Form().ShowDetails();
    }
    TEditorFixture f;
};
} // namespace

TEST(SentencePane, SearchListsBySentenceCategoryDescAndAreaTypes)
{
    const struct {
        const char* Case;
        const char* Text;
        int Type; // area type box ticked, 0 none
        bool And;
        QStringList Listed;
    } cases[] = {
        {"nothing filled in", "", 0, false, {}},
        {"only AND", "", 0, true, {"Tall trees.", "Dark cave.", "Old tree?"}},
        {"text ignores a-z case", "TREE", 0, false, {"Tall trees.", "Old tree?"}},
        {"one shared type", "", 13, false, {"Dark cave.", "Old tree?"}},
        {"all types with AND", "", 3, true, {"Tall trees.", "Old tree?"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TPane p({Sentence("Tall trees.", "forest", WithAreaType(0, 3)),
                 Sentence("Dark cave.", "cave", WithAreaType(0, 13)),
                 Sentence("Old tree?", "forest", WithAreaType(WithAreaType(0, 3), 13))});
        p.Get<QLineEdit>("eSearchSentence")->setText(QLatin1String(c.Text));
        if (c.Type)
            p.Get<QGroupBox>("gbSearchAreaType")->findChildren<QCheckBox*>()[c.Type - 1]->setChecked(true);
        p.Get<QCheckBox>("chbAnd")->setChecked(c.And);
        p.ClickButton("bSearch");
        EXPECT_EQ(p.Listed(), c.Listed);
        EXPECT_EQ(p.Count(), QString::number(c.Listed.size()));
        EXPECT_TRUE(p.Get<QPushButton>("bCancelSearch")->isEnabled());
        p.ClickButton("bCancelSearch");
        EXPECT_EQ(p.Listed().size(), 3);
        EXPECT_TRUE(p.Get<QLineEdit>("eSearchSentence")->text().isEmpty());
    }
}

TEST(SentencePane, AddingByHandEditsInAquaAndCategoriesDifferingInCaseGiveOneEntry)
{
    TPane p;
    p.ClickButton("sbAddSentence");
    EXPECT_EQ(p.Get<QLineEdit>("eSentence")->palette().color(QPalette::Base), QColor(0x00, 0xFF, 0xFF));
    EXPECT_FALSE(p.Grid()->isEnabled());
    EXPECT_FALSE(p.Get<QAbstractButton>("sbAddSentence")->isEnabled());
    p.ClickButton("bSentCancel");
    EXPECT_TRUE(p.Db().Empty());
    EXPECT_TRUE(p.Get<QLineEdit>("eSentence")->isReadOnly());

    p.AddByHand(QStringLiteral("  Tall trees. "), QStringLiteral("Forest"));
    p.AddByHand(QStringLiteral("Dark trees."), QStringLiteral("forest"));
    ASSERT_EQ(p.Db().Count(), 2);
    EXPECT_EQ(p.Db()[0].Sentence, "Tall trees.");
    EXPECT_EQ(p.Db()[1].Category, "forest");
    EXPECT_TRUE(p.Db().Modified);
    const QComboBox* categories = p.Get<QComboBox>("cbSentCategory");
    ASSERT_EQ(categories->count(), 1);
    EXPECT_EQ(categories->itemText(0), QStringLiteral("Forest"));
    EXPECT_EQ(p.Count(), QStringLiteral("2"));
    EXPECT_EQ(p.f.Form().Status().Text(TStatusPanels::SentenceUndo), QStringLiteral("2 / 2"));
}

TEST(SentencePane, ClickingTheAreaTypeTitleTwiceSortsDescendingThenAscending)
{
    TPane p({Sentence("b.", "", 2), Sentence("a.", "", 8), Sentence("c.", "", 4)});
    p.ClickTitle(2);
    EXPECT_EQ(p.Listed(), (QStringList{"a.", "c.", "b."}));
    EXPECT_EQ(p.Db()[0].Sentence, "a.");
    p.ClickTitle(2);
    EXPECT_EQ(p.Listed(), (QStringList{"b.", "c.", "a."}));
    EXPECT_EQ(p.Db().SortColumn, 2);
    EXPECT_TRUE(p.Db().SortAscending);
}

TEST(SentencePane, UndoRerunsTheSearchOverTheRestoredSentences)
{
    TPane p({Sentence("Tall trees.", "forest"), Sentence("Dark cave.", "cave"), Sentence("Old tree?", "forest")});
    p.Get<QLineEdit>("eSearchSentence")->setText(QStringLiteral("tree"));
    p.ClickButton("bSearch");
    p.Grid()->selectAll();
    p.ClickButton("sbDeleteSentence");
    EXPECT_EQ(p.Db().Count(), 1);
    EXPECT_TRUE(p.Listed().isEmpty());
    p.ClickButton("sbSentUndo");
    EXPECT_EQ(p.Db().Count(), 3);
    EXPECT_EQ(p.Listed(), (QStringList{"Tall trees.", "Old tree?"}));
    p.ClickButton("sbSentRedo");
    EXPECT_TRUE(p.Listed().isEmpty());
    // Without criteria the restored database is listed whole.
    p.Get<QLineEdit>("eSearchSentence")->clear();
    p.ClickButton("sbSentUndo");
    EXPECT_EQ(p.Listed().size(), 3);
}

TEST(SentencePane, DoubleClickAppendsToTheActiveLongDescriptionWithOneMark)
{
    TPane p({Sentence("Birds sing.", "forest")});
    p.OpenRoom("Tall trees.");
    const int marks = p.f.Form().Document().Undo().Count();
    const QRect cell = p.Grid()->visualRect(p.Grid()->model()->index(0, 0));
    QTest::mouseClick(p.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(p.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    const TRoom& room = *p.f.Form().Document().ActiveRoom();
    EXPECT_EQ(StringsDescToString(room.Descriptions[0].Text), "Tall trees. Birds sing.");
    EXPECT_EQ(p.f.Form().Document().Undo().Count(), marks + 1);
    EXPECT_TRUE(p.f.Area().Modified);
}

TEST(SentencePane, ImportingTheSameAreaTwiceAddsNothingTheSecondTime)
{
    TPane p;
    p.OpenRoom("Tall trees. Old tree? Birds!", QStringLiteral("dark.forest.arf"));
    // The category offered is the file's name; the description is asked once.
    p.f.Asker().Texts = {std::nullopt, QStringLiteral("woods")};
    p.f.Form().findChild<QAction*>(QStringLiteral("miSentImportArea"))->trigger();
    EXPECT_EQ(p.f.Asker().TextQuestions,
              (QStringList{"Enter sentence Category|dark", "Enter sentence Description|"}));
    QTest::mouseClick(p.f.Button("tbTmp"), Qt::LeftButton);
    EXPECT_EQ(p.f.Asker().TextQuestions.size(), 2);
    EXPECT_EQ(p.f.Asker().Notices, (QStringList{"3 sentences added from total 3 sentences",
                                                "0 sentence added from total 3 sentences"}));
    ASSERT_EQ(p.Db().Count(), 3);
    EXPECT_EQ(p.Db()[1].Sentence, "Old tree?");
    EXPECT_EQ(p.Db()[1].Category, "dark");
    EXPECT_EQ(p.Db()[1].Desc, "woods");
    EXPECT_EQ(p.Db()[1].AreaTypes, WithAreaType(0, 3));
    EXPECT_EQ(p.Pane().ImportSettings().ImportCategory, "");
    EXPECT_EQ(p.f.Form().SentenceDocument().Undo().Count(), 2);
}

TEST(SentencePane, RoomButtonAsksAgainOnlyWithCtrl)
{
    TPane p;
    p.OpenRoom("Tall trees.");
    QPushButton* button = p.Get<QPushButton>("bbToSentenceDB");
    ASSERT_TRUE(button->isEnabled());
    p.f.Asker().Texts = {QStringLiteral("forest"), QStringLiteral("trees")};
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(p.f.Asker().TextQuestions.size(), 2);
    p.f.Asker().Texts = {std::nullopt, std::nullopt};
    QTest::mouseClick(button, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(p.f.Asker().TextQuestions,
              (QStringList{"Enter sentence Category|", "Enter sentence Description|",
                           "Enter sentence Category|forest", "Enter sentence Description|trees"}));
    EXPECT_EQ(p.f.Asker().Notices, (QStringList{"1 sentence added from total 1 sentence",
                                                "0 sentence added from total 1 sentence",
                                                "0 sentence added from total 1 sentence"}));
    ASSERT_EQ(p.Db().Count(), 1);
    EXPECT_EQ(p.Db()[0].Category, "forest");
}

TEST(SentencePane, ImportFromFileMergesNewSentencesAndUndoTakesThemBack)
{
    TPane p({Sentence("Tall trees.", "forest")});
    TSentenceList other;
    other.AddCopy(Sentence("Tall trees.", "x"));
    other.AddCopy(Sentence("Dark cave.", "cave"));
    SaveSentences(QFile::encodeName(p.f.Path("other.sdb")).toStdString(), other);
    p.f.Asker().FileNames = {p.f.Path("other.sdb")};
    p.f.Form().findChild<QAction*>(QStringLiteral("miSentImportFile"))->trigger();
    EXPECT_EQ(p.f.Asker().Notices, QStringList{"1 sentence added from total 2 sentences"});
    EXPECT_EQ(p.Listed(), (QStringList{"Tall trees.", "Dark cave."}));
    p.ClickButton("sbSentUndo");
    EXPECT_EQ(p.Listed(), QStringList{"Tall trees."});
}

TEST(SentencePane, StartUpLoadsTheDatabaseOfTheSettings)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.sdb"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.sdb"));
    TSentenceList db;
    db.AddCopy(Sentence("Tall trees.", "forest"));
    SaveSentences(QFile::encodeName(good).toStdString(), db);
    QFile bad(damaged);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a database");
    bad.close();
    const struct {
        const char* Case;
        QString File;
        int Sentences;
        int Errors;
    } cases[] = {
        {"loaded", good, 1, 0},
        {"missing: silent", dir.filePath(QStringLiteral("gone.sdb")), 0, 0},
        {"damaged: reported, start-up goes on", damaged, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TEditorFixture f({QStringLiteral("[SentenceDB]"), QStringLiteral("Filename=") + c.File,
                          QStringLiteral("Col0=111")});
        EXPECT_EQ(f.Form().SentenceDocument().Database().Count(), c.Sentences);
        EXPECT_EQ(f.Asker().Errors.size() + f.Asker().ErrorsWithoutWindow.size(), c.Errors);
        EXPECT_EQ(f.Form().findChild<QTableView*>(QStringLiteral("sgSentences"))->columnWidth(0), 111);
        EXPECT_EQ(f.Form().SentenceDocument().Undo().Count(), 1);
    }
}

TEST(SentencePane, ClosingAsksForTheModifiedDatabase)
{
    const struct {
        const char* Case;
        std::deque<TAnswer> Answers;
        const char* SaveAs; // "" cancels the dialog
        bool Closes;
        int Errors;
    } cases[] = {
        {"No", {TAnswer::No}, nullptr, true, 0},
        {"Cancel", {TAnswer::Cancel}, nullptr, false, 0},
        {"Yes, dialog cancelled", {TAnswer::Yes}, "", false, 0},
        {"Yes, save fails", {TAnswer::Yes}, "missing/folder/db.sdb", false, 1},
        {"Yes, saved with the extension", {TAnswer::Yes}, "kept", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TPane p;
        p.AddByHand(QStringLiteral("Tall trees."), QStringLiteral("forest"));
        p.f.Asker().Answers = c.Answers;
        if (c.SaveAs)
            p.f.Asker().FileNames = {*c.SaveAs ? p.f.Path(QLatin1String(c.SaveAs)) : QString()};
        EXPECT_EQ(p.f.Form().close(), c.Closes);
        EXPECT_EQ(p.f.Asker().Questions, QStringList{"The Sentence database was changed, do you want to save it?"});
        EXPECT_EQ(p.f.Asker().Errors.size(), c.Errors);
        EXPECT_EQ(p.Db().Modified, !(c.Closes && c.SaveAs));
        EXPECT_EQ(QFile::exists(p.f.Path("kept.sdb")), c.Closes && c.SaveAs);
        if (c.Errors) {
            EXPECT_EQ(p.Db().FileName, "noname.sdb");
        }
    }
}

TEST(SentencePane, PanelFileSizesAndColumnsComeBackAfterARestart)
{
    QStringList settings;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.sdb"));
    {
        TPane p;
        p.AddByHand(QStringLiteral("Tall trees."), QStringLiteral("forest"));
        p.f.Asker().FileNames = {file};
        ASSERT_TRUE(p.Pane().Save(true));
        p.f.Form().HandMode().BlinkTick();
        QSplitter* list = p.Pane().ListSplitter();
        const int total = list->sizes().value(0) + list->sizes().value(1);
        list->setSizes({120, total - 120});
        p.Grid()->setColumnWidth(1, 140);
        p.f.Close();
        const QSettings ini(p.f.IniFile(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("SentenceDB/sent_position")).toString(), QStringLiteral("120"));
        EXPECT_EQ(ini.value(QStringLiteral("SentenceDB/Col1")).toString(), QStringLiteral("140"));
        EXPECT_EQ(ini.value(QStringLiteral("SentenceDB/Filename")).toString(), file);
        EXPECT_EQ(ini.value(QStringLiteral("SentenceDB")).toString(), QStringLiteral("1"));
        QFile lines(p.f.IniFile());
        ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(lines.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    TEditorFixture again(settings);
    TSentencePane& pane = again.Form().SentencePane();
    EXPECT_TRUE(pane.isVisible());
    again.Form().HandMode().BlinkTick();
    EXPECT_EQ(pane.ListSplitter()->sizes().value(0), 120);
    EXPECT_EQ(again.Form().findChild<QTableView*>(QStringLiteral("sgSentences"))->columnWidth(1), 140);
    ASSERT_EQ(again.Form().SentenceDocument().Database().Count(), 1);
    EXPECT_EQ(again.Form().SentenceDocument().Database()[0].Sentence, "Tall trees.");
}
