// The editor's code export and validation commands, seen from the files they write and the
// room they lead to.
#include "editorfixture.h"
#include "export/validation.h"
#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "kberror.h"
#include "model/mapedit.h"
#include "runcommand.h"
#include "testutil.h"

#include <QAction>
#include <QFile>
#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {
const char* const kEpoch = "1764892800";
const QString kFolderQuestion = QStringLiteral("Enter an directory name for output:");

// Generated files carry a date: both sides use the same fixed one.
class TFixedDate {
public:
    TFixedDate() { qputenv("SOURCE_DATE_EPOCH", kEpoch); }
    ~TFixedDate() { qunsetenv("SOURCE_DATE_EPOCH"); }
};

std::map<std::string, std::string> Tree(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        files[fs::relative(e.path(), dir).string()] = e.is_regular_file() ? ReadFileBytes(e.path().string()) : "<dir>";
    return files;
}

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The example area opened from a copy in the test folder.
void OpenForestCopy(TEditorFixture& f)
{
    const QString copy = f.Path(QStringLiteral("forest.arf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KB_SOURCE_DIR "/examples/forest.arf"), copy));
    f.Form().OpenFile(copy);
}

TValidationList& ReportList(TEditorFixture& f)
{
    return *f.Form().RoomPanel().ValidationList();
}

void ClickLine(TValidationList& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

TRoom& CompleteRoom(TRoomList& area, TGridPoint cell)
{
    TRoom& room = *PlaceRoom(area, cell);
    room.Short = "A room";
    room.Descriptions = {{"Long", {"A room."}}};
    room.AreaTypes = 1;
    room.Items.emplace_back();
    room.Items.back().ID = "stone";
    room.Items.back().Description = {"A stone."};
    room.Exits.push_back({1, "out", room.Number});
    return room;
}
} // namespace

TEST(ExportCommands, WriteWhatTheCommandLineToolWrites)
{
    TFixedDate date;
    TEditorFixture f;
    OpenForestCopy(f);
    const QString folder = f.Path(QStringLiteral("forest"));
    const fs::path cliRoot = Local(f.Path(QStringLiteral("cli")));
    fs::create_directory(cliRoot);
    const struct {
        QAction* Command;
        std::vector<std::string> CliOptions;
    } cases[] = {
        {f.Form().Menu().miToC, {}},
        {f.Form().Menu().miUsingScript1, {"--script"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command->objectName().toStdString());
        ASSERT_TRUE(c.Command->isEnabled());
        // Cancel writes nothing; the prompt offers the area's name as the folder.
        f.Asker().Texts = {std::nullopt};
        c.Command->trigger();
        EXPECT_EQ(f.Asker().TextQuestions.takeLast(), kFolderQuestion + QLatin1Char('|') + folder);
        EXPECT_TRUE(f.Asker().Notices.isEmpty());

        f.Asker().Texts = {folder};
        c.Command->trigger();
        EXPECT_EQ(f.Asker().Notices.takeLast(), QStringLiteral("Export done."));

        const fs::path cliOut = cliRoot / (c.CliOptions.empty() ? "fixed" : "script") / "forest";
        fs::create_directories(cliOut.parent_path());
        std::vector<std::string> args = {"export", Local(f.Path(QStringLiteral("forest.arf"))), cliOut.string()};
        args.insert(args.end(), c.CliOptions.begin(), c.CliOptions.end());
        const TCommandResult cli = RunCommand(KB_CLI_PATH, args, {std::string("SOURCE_DATE_EPOCH=") + kEpoch});
        ASSERT_EQ(cli.ExitCode, 0) << cli.Err;
        // The second command replaced what the first wrote.
        EXPECT_EQ(Tree(Local(folder)), Tree(cliOut));
    }
    EXPECT_EQ(Tree(Local(folder)).size(), 8u); // forest.h, rooms and six room files
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_TRUE(f.Asker().Errors.isEmpty());
}

TEST(ExportCommands, FailuresNameTheirCauseAndNeverSayDone)
{
    TEditorFixture f;
    OpenForestCopy(f);
    const struct {
        const char* Name;
        QString Folder;
        rlim_t FileSizeLimit;
        const char* Named;
    } cases[] = {
        {"folder whose parent is missing", f.Path(QStringLiteral("missing/forest")), RLIM_INFINITY, "missing/forest"},
        {"disk full at the first file", f.Path(QStringLiteral("full")), 64, "full.h"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        f.Asker().Texts = {c.Folder};
        try {
            const TFileSizeLimit limit(c.FileSizeLimit);
            f.Form().ExportCode(false);
            ADD_FAILURE() << "no error";
        } catch (const EKbError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
        }
        EXPECT_TRUE(f.Asker().Notices.isEmpty());
    }
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
    TValidationList& list = ReportList(f);

    w.Menu().miValidate->trigger();
    EXPECT_EQ(f.Asker().Warnings, QStringList{QStringLiteral("11 possible problems found.")});
    ASSERT_TRUE(list.isVisible());
    EXPECT_FALSE(w.DetailsHidden());
    EXPECT_EQ(list.count(), 11);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("ERROR:  Room: 3 (3:1) Missing short description!"));
    EXPECT_EQ(list.item(5)->text(), QStringLiteral("ERROR:  Room: 2 (59:59) Missing filename!"));
    EXPECT_GE(list.height(), 3 * list.sizeHintForRow(0)) << "the splitter leaves room for the lines";

    // A line of the far room: it becomes active, framed, and scrolled into view.
    const TRoom* far = f.Area().RoomAt({59, 59});
    ASSERT_FALSE(w.MapView().VisiblePixels().contains(w.MapView().CellInner({59, 59})));
    ClickLine(list, 7);
    EXPECT_EQ(w.Document().ActiveRoom(), far);
    EXPECT_EQ(f.Editor().State().ActiveCell, (TGridPoint{59, 59}));
    EXPECT_TRUE(w.MapView().Canvas()->ActiveFrameOn());
    EXPECT_EQ(w.MapView().Canvas()->ActiveFrameCell(), (TGridPoint{59, 59}));
    EXPECT_TRUE(w.MapView().VisiblePixels().contains(w.MapView().CellInner({59, 59})));
    EXPECT_FALSE(f.Area().Modified);
    // The keys walk the lines as clicks do.
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({3, 1}));
    EXPECT_EQ(w.MapView().Canvas()->ActiveFrameCell(), (TGridPoint{3, 1}));

    // The report is a snapshot: a line whose room has gone since leads nowhere.
    w.Document().SetActiveRoom(nullptr);
    std::unique_ptr<TRoom> erased = EraseRoom(f.Area(), f.Area().RoomAt({3, 1}));
    ClickLine(list, 0);
    EXPECT_EQ(w.Document().ActiveRoom(), nullptr);
    EXPECT_EQ(list.count(), 11);

    // The pop-up "Hide" hides the list and keeps the lines.
    QAction* hide = list.HideAction();
    EXPECT_EQ(list.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(hide->text(), QStringLiteral("Hide"));
    EXPECT_EQ(hide->statusTip(), QStringLiteral("Hides validation results"));
    hide->trigger();
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(list.count(), 11);
}

TEST(ValidateCommand, MessageFollowsTheNumberOfFindings)
{
    const struct {
        const char* Name;
        int ProblemRooms; // rooms without items beside a complete one
        const char* Notice;
        const char* Warning;
        bool ListShown;
    } cases[] = {
        {"none", 0, "Excellent, no errors or warnings found.", nullptr, false},
        {"one", 1, nullptr, "Only one possible problem found.", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TEditorFixture f;
        f.Form().HandMode().BlinkTick();
        TRoomList area(9, 9);
        CompleteRoom(area, {1, 1});
        for (int i = 0; i < c.ProblemRooms; ++i)
            CompleteRoom(area, {3 + 2 * i, 1}).Items.clear();
        f.OpenArea(QStringLiteral("a.arf"), area);
        // A list left from an earlier run goes when the new one finds nothing.
        ReportList(f).show();
        f.Form().Menu().miValidate->trigger();
        EXPECT_EQ(f.Asker().Notices, c.Notice ? QStringList{QLatin1String(c.Notice)} : QStringList{});
        EXPECT_EQ(f.Asker().Warnings, c.Warning ? QStringList{QLatin1String(c.Warning)} : QStringList{});
        EXPECT_EQ(ReportList(f).isVisible(), c.ListShown);
        EXPECT_EQ(ReportList(f).count(), c.ProblemRooms);
    }
}
