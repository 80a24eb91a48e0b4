// The main window: start-up with and without settings, the area file commands with their
// questions, closing, the panes and what is written back at program end.
#include "editorfixture.h"

#include "gui/app/databasepane.h"
#include "gui/app/statuspanels.h"
#include "gui/map/handmode.h"
#include "gui/room/defaultroombar.h"
#include "gui/room/roompanel.h"
#include "kberror.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString Ini(TEditorFixture& f, const char* key)
{
    return QSettings(f.IniFile(), QSettings::IniFormat).value(QLatin1String(key)).toString();
}

QString Caption(const char* file = nullptr)
{
    return QStringLiteral("Kesterbrandor v. 1.02") + (file ? QStringLiteral(" (%1)").arg(QLatin1String(file)) : QString());
}

const QString MapChanged = QStringLiteral("The map was changed, do you want to save it?");
const QString ReallyNew = QStringLiteral("Do you realy want to create a new area?");
} // namespace

TEST(FormMain, FirstRunUsesTheDefaults)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    EXPECT_EQ(w.windowTitle(), Caption());
    EXPECT_EQ(w.size(), QSize(736, 595));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(w.frameGeometry().center().x() - screen.center().x()), 3);
    EXPECT_EQ(f.Zoom()->currentText(), QStringLiteral("100%"));
    EXPECT_TRUE(w.Menu().miGrid->isChecked() && w.Menu().miRoomCenters->isChecked() && w.Menu().miRoomFill->isChecked());
    EXPECT_TRUE(w.DatabasePaneClosed() && w.DetailsHidden());
    EXPECT_EQ(f.Area().Width * f.Area().Height, 15 * 15);
    EXPECT_FALSE(w.Menu().miUndo->isEnabled());
    EXPECT_TRUE(w.HandMode().Timer1().isActive());
    EXPECT_EQ(w.Status().Text(TStatusPanels::MapPixels), QStringLiteral("102400"));
    EXPECT_TRUE(f.Asker().Errors.isEmpty());
}

TEST(FormMain, StoredSettingsAreApplied)
{
    TEditorFixture f({QStringLiteral("Zoom=0x5"), QStringLiteral("Grid=0"), QStringLiteral("RoomFill=yes"),
                      QStringLiteral("Left=20"), QStringLiteral("Top=30"), QStringLiteral("Width=700"),
                      QStringLiteral("Height=500"), QStringLiteral("SentenceDB=1"), QStringLiteral("Mapa_pos=200")});
    TFormMain& w = f.Form();
    EXPECT_EQ(f.Zoom()->currentText(), QStringLiteral("200%"));
    EXPECT_EQ(w.MapView().Geometry().CellSize(), 40);
    EXPECT_FALSE(w.MapView().Options().Grid);
    EXPECT_EQ(w.size(), QSize(700, 500));
    EXPECT_EQ(w.pos(), QPoint(20, 30));
    EXPECT_TRUE(f.Button("tbSentenceDB")->isChecked());
    // The map/details position waits for the first blink tick.
    EXPECT_TRUE(w.DetailsHidden());
    w.HandMode().BlinkTick();
    EXPECT_FALSE(w.DetailsHidden());
}

