// The editor's code export and validation commands, seen from the files they write and the
// room they lead to.
#include "editorfixture.h"
#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "kberror.h"
#include "model/mapedit.h"
#include "runcommand.h"
#include "testutil.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const char* const kEpoch = "1764892800";

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

void OpenForestCopy(TEditorFixture& f)
{
    const QString copy = f.Path(QStringLiteral("forest.arf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KB_SOURCE_DIR "/examples/forest.arf"), copy));
    f.Form().OpenFile(copy);
}

void ClickLine(TValidationList& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

// A room that passes every check.
TRoom& CompleteRoom(TRoomList& area, TGridPoint cell)
{
    TRoom& room = *PlaceRoom(area, cell);
    room.Short = "A room";
    room.Descriptions = {{"Long", {"A room."}}};
    room.AreaTypes = 1;
    room.Items.resize(1);
    room.Items[0].ID = "stone";
    room.Items[0].Description = {"A stone."};
    room.Exits.push_back({1, "out", room.Number});
    return room;
}
} // namespace

TEST(ExportCommands, WriteWhatTheCommandLineToolWrites)
{
    // Generated files carry a date: both sides use the same fixed one.
    qputenv("SOURCE_DATE_EPOCH", kEpoch);
    TEditorFixture f;
    OpenForestCopy(f);
    const QString folder = f.Path(QStringLiteral("forest"));
    const struct {
        QAction* Command;
        const char* CliOption;
    } cases[] = {{f.Form().Menu().miToC, nullptr}, {f.Form().Menu().miUsingScript1, "--script"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command->objectName().toStdString());
        // Cancel writes nothing; the prompt offers the area's name as the folder.
        f.Asker().Texts = {std::nullopt, folder};
        c.Command->trigger();
        EXPECT_EQ(f.Asker().TextQuestions.takeLast(), QStringLiteral("Enter an directory name for output:|") + folder);
        EXPECT_TRUE(f.Asker().Notices.isEmpty());
        c.Command->trigger();
        EXPECT_EQ(f.Asker().Notices.takeLast(), QStringLiteral("Export done."));

        const std::string cliOut = Local(f.Path(QStringLiteral("cli%1/forest").arg(c.CliOption ? 1 : 0)));
        std::vector<std::string> args = {"export", Local(f.Path(QStringLiteral("forest.arf"))), cliOut};
        if (c.CliOption)
            args.push_back(c.CliOption);
        std::filesystem::create_directories(std::filesystem::path(cliOut).parent_path());
        const TCommandResult cli = RunCommand(KB_CLI_PATH, args, {std::string("SOURCE_DATE_EPOCH=") + kEpoch});
        ASSERT_EQ(cli.ExitCode, 0) << cli.Err;
        // The second command replaced what the first wrote.
        EXPECT_EQ(DirectoryTree(Local(folder)), DirectoryTree(cliOut));
    }
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_FALSE(f.Area().Modified);

    // A file that cannot be written ends the command with its name, and never "Export done.".
    f.Asker().Texts = {f.Path(QStringLiteral("full"))};
    try {
        const TFileSizeLimit diskFull(64);
        f.Form().ExportCode(false);
        ADD_FAILURE() << "no error";
    } catch (const EKbError& e) {
        EXPECT_NE(std::string(e.what()).find("full.h"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(f.Asker().Notices.isEmpty());
    // The run leaves the rooms in position order, which the map's lookups rely on.
    EXPECT_EQ(f.Area().RoomAt({7, 5})->Number, 6);
}

TEST(ValidateCommand, ListsFindingsAndAClickChoosesTheRoom)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    w.HandMode().BlinkTick(); // the stored layout (details hidden) is applied first
    TRoomList area(61, 61);
    CompleteRoom(area, {1, 1});
    PlaceRoom(area, {59, 59})->FileName.clear();
    PlaceRoom(area, {3, 1});
    f.OpenArea(QStringLiteral("far.arf"), area);
    TValidationList& list = *w.RoomPanel().ValidationList();

    w.Menu().miValidate->trigger();
    EXPECT_EQ(f.Asker().Warnings, QStringList{QStringLiteral("11 possible problems found.")});
    ASSERT_TRUE(list.isVisible());
    EXPECT_FALSE(w.DetailsHidden());
    ASSERT_EQ(list.count(), 11);
    EXPECT_EQ(list.item(5)->text(), QStringLiteral("ERROR:  Room: 2 (59:59) Missing filename!"));
    EXPECT_GE(list.height(), 3 * list.sizeHintForRow(0)) << "the splitter leaves room for the lines";

    // A line of the far room: it becomes active, framed, and scrolled into view.
    const TMapView& map = w.MapView();
    ASSERT_FALSE(map.VisiblePixels().contains(map.CellInner({59, 59})));
    ClickLine(list, 7);
    EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({59, 59}));
    EXPECT_EQ(f.Editor().State().ActiveCell, (TGridPoint{59, 59}));
    EXPECT_EQ(map.Canvas()->ActiveFrameCell(), (TGridPoint{59, 59}));
    EXPECT_TRUE(map.Canvas()->ActiveFrameOn());
    EXPECT_TRUE(map.VisiblePixels().contains(map.CellInner({59, 59})));
    EXPECT_FALSE(f.Area().Modified);
    // The keys walk the lines as clicks do.
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({3, 1}));
    EXPECT_EQ(map.Canvas()->ActiveFrameCell(), (TGridPoint{3, 1}));

    // The report is a snapshot: a line whose room has gone since leads nowhere.
    w.Document().SetActiveRoom(nullptr);
    const std::unique_ptr<TRoom> erased = EraseRoom(f.Area(), f.Area().RoomAt({3, 1}));
    ClickLine(list, 0);
    EXPECT_EQ(w.Document().ActiveRoom(), nullptr);

    // The pop-up "Hide" hides the list and keeps the lines.
    QAction* hide = list.HideAction();
    EXPECT_TRUE(list.actions().contains(hide));
    EXPECT_EQ(list.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(hide->text(), QStringLiteral("Hide"));
    EXPECT_EQ(hide->statusTip(), QStringLiteral("Hides validation results"));
    hide->trigger();
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(list.count(), 11);

    // One finding is told with a warning, none with a notice that also hides the list.
    f.Area().RoomAt({59, 59})->AssignContents(*f.Area().RoomAt({1, 1}));
    f.Area().RoomAt({59, 59})->FileName = "far";
    f.Area().RoomAt({59, 59})->Items.clear();
    w.Menu().miValidate->trigger();
    EXPECT_EQ(f.Asker().Warnings.takeLast(), QStringLiteral("Only one possible problem found."));
    EXPECT_TRUE(list.isVisible());
    f.Area().RoomAt({59, 59})->Items = f.Area().RoomAt({1, 1})->Items;
    w.Menu().miValidate->trigger();
    EXPECT_EQ(f.Asker().Notices, QStringList{QStringLiteral("Excellent, no errors or warnings found.")});
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(list.count(), 0);
}

TEST(ValidateCommand, AHugeReportShowsItsFirstLinesAndCountsTheRest)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    w.HandMode().BlinkTick();
    TRoomList area(80, 80);
    for (int y = 1; y <= 70; ++y)
        for (int x = 1; x <= 70; ++x)
            PlaceRoom(area, {x, y});
    TRoom& busy = CompleteRoom(area, {75, 75});
    busy.Items.resize(20); // nineteen items without a description
    f.OpenArea(QStringLiteral("huge.arf"), area);
    TValidationList& list = *w.RoomPanel().ValidationList();

    w.Menu().miValidate->trigger();
    // The count of the whole report, the lines of the list only as many as it keeps.
    const TValidationReport whole = ValidateArea(f.Area(), w.ExportEncoding());
    EXPECT_EQ(f.Asker().Warnings, QStringList{QString::fromStdString(whole.Summary())});
    ASSERT_EQ(list.count(), MaxReportLines);
    EXPECT_EQ(list.item(MaxReportLines - 2)->text(), QString::fromStdString(whole.Lines()[MaxReportLines - 2].Text()));
    EXPECT_TRUE(list.item(MaxReportLines - 1)
                    ->text()
                    .endsWith(QStringLiteral(" more lines not shown: the report keeps the first 9999.")));
    // The counting line has no room to lead to.
    w.Document().SetActiveRoom(nullptr);
    list.scrollToBottom();
    ClickLine(list, MaxReportLines - 1);
    EXPECT_EQ(w.Document().ActiveRoom(), nullptr);

    // A room's many lines of one kind: the first three, then one line that counts the others
    // and leads to the room as well.
    f.Area().Clear();
    TRoom& only = CompleteRoom(f.Area(), {75, 75});
    only.Items.resize(20);
    w.Menu().miValidate->trigger();
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.item(3)->text(), QStringLiteral("ERROR:  Room: 1 (75:75) 16 more lines like: Item \"\" is missing description!"));
    ClickLine(list, 3);
    EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({75, 75}));
}
