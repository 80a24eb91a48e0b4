// Rooms that were only looked at, every tab and both kinds of long description: they save
// byte for byte as before, and the editor's export equals the command line's of the file.
#include "editorfixture.h"
#include "gui/room/roompanel.h"
#include "runcommand.h"
#include "testutil.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const char* const kEpoch = "1764892800";

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Rooms with no long description, only a night one, only a day one, and both.
void FillViewedArea(TRoomList& area)
{
    const std::vector<std::vector<TRoomDescription>> kinds = {
        {}, {{"Night Long", {"Owls call."}}}, {{"Long", {"A clearing", "in the wood."}}},
        {{"Long", {"A barn."}}, {"Night Long", {"A dark barn."}}}};
    int x = 1;
    for (const auto& descriptions : kinds) {
        TRoom& room = *PlaceRoom(area, {x, 1});
        room.Short = "Place " + std::to_string(x);
        room.Descriptions = descriptions;
        room.AmbientLight = -9999;
        room.Items.resize(1);
        room.Items[0].ID = "stone";
        room.Items[0].Listen = {"It is", "silent."};
        room.Exits.push_back({ekVisibleExit, "path", 1});
        x += 2;
    }
    PlaceRoom(area, {1, 3});
}
} // namespace

TEST(ViewedRooms, SaveAsLoadedAndExportAsTheCommandLineDoes)
{
    qputenv("SOURCE_DATE_EPOCH", kEpoch);
    TEditorFixture f;
    {
        TRoomList area(9, 5);
        FillViewedArea(area);
        f.OpenArea(QStringLiteral("viewed.arf"), area);
    }
    const QString file = f.Path(QStringLiteral("viewed.arf"));
    f.Form().Save(false);
    const std::string loaded = ReadFileBytes(Local(file));
    f.Form().ShowDetails();
    QTabWidget* tabs = f.Form().RoomPanel().Tabs();
    auto* type = f.Form().findChild<QComboBox*>(QStringLiteral("cbType"));

    // Every room, every tab, both kinds of description, the keyboard through each text.
    for (int i = 0; i < f.Area().Count(); ++i) {
        const TRoom& room = f.Area()[i];
        f.Click({room.X, room.Y});
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            for (auto* memo : tabs->currentWidget()->findChildren<QPlainTextEdit*>())
                if (memo->isVisible())
                    memo->setFocus();
            for (auto* spin : tabs->currentWidget()->findChildren<QSpinBox*>())
                spin->setFocus();
        }
        tabs->setCurrentIndex(0);
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Down);
        f.Form().findChild<QPlainTextEdit*>(QStringLiteral("mLong"))->setFocus();
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up);
        f.Canvas()->setFocus();
    }
    EXPECT_FALSE(f.Area().Modified);

    f.Form().Save(false);
    EXPECT_EQ(ReadFileBytes(Local(file)), loaded);

    const QString folder = f.Path(QStringLiteral("gui/viewed"));
    QDir().mkpath(folder);
    f.Asker().Texts = {folder};
    f.Form().Menu().miToC->trigger();
    ASSERT_EQ(f.Asker().Notices.value(0), QStringLiteral("Export done."));
    QDir().mkpath(f.Path(QStringLiteral("cli")));
    const std::string cliFolder = Local(f.Path(QStringLiteral("cli/viewed")));
    const TCommandResult cli = RunCommand(KB_CLI_PATH, {"export", Local(file), cliFolder},
                                          {std::string("SOURCE_DATE_EPOCH=") + kEpoch});
    qunsetenv("SOURCE_DATE_EPOCH");
    ASSERT_EQ(cli.ExitCode, 0) << cli.Err;
    const auto written = DirectoryTree(Local(folder));
    EXPECT_EQ(written, DirectoryTree(cliFolder));
    for (const auto& [name, code] : written)
        EXPECT_EQ(code.find("SetLong(\"\");"), std::string::npos) << name;
}
