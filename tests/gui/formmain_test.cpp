// The main window: start-up with and without settings, the area file commands with their
// questions, closing, the panes and what is written back at program end.
#include "editorfixture.h"

#include "files/areafile.h"
#include "gui/app/databasepane.h"
#include "gui/app/statuspanels.h"
#include "gui/map/handmode.h"
#include "gui/room/defaultroombar.h"
#include "gui/room/roompanel.h"
#include "kberror.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
QComboBox* Zoom(TEditorFixture& f)
{
    return f.Form().findChild<QComboBox*>(QStringLiteral("cbZoom"));
}

void ChooseZoom(TEditorFixture& f, int index)
{
    Zoom(f)->setCurrentIndex(index);
    emit Zoom(f)->activated(index);
}

QToolButton* Button(TEditorFixture& f, const char* name)
{
    return f.Form().findChild<QToolButton*>(QLatin1String(name));
}

QString Ini(TEditorFixture& f, const QString& key)
{
    return QSettings(f.IniFile(), QSettings::IniFormat).value(key).toString();
}

const QString MapChanged = QStringLiteral("The map was changed, do you want to save it?");
const QString ReallyNew = QStringLiteral("Do you realy want to create a new area?");
} // namespace

TEST(FormMain, FirstRunUsesTheDefaults)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kesterbrandor v. 1.02"));
    EXPECT_EQ(w.size(), QSize(736, 595));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(w.frameGeometry().center().x() - screen.center().x()), 3);
    EXPECT_EQ(Zoom(f)->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(Zoom(f)->count(), 8);
    EXPECT_TRUE(w.Menu().miGrid->isChecked());
    EXPECT_TRUE(w.Menu().miRoomCenters->isChecked());
    EXPECT_TRUE(w.Menu().miRoomFill->isChecked());
    EXPECT_TRUE(w.DatabasePaneClosed());
    EXPECT_FALSE(w.Menu().miSentenceDB->isChecked());
    EXPECT_TRUE(w.DetailsHidden());
    EXPECT_EQ(f.Area().Width, 15);
    EXPECT_EQ(f.Area().Height, 15);
    EXPECT_EQ(w.Document().Undo().Count(), 1);
    EXPECT_FALSE(w.Menu().miUndo->isEnabled());
    EXPECT_FALSE(Button(f, "tbSave")->isEnabled());
    EXPECT_TRUE(Button(f, "tbdf1")->isChecked());
    EXPECT_EQ(w.DefaultRooms().DefaultRoomSlots.Count(), 10);
    EXPECT_TRUE(w.HandMode().Timer1().isActive());
    EXPECT_EQ(w.Status().Text(TStatusPanels::MapPixels), QStringLiteral("102400"));
    EXPECT_EQ(w.Status().Text(TStatusPanels::MapUndo), QStringLiteral("0 / 0"));
    EXPECT_FALSE(w.Status().Text(TStatusPanels::Heap).isEmpty());
    EXPECT_TRUE(f.Asker().Errors.isEmpty());
}

TEST(FormMain, StoredSettingsAreApplied)
{
    TEditorFixture f({QStringLiteral("Zoom=0x5"), QStringLiteral("Grid=0"), QStringLiteral("RoomFill=yes"),
                      QStringLiteral("Left=20"), QStringLiteral("Top=30"), QStringLiteral("Width=900"),
                      QStringLiteral("Height=700"), QStringLiteral("SentenceDB=1"), QStringLiteral("Mapa_pos=200")});
    TFormMain& w = f.Form();
    EXPECT_EQ(Zoom(f)->currentText(), QStringLiteral("200%"));
    EXPECT_EQ(w.ZoomPercent(), 200);
    EXPECT_EQ(w.MapView().Geometry().CellSize(), 40);
    EXPECT_FALSE(w.Menu().miGrid->isChecked());
    EXPECT_TRUE(w.Menu().miRoomFill->isChecked()) << "text that is no number counts as missing";
    EXPECT_FALSE(w.MapView().Options().Grid);
    EXPECT_EQ(w.size(), QSize(900, 700));
    EXPECT_EQ(w.pos(), QPoint(20, 30));
    EXPECT_FALSE(w.DatabasePaneClosed());
    EXPECT_TRUE(w.Menu().miSentenceDB->isChecked());
    EXPECT_TRUE(Button(f, "tbSentenceDB")->isChecked());
    // The map/details position waits for the first blink tick.
    EXPECT_TRUE(w.DetailsHidden());
    w.HandMode().BlinkTick();
    EXPECT_FALSE(w.DetailsHidden());
}