TEST(FormMain, WindowStaysWhereItWasAcrossStarts)
{
    QStringList settings{QStringLiteral("Left=40"), QStringLiteral("Top=50")};
    QList<QPoint> positions;
    for (int start = 0; start < 3; ++start) {
        TEditorFixture f(settings);
        positions << f.Form().pos();
        f.Close();
        QFile ini(f.IniFile());
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(ini.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    EXPECT_EQ(positions, QList<QPoint>(3, QPoint(40, 50)));
}

TEST(FormMain, ProgramEndWritesTheSettings)
{
    TEditorFixture f;
    f.ChooseZoom(6);
    f.Form().Menu().miRoomCenters->setChecked(false);
    QTest::mouseClick(f.Button("tbItemDB"), Qt::LeftButton);
    f.Close();
    const std::pair<const char*, const char*> written[] = {
        {"Zoom", "6"}, {"RoomCenters", "0"}, {"Grid", "1"}, {"ItemDB", "1"}, {"Mapa_pos", "1"}, {"FileName", "Noname.arf"},
    };
    for (const auto& [key, value] : written)
        EXPECT_EQ(Ini(f, key), QLatin1String(value)) << key;
}

TEST(FormMain, MenusButtonsAndStatusCarryTheirTexts)
{
    TEditorFixture f;
    const TMainMenu& m = f.Form().Menu();
    const struct {
        QAction* Action;
        const char* Caption;
        const char* Keys;
        const char* Hint;
    } rows[] = {
        {m.miNew, "New", "Ctrl+N", "Create a new area"},
        {m.miRedo, "Redo", "Ctrl+Shift+Z", ""},
        {m.miToggleDetails, "Toggle room details", "F5", ""},
        {m.miToBmp, "to bmp", "", "Exports map to bmp file"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Caption);
        EXPECT_EQ(r.Action->text().remove(QLatin1Char('&')), QLatin1String(r.Caption));
        EXPECT_EQ(r.Action->shortcut(), QKeySequence(QLatin1String(r.Keys)));
        EXPECT_EQ(r.Action->statusTip(), QLatin1String(r.Hint));
    }
    EXPECT_EQ(f.Form().findChild<QAction*>(QStringLiteral("miGrid")), m.miGrid);
    EXPECT_EQ(f.Button("tbNew")->toolTip(), QStringLiteral("Create a new are"));
    EXPECT_EQ(f.Form().findChild<QLabel*>(QStringLiteral("StatusPanel4"))->toolTip(),
              QStringLiteral("Debug: Total heap allocated"));

    QTest::mouseClick(f.Button("tbHelp"), Qt::LeftButton);
    EXPECT_EQ(f.Asker().Notices, QStringList{QStringLiteral("Hold CTRL to change SW-NE path to NW-SE.")});
}

TEST(FormMain, ButtonHintsLeaveTheStatusPanelsInPlace)
{
    TEditorFixture f;
    TStatusPanels& status = f.Form().Status();
    const auto panelsShown = [&] {
        for (int i = 0; i < TStatusPanels::Count; ++i)
            if (!status.Panel(i)->isVisible())
                return false;
        return true;
    };
    const auto hover = [&](QWidget* w, QEvent::Type type) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, type == QEvent::Enter ? static_cast<QEvent*>(&enter) : &leave);
    };
    const QString hint = QStringLiteral("Saves current area to a file");

    hover(f.Button("tbSave"), QEvent::Enter);
    EXPECT_TRUE(panelsShown());
    EXPECT_EQ(status.Panel(TStatusPanels::Clipboard)->text(), hint);
    hover(f.Button("tbSave"), QEvent::Leave);
    EXPECT_EQ(status.Panel(TStatusPanels::Clipboard)->text(), QString());

    // A dialog took the pointer away without a leave; the window's activation ends the hint.
    hover(f.Button("tbSave"), QEvent::Enter);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f.Form(), &activate);
    EXPECT_TRUE(panelsShown());
    EXPECT_EQ(status.Panel(TStatusPanels::Clipboard)->text(), QString());
}

TEST(FormMain, DisabledToolbarButtonsLookDisabled)
{
    TEditorFixture f;
    // Pixels as dark as an enabled icon's lines; a disabled button shows none.
    const auto darkPixels = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    for (const char* name : {"tbRedo", "tbSave", "tbUndo", "sbPen"}) {
        SCOPED_TRACE(name);
        QToolButton* b = f.Button(name);
        ASSERT_FALSE(b->isEnabled());
        EXPECT_EQ(darkPixels(b), 0);
        b->setEnabled(true);
        EXPECT_GT(darkPixels(b), 0);
    }
}