TEST(FormMain, ProgramEndWritesTheSettings)
{
    TEditorFixture f;
    ChooseZoom(f, 6);
    f.Form().Menu().miRoomCenters->setChecked(false);
    QTest::mouseClick(Button(f, "tbItemDB"), Qt::LeftButton);
    f.Close();
    EXPECT_EQ(Ini(f, QStringLiteral("Zoom")), QStringLiteral("6"));
    EXPECT_EQ(Ini(f, QStringLiteral("RoomCenters")), QStringLiteral("0"));
    EXPECT_EQ(Ini(f, QStringLiteral("Grid")), QStringLiteral("1"));
    EXPECT_EQ(Ini(f, QStringLiteral("ItemDB")), QStringLiteral("1"));
    EXPECT_EQ(Ini(f, QStringLiteral("SentenceDB")), QStringLiteral("0"));
    EXPECT_EQ(Ini(f, QStringLiteral("Mapa_pos")), QStringLiteral("1")) << "details hidden";
    EXPECT_EQ(Ini(f, QStringLiteral("FileName")), QStringLiteral("Noname.arf"));
    EXPECT_EQ(Ini(f, QStringLiteral("Width")), QStringLiteral("736"));
    EXPECT_EQ(Ini(f, QStringLiteral("ColorDept")), QStringLiteral("2"));
}

TEST(FormMain, MenusCarryTheirShortcutsAndHints)
{
    TEditorFixture f;
    const TMainMenu& m = f.Form().Menu();
    struct Row {
        QAction* Action;
        const char* Caption;
        QKeySequence Keys;
        const char* Hint;
    };
    const Row rows[] = {
        {m.miNew, "New", QKeySequence(QStringLiteral("Ctrl+N")), "Create a new area"},
        {m.miOpen, "Open", QKeySequence(QStringLiteral("Ctrl+O")), "Open an existing area"},
        {m.miSave, "Save", QKeySequence(QStringLiteral("Ctrl+S")), "Save area to file"},
        {m.miSaveAs, "Save as", QKeySequence(QStringLiteral("F12")), ""},
        {m.miUndo, "Undo", QKeySequence(QStringLiteral("Ctrl+Z")), ""},
        {m.miRedo, "Redo", QKeySequence(QStringLiteral("Ctrl+Shift+Z")), ""},
        {m.miGrid, "Grid", QKeySequence(QStringLiteral("Ctrl+G")), "Toggles Grid On/Off"},
        {m.miRepaint, "Repaint", QKeySequence(QStringLiteral("Ctrl+R")), "Repaints the map"},
        {m.miToggleDetails, "Toggle room details", QKeySequence(QStringLiteral("F5")), ""},
        {m.miToBmp, "to bmp", QKeySequence(), "Exports map to bmp file"},
        {m.miValidate, "Validate", QKeySequence(), "Validate current area"},
        {m.miSentImportFile, "Import sntcs from file", QKeySequence(), ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Caption);
        EXPECT_EQ(r.Action->text().remove(QLatin1Char('&')), QLatin1String(r.Caption));
        EXPECT_EQ(r.Action->shortcut(), r.Keys);
        EXPECT_EQ(r.Action->statusTip(), QLatin1String(r.Hint));
    }
    EXPECT_EQ(f.Form().findChild<QAction*>(QStringLiteral("miGrid")), m.miGrid);
    EXPECT_EQ(Button(f, "tbNew")->toolTip(), QStringLiteral("Create a new are"));
    EXPECT_EQ(Button(f, "tbTmp")->toolTip(), QStringLiteral("tmp"));
    auto* status = f.Form().findChild<QLabel*>(QStringLiteral("StatusPanel4"));
    EXPECT_EQ(status->toolTip(), QStringLiteral("Debug: Total heap allocated"));
    EXPECT_EQ(status->width(), 100);
}

TEST(FormMain, NewAfterZoomComesBackAtHundredPercentAndFifteenCells)
{
    TEditorFixture f;
    auto big = std::make_unique<TRoomList>(31, 21);
    WriteAreaFile(f.Path(QStringLiteral("wide.arf")), *big);
    f.Form().OpenFile(f.Path(QStringLiteral("wide.arf")));
    ChooseZoom(f, 6);
    ASSERT_EQ(f.Form().ZoomPercent(), 300);
    f.Click({3, 3});
    ASSERT_TRUE(f.Area().Modified);

    // Unsaved work is offered for saving before the confirmation; Cancel stops everything.
    f.Asker().Answers = {TAnswer::Cancel};
    QTest::mouseClick(Button(f, "tbNew"), Qt::LeftButton);
    EXPECT_EQ(f.Asker().Questions, QStringList{MapChanged});
    EXPECT_EQ(f.Area().Count(), 1);

    f.Asker().Questions.clear();
    f.Asker().Answers = {TAnswer::No, TAnswer::No};
    f.Form().Menu().miNew->trigger();
    EXPECT_EQ(f.Asker().Questions, (QStringList{MapChanged, ReallyNew}));
    EXPECT_EQ(f.Area().Count(), 1);

    f.Asker().Answers = {TAnswer::No, TAnswer::Yes};
    f.Form().Menu().miNew->trigger();
    EXPECT_EQ(f.Area().Count(), 0);
    EXPECT_EQ(f.Area().Width, 15);
    EXPECT_EQ(f.Area().Height, 15);
    EXPECT_EQ(Zoom(f)->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(f.Form().ZoomPercent(), 100);
    EXPECT_EQ(f.Form().MapView().Canvas()->size(), QSize(320, 320));
    EXPECT_EQ(f.Form().Document().Undo().Count(), 1);
    EXPECT_EQ(f.Form().windowTitle(), QStringLiteral("Kesterbrandor v. 1.02 (wide.arf)")) << "keeps the last name";
}

TEST(FormMain, SaveAsksForANameOnlyWhenNeededAndCarriesTheDefaultRooms)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Form().DefaultRooms().DefaultRoomSlots[4].Short = "template five";
    QTest::mouseClick(Button(f, "tbdf5"), Qt::LeftButton);

    const QString chosen = f.Path(QStringLiteral("forest"));
    f.Asker().FileNames = {chosen};
    ASSERT_TRUE(f.Form().Save(false));
    const QString written = chosen + QStringLiteral(".arf");
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_EQ(f.Area().FileName, QFile::encodeName(written).toStdString());
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_FALSE(Button(f, "tbSave")->isEnabled());
    EXPECT_EQ(f.Form().windowTitle(), QStringLiteral("Kesterbrandor v. 1.02 (forest.arf)"));
    EXPECT_EQ(f.Area().DefaultRooms.Count(), 0) << "the window keeps the only live templates";

    // A file that has a name is saved without a question.
    f.Click({3, 1});
    EXPECT_TRUE(f.Form().Save(false));
    EXPECT_TRUE(f.Asker().FileNames.empty());
    // Save as always asks; a cancelled dialog changes nothing.
    f.Click({5, 1});
    f.Asker().FileNames = {QString()};
    EXPECT_FALSE(f.Form().Save(true));
    EXPECT_TRUE(f.Area().Modified);

    // New keeps the templates and presses button 1; opening the file brings back its own.
    f.Form().DefaultRooms().DefaultRoomSlots[4].Short = "changed";
    f.Asker().Answers = {TAnswer::No, TAnswer::Yes};
    f.Form().tbNewClick();
    EXPECT_EQ(f.Form().DefaultRooms().CurrentIndex(), 0);
    EXPECT_EQ(f.Form().DefaultRooms().DefaultRoomSlots[4].Short, "changed");
    f.Form().OpenFile(written);
    EXPECT_EQ(f.Form().DefaultRooms().DefaultRoomSlots[4].Short, "template five");
    EXPECT_TRUE(Button(f, "tbdf1")->isChecked());
    EXPECT_FALSE(Button(f, "tbdf5")->isChecked());
    EXPECT_EQ(f.Area().Count(), 2);
    EXPECT_EQ(f.Area().DefaultRooms.Count(), 0);
}