TEST(FormMain, NewAfterZoomComesBackAtHundredPercentAndFifteenCells)
{
    TEditorFixture f;
    f.OpenArea(QStringLiteral("wide.arf"), TRoomList(31, 21));
    f.ChooseZoom(6);
    ASSERT_EQ(f.Form().ZoomPercent(), 300);
    f.Click({3, 3});
    ASSERT_TRUE(f.Area().Modified);

    // Unsaved work is offered for saving before the confirmation; Cancel stops everything.
    f.Asker().Answers = {TAnswer::Cancel};
    QTest::mouseClick(f.Button("tbNew"), Qt::LeftButton);
    EXPECT_EQ(f.Asker().Questions, QStringList{MapChanged});
    f.Asker().Answers = {TAnswer::No, TAnswer::No};
    f.Form().Menu().miNew->trigger();
    EXPECT_EQ(f.Asker().Questions, (QStringList{MapChanged, MapChanged, ReallyNew}));
    EXPECT_EQ(f.Area().Count(), 1);

    f.Asker().Answers = {TAnswer::No, TAnswer::Yes};
    f.Form().Menu().miNew->trigger();
    EXPECT_EQ(f.Area().Count(), 0);
    EXPECT_EQ(f.Area().Width * f.Area().Height, 15 * 15);
    EXPECT_EQ(f.Zoom()->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(f.Canvas()->size(), QSize(320, 320));
    EXPECT_EQ(f.Form().Document().Undo().Count(), 1);
    EXPECT_EQ(f.Form().windowTitle(), Caption("wide.arf")) << "keeps the last name";
}

TEST(FormMain, SaveAsksForANameOnlyWhenNeededAndCarriesTheDefaultRooms)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Form().DefaultRooms().DefaultRoomSlots[4].Short = "template five";
    QTest::mouseClick(f.Button("tbdf5"), Qt::LeftButton);

    const QString written = f.Path(QStringLiteral("forest.arf"));
    f.Asker().FileNames = {f.Path(QStringLiteral("forest"))};
    ASSERT_TRUE(f.Form().Save(false));
    EXPECT_EQ(f.Area().FileName, QFile::encodeName(written).toStdString()) << "the suffix is added";
    EXPECT_FALSE(f.Button("tbSave")->isEnabled());
    EXPECT_EQ(f.Form().windowTitle(), Caption("forest.arf"));

    // A file that has a name is saved without a question; Save as always asks, and a
    // cancelled dialog changes nothing.
    f.Click({3, 1});
    EXPECT_TRUE(f.Form().Save(false));
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
    EXPECT_EQ(f.Area().Count(), 2);
}

TEST(FormMain, OpenAsksFirstAndAFailedOpenKeepsTheAreaExactlyAsItWas)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Click({3, 1});
    f.Click({2, 1});
    const TRoomList* before = &f.Area();
    const QString caption = f.Form().windowTitle();
    const int position = f.Form().Document().Undo().Position();
    TRoom* active = f.Form().RoomPanel().ActiveRoom();
    ASSERT_NE(active, nullptr);

    f.Asker().Answers = {TAnswer::Cancel};
    f.Form().tbOpenClick();
    EXPECT_TRUE(f.Asker().DialogTitles.isEmpty()) << "Cancel stops before the dialog";

    // A file that breaks off half-way through its rooms.
    TRoomList big(15, 15), other(9, 9);
    for (int x = 1; x <= 15; x += 2)
        PlaceRoom(big, {x, 1});
    const QString broken = f.Path(QStringLiteral("broken.arf"));
    WriteAreaFile(broken, big);
    ASSERT_TRUE(QFile::resize(broken, QFile(broken).size() * 2 / 3));
    f.Asker().Answers = {TAnswer::No};
    f.Asker().FileNames = {broken};
    EXPECT_THROW(f.Form().tbOpenClick(), EKbError);

    EXPECT_EQ(&f.Area(), before);
    EXPECT_EQ(f.Area().Count(), 2);
    EXPECT_EQ(f.Area().FileName, "Noname.arf");
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_EQ(f.Form().windowTitle(), caption);
    EXPECT_EQ(f.Form().Document().Undo().Position(), position);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), active);
    EXPECT_EQ(f.Canvas()->size(), QSize(320, 320));
    // Undo still works on the kept history.
    f.Form().Menu().miUndo->trigger();
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));

    // Yes saves first (here under a chosen name), then opens.
    const QString saved = f.Path(QStringLiteral("mine.arf"));
    const QString good = f.Path(QStringLiteral("other.arf"));
    PlaceRoom(other, {5, 5});
    WriteAreaFile(good, other);
    f.Asker().DialogFilters.clear();
    f.Asker().Answers = {TAnswer::Yes};
    f.Asker().FileNames = {saved, good};
    f.Form().tbOpenClick();
    EXPECT_EQ(f.Asker().DialogFilters, QStringList(2, QStringLiteral("Area files (*.arf)|arf")));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_NE(f.Area().RoomAt(5, 5), nullptr);
    EXPECT_EQ(f.Form().windowTitle(), Caption("other.arf"));
    EXPECT_EQ(f.Canvas()->size(), QSize(200, 200));
}