TEST(FormMain, FailedOpenKeepsTheAreaExactlyAsItWas)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Click({3, 1});
    f.Click({2, 1});
    ASSERT_EQ(f.Area().Count(), 2);
    const TRoomList* before = &f.Area();
    const std::string name = f.Area().FileName;
    const QString caption = f.Form().windowTitle();
    const int position = f.Form().Document().Undo().Position();
    TRoom* active = f.Form().RoomPanel().ActiveRoom();
    ASSERT_NE(active, nullptr);

    // A file that breaks off half-way through its rooms.
    TRoomList good(15, 15);
    for (int x = 1; x <= 15; x += 2)
        PlaceRoom(good, {x, 1});
    const QString goodFile = f.Path(QStringLiteral("good.arf"));
    WriteAreaFile(goodFile, good);
    QFile whole(goodFile);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString broken = f.Path(QStringLiteral("broken.arf"));
    QFile cut(broken);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() * 2 / 3));
    cut.close();

    f.Asker().Answers = {TAnswer::No};
    f.Asker().FileNames = {broken};
    EXPECT_THROW(f.Form().tbOpenClick(), EKbError);

    EXPECT_EQ(&f.Area(), before);
    EXPECT_EQ(f.Area().Count(), 2);
    EXPECT_TRUE(f.Area().RoomAt(1, 1)->HasLink(dirE));
    EXPECT_EQ(f.Area().FileName, name);
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_EQ(f.Form().windowTitle(), caption);
    EXPECT_EQ(f.Form().Document().Undo().Position(), position);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), active);
    // The map still paints the area it shows.
    EXPECT_EQ(f.Form().MapView().Canvas()->size(), QSize(320, 320));
    f.Picture();

    // Undo still works on the kept history.
    f.Form().Menu().miUndo->trigger();
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));
}

TEST(FormMain, OpenAsksToSaveAModifiedAreaFirst)
{
    TEditorFixture f;
    const QString other = f.Path(QStringLiteral("other.arf"));
    TRoomList area(9, 9);
    PlaceRoom(area, {5, 5});
    WriteAreaFile(other, area);

    f.Click({1, 1});
    f.Asker().Answers = {TAnswer::Cancel};
    f.Form().tbOpenClick();
    EXPECT_TRUE(f.Asker().DialogTitles.isEmpty()) << "Cancel stops before the dialog";

    // Yes saves first (here under a chosen name), then opens.
    const QString saved = f.Path(QStringLiteral("mine.arf"));
    f.Asker().Answers = {TAnswer::Yes};
    f.Asker().FileNames = {saved, other};
    f.Form().tbOpenClick();
    EXPECT_EQ(f.Asker().DialogFilters,
              QStringList(2, QStringLiteral("Area files (*.arf)|arf")));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(f.Area().Count(), 1);
    EXPECT_NE(f.Area().RoomAt(5, 5), nullptr);
    EXPECT_EQ(f.Area().Width, 9);
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_EQ(f.Form().windowTitle(), QStringLiteral("Kesterbrandor v. 1.02 (other.arf)"));
    EXPECT_EQ(f.Form().MapView().Canvas()->size(), QSize(200, 200));
}

TEST(FormMain, ClosingWithAModifiedAreaFollowsTheAnswer)
{
    TEditorFixture f;
    f.Click({1, 1});

    f.Asker().Answers = {TAnswer::Cancel};
    EXPECT_FALSE(f.Form().close());
    EXPECT_TRUE(f.Form().isVisible());

    // Yes whose save dialog is cancelled keeps the program open.
    f.Asker().Answers = {TAnswer::Yes};
    f.Asker().FileNames = {QString()};
    EXPECT_FALSE(f.Form().close());

    // Yes whose save fails reports the failure and keeps the program open.
    f.Asker().Answers = {TAnswer::Yes};
    f.Asker().FileNames = {f.Path(QStringLiteral("missing/folder/area.arf"))};
    EXPECT_FALSE(f.Form().close());
    EXPECT_EQ(f.Asker().Errors.size(), 1);
    EXPECT_TRUE(f.Area().Modified);

    f.Asker().Answers = {TAnswer::Yes};
    f.Asker().FileNames = {f.Path(QStringLiteral("kept.arf"))};
    EXPECT_TRUE(f.Form().close());
    EXPECT_TRUE(QFile::exists(f.Path(QStringLiteral("kept.arf"))));
    EXPECT_EQ(f.Asker().Questions.size(), 4);
}

TEST(FormMain, ClosingAnswersNoOrUnmodifiedClosesWithoutSaving)
{
    TEditorFixture f;
    EXPECT_TRUE(f.Form().close()) << "nothing to ask";
    EXPECT_TRUE(f.Asker().Questions.isEmpty());

    TEditorFixture g;
    g.Click({1, 1});
    g.Asker().Answers = {TAnswer::No};
    EXPECT_TRUE(g.Form().close());
    EXPECT_TRUE(g.Asker().FileNames.empty());
}

TEST(FormMain, StartupReportsALastAreaThatFailsAndGoesOn)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.arf"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an area at all");
    file.close();

    TEditorFixture f({QStringLiteral("FileName=") + bad, QStringLiteral("Zoom=4")});
    EXPECT_EQ(f.Asker().Errors.size(), 1);
    EXPECT_EQ(f.Area().Count(), 0);
    EXPECT_EQ(f.Area().FileName, "Noname.arf");
    EXPECT_EQ(Zoom(f)->currentText(), QStringLiteral("150%"));
    EXPECT_TRUE(f.Form().HandMode().Timer1().isActive());
    EXPECT_EQ(f.Form().windowTitle(), QStringLiteral("Kesterbrandor v. 1.02"));
}

TEST(FormMain, StartupOpensTheLastAreaAndTheCommandLineFiles)
{
    QTemporaryDir dir;
    TRoomList first(5, 5), second(7, 7);
    PlaceRoom(first, {1, 1});
    PlaceRoom(second, {3, 3});
    const QString firstFile = dir.filePath(QStringLiteral("first.arf"));
    const QString secondFile = dir.filePath(QStringLiteral("second.arf"));
    WriteAreaFile(firstFile, first);
    WriteAreaFile(secondFile, second);

    TEditorFixture last({QStringLiteral("FileName=") + firstFile});
    EXPECT_EQ(last.Area().Width, 5);
    EXPECT_EQ(last.Form().windowTitle(), QStringLiteral("Kesterbrandor v. 1.02 (first.arf)"));

    // Command-line names that are not files are skipped; the last file stays open.
    TEditorFixture cmd({QStringLiteral("FileName=") + firstFile},
                       {dir.filePath(QStringLiteral("nothing.arf")), secondFile});
    EXPECT_EQ(cmd.Area().Width, 7);
    EXPECT_NE(cmd.Area().RoomAt(3, 3), nullptr);
    EXPECT_TRUE(cmd.Asker().Errors.isEmpty());
}

TEST(FormMain, ZoomStepsDownForHugeAreas)
{
    TEditorFixture f;
    WriteAreaFile(f.Path(QStringLiteral("huge.arf")), TRoomList(199, 199));
    f.Form().OpenFile(f.Path(QStringLiteral("huge.arf")));
    ChooseZoom(f, 7);
    EXPECT_EQ(Zoom(f)->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(f.Form().ZoomPercent(), 100);
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::MapPixels), QStringLiteral("16000000")) << "4,000 pixels a side: 199 cells of 20 and two margins";
    ChooseZoom(f, 0);
    EXPECT_EQ(f.Form().MapView().Geometry().CellSize(), 5);
}

TEST(FormMain, BmpExportWritesThePictureAndSaysWhere)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Asker().FileNames = {f.Path(QStringLiteral("forest.arf"))};
    ASSERT_TRUE(f.Form().Save(false));
    ChooseZoom(f, 4);
    f.Form().Menu().miToBmp->trigger();
    const QString bmp = f.Path(QStringLiteral("forest_150.bmp"));
    ASSERT_EQ(f.Asker().Notices, QStringList{QStringLiteral("Picture was saved to ") + bmp});
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(30);
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(head[28]), 4) << "bits per pixel";
    const QImage picture(bmp);
    EXPECT_EQ(picture.size(), QSize(15 * 30 + 20, 15 * 30 + 20));
}