TEST(FormMain, ClosingFollowsTheAnswer)
{
    const struct {
        const char* Case;
        bool Modify;
        std::deque<TAnswer> Answers;
        const char* SaveAs; // nullptr: no dialog; "" cancels it
        bool Closes;
        int Errors;
    } cases[] = {
        {"unmodified", false, {}, nullptr, true, 0},
        {"No", true, {TAnswer::No}, nullptr, true, 0},
        {"Cancel", true, {TAnswer::Cancel}, nullptr, false, 0},
        {"Yes, dialog cancelled", true, {TAnswer::Yes}, "", false, 0},
        {"Yes, save fails", true, {TAnswer::Yes}, "missing/folder/area.arf", false, 1},
        {"Yes, saved", true, {TAnswer::Yes}, "kept.arf", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TEditorFixture f;
        if (c.Modify)
            f.Click({1, 1});
        f.Asker().Answers = c.Answers;
        const QString file = c.SaveAs && *c.SaveAs ? f.Path(QLatin1String(c.SaveAs)) : QString();
        if (c.SaveAs)
            f.Asker().FileNames = {file};
        EXPECT_EQ(f.Form().close(), c.Closes);
        EXPECT_EQ(f.Asker().Questions.size(), c.Modify ? 1 : 0);
        EXPECT_TRUE(f.Asker().FileNames.empty());
        EXPECT_EQ(f.Asker().Errors.size(), c.Errors);
        EXPECT_EQ(f.Area().Modified, c.Modify && !(c.Closes && c.SaveAs));
        EXPECT_EQ(!file.isEmpty() && QFile::exists(file), c.Closes && c.SaveAs);
    }
}

TEST(FormMain, StartupOpensTheLastAreaOrReportsItAndGoesOn)
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
    EXPECT_EQ(last.Form().windowTitle(), Caption("first.arf"));

    // Command-line names that are not files are skipped; the last file stays open.
    TEditorFixture cmd({QStringLiteral("FileName=") + firstFile},
                       {dir.filePath(QStringLiteral("nothing.arf")), secondFile});
    EXPECT_NE(cmd.Area().RoomAt(3, 3), nullptr);
    EXPECT_TRUE(cmd.Asker().Errors.isEmpty());

    const QString bad = dir.filePath(QStringLiteral("bad.arf"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an area at all");
    file.close();
    TEditorFixture broken({QStringLiteral("FileName=") + bad, QStringLiteral("Zoom=4")});
    EXPECT_EQ(broken.Asker().Errors.size(), 1);
    EXPECT_EQ(broken.Area().FileName, "Noname.arf");
    EXPECT_EQ(broken.Zoom()->currentText(), QStringLiteral("150%"));
    EXPECT_TRUE(broken.Form().HandMode().Timer1().isActive());
    EXPECT_EQ(broken.Form().windowTitle(), Caption());
}

TEST(FormMain, StartupFailuresAreReportedOverTheShownWindow)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.arf"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an area at all");
    file.close();
    const struct {
        const char* Case;
        QStringList Settings;
        QStringList CommandLine;
    } cases[] = {
        {"last area", {QStringLiteral("FileName=") + bad}, {}},
        {"command line", {}, {bad}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TEditorFixture f(c.Settings, c.CommandLine);
        EXPECT_EQ(f.Asker().Errors.size(), 1);
        EXPECT_EQ(f.Asker().ErrorsWithoutWindow.size(), 0);
    }
}

TEST(FormMain, ZoomStepsDownForHugeAreas)
{
    TEditorFixture f;
    f.OpenArea(QStringLiteral("huge.arf"), TRoomList(199, 199));
    f.ChooseZoom(7);
    EXPECT_EQ(f.Zoom()->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::MapPixels), QStringLiteral("16000000"))
        << "4,000 pixels a side: 199 cells of 20 and two margins";
}

TEST(FormMain, BmpExportWritesThePictureAndSaysWhere)
{
    TEditorFixture f;
    f.Click({1, 1});
    f.Asker().FileNames = {f.Path(QStringLiteral("forest.arf"))};
    ASSERT_TRUE(f.Form().Save(false));
    f.ChooseZoom(4);
    f.Form().Menu().miToBmp->trigger();
    const QString bmp = f.Path(QStringLiteral("forest_150.bmp"));
    ASSERT_EQ(f.Asker().Notices, QStringList{QStringLiteral("Picture was saved to ") + bmp});
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(30).at(28), 4) << "bits per pixel";
    EXPECT_EQ(QImage(bmp).size(), QSize(15 * 30 + 20, 15 * 30 + 20));
}

TEST(FormMain, DatabasePaneOpensOneKindAndClosesWithItsBox)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    auto* pane = w.findChild<TDatabasePane*>();
    w.Menu().miSentenceDB->trigger();
    EXPECT_EQ(pane->Title(), QStringLiteral("Sentence Database"));
    EXPECT_GT(pane->width(), 400);

    QTest::mouseClick(f.Button("tbItemDB"), Qt::LeftButton);
    EXPECT_EQ(pane->Title(), QStringLiteral("Item Database"));
    EXPECT_FALSE(f.Button("tbSentenceDB")->isChecked());
    EXPECT_FALSE(pane->SentencePanel()->isVisible());
    EXPECT_TRUE(pane->ItemPanel()->isVisible());

    QTest::mouseClick(pane->CloseBox(), Qt::LeftButton);
    EXPECT_TRUE(w.DatabasePaneClosed());
    EXPECT_FALSE(w.Menu().miItemsDB->isChecked());
    EXPECT_EQ(pane->width() + w.findChild<QSplitter*>(QStringLiteral("asp_main"))->handleWidth(), 30);
}

TEST(FormMain, RoomDetailsHideShowAndToggle)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    f.Click({1, 1});
    EXPECT_FALSE(w.RoomPanel().Tabs()->isVisible()) << "only the header strip while hidden";
    QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
    EXPECT_FALSE(w.DetailsHidden());
    EXPECT_EQ(w.findChild<QSplitter*>(QStringLiteral("asp_mapa"))->sizes().value(1), f.Area().EditorHeight);
    EXPECT_TRUE(w.RoomPanel().Tabs()->isVisible());
    w.Menu().miToggleDetails->trigger();
    EXPECT_TRUE(w.DetailsHidden());
    w.Menu().miToggleDetails->trigger();
    EXPECT_FALSE(w.DetailsHidden());
    QTest::mouseClick(f.Button("sbHideDetails"), Qt::LeftButton);
    EXPECT_TRUE(w.DetailsHidden());
}

TEST(FormMain, TextExportAsksForTheFileAndWritesTheRooms)
{
    TEditorFixture f;
    PlaceRoom(f.Area(), {3, 3})->Short = "A quiet clearing";
    const QString out = f.Path(QStringLiteral("texts.txt"));

    f.Asker().FileNames = {QString(), out};
    f.Form().Menu().miToText->trigger();
    EXPECT_FALSE(QFile::exists(out)) << "a cancelled dialog writes nothing";
    EXPECT_EQ(f.Asker().DialogTitles, QStringList{QStringLiteral("Choose a filename to export")});
    EXPECT_EQ(f.Asker().DialogFilters, QStringList{QStringLiteral("Text files (*.txt);;All files (*.*)|txt")});

    f.Form().Menu().miToText->trigger();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("--------------\r\nFilename: Noname2_2\r\nExits: \r\n"
                                         "Short: A quiet clearing\r\n\r\n"));
    EXPECT_TRUE(f.Area().Modified) << "the export only reads the area";
}