TEST(FormMain, HelpButtonExplainsTheCtrlSwitch)
{
    TEditorFixture f;
    QTest::mouseClick(Button(f, "tbHelp"), Qt::LeftButton);
    EXPECT_EQ(f.Asker().Notices, QStringList{QStringLiteral("Hold CTRL to change SW-NE path to NW-SE.")});
}

TEST(FormMain, DatabasePaneOpensOneKindAndClosesWithItsBox)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    auto* pane = w.findChild<TDatabasePane*>();
    f.Form().Menu().miSentenceDB->trigger();
    EXPECT_FALSE(w.DatabasePaneClosed());
    EXPECT_EQ(pane->Title(), QStringLiteral("Sentence Database"));
    EXPECT_TRUE(Button(f, "tbSentenceDB")->isChecked());
    EXPECT_GT(pane->width(), 400);

    QTest::mouseClick(Button(f, "tbItemDB"), Qt::LeftButton);
    EXPECT_EQ(pane->Title(), QStringLiteral("Item Database"));
    EXPECT_FALSE(Button(f, "tbSentenceDB")->isChecked());
    EXPECT_TRUE(w.Menu().miItemsDB->isChecked());
    EXPECT_FALSE(w.Menu().miSentenceDB->isChecked());
    EXPECT_FALSE(pane->SentencePanel()->isVisible());
    EXPECT_TRUE(pane->ItemPanel()->isVisible());

    QTest::mouseClick(pane->CloseBox(), Qt::LeftButton);
    EXPECT_TRUE(w.DatabasePaneClosed());
    EXPECT_EQ(pane->Title(), QString());
    EXPECT_FALSE(w.Menu().miItemsDB->isChecked());
    EXPECT_FALSE(Button(f, "tbItemDB")->isChecked());
    EXPECT_EQ(pane->width(), 0);
}

TEST(FormMain, RoomDetailsHideShowAndToggle)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    ASSERT_TRUE(w.DetailsHidden());
    f.Click({1, 1});
    EXPECT_FALSE(w.RoomPanel().Tabs()->isVisible()) << "only the header strip while hidden";
    auto* mapa = w.findChild<QSplitter*>(QStringLiteral("asp_mapa"));
    QTest::mouseClick(w.findChild<QToolButton*>(QStringLiteral("sbShowDetails")), Qt::LeftButton);
    EXPECT_FALSE(w.DetailsHidden());
    EXPECT_EQ(mapa->sizes().value(1), f.Area().EditorHeight);
    EXPECT_TRUE(w.RoomPanel().Tabs()->isVisible());
    w.Menu().miToggleDetails->trigger();
    EXPECT_TRUE(w.DetailsHidden());
    w.Menu().miToggleDetails->trigger();
    EXPECT_FALSE(w.DetailsHidden());
    QTest::mouseClick(w.findChild<QToolButton*>(QStringLiteral("sbHideDetails")), Qt::LeftButton);
    EXPECT_TRUE(w.DetailsHidden());
}

TEST(FormMain, TextExportAsksForTheFileAndWritesTheRooms)
{
    TEditorFixture f;
    PlaceRoom(f.Area(), {3, 3})->Short = "A quiet clearing";
    const QString out = f.Path(QStringLiteral("texts.txt"));

    f.Asker().FileNames = {QString()};
    f.Form().Menu().miToText->trigger();
    EXPECT_FALSE(QFile::exists(out)) << "a cancelled dialog writes nothing";
    EXPECT_EQ(f.Asker().DialogTitles, QStringList{QStringLiteral("Choose a filename to export")});
    EXPECT_EQ(f.Asker().DialogFilters, QStringList{QStringLiteral("Text files (*.txt);;All files (*.*)|txt")});

    f.Asker().FileNames = {out};
    f.Form().Menu().miToText->trigger();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("--------------\r\nFilename: Noname2_2\r\nExits: \r\n"
                                         "Short: A quiet clearing\r\n\r\n"));
    EXPECT_TRUE(f.Area().Modified) << "the export only reads the area";
}
