// The room panel's "Code" tab: what it shows is what the export writes, and it follows edits.
#include "editorfixture.h"
#include "export/exportrun.h"
#include "gui/document/doctext.h"
#include "gui/map/handmode.h"
#include "gui/room/codetab.h"
#include "gui/room/roompanel.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
std::string FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("missing");
}

std::string Shown(const TCodeTab& tab)
{
    return QtToDoc(tab.Preview()->text());
}
} // namespace

TEST(CodeTab, ShowsTheExportedFileByteForByte)
{
    // Generated files carry a date: the preview and the export use the same fixed one.
    qputenv("SOURCE_DATE_EPOCH", "1764892800");
    TEditorFixture f;
    TFormMain& w = f.Form();
    const QString copy = f.Path(QStringLiteral("forest.arf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KB_SOURCE_DIR "/examples/forest.arf"), copy));
    w.OpenFile(copy);
    w.HandMode().BlinkTick(); // the stored layout (details hidden) is applied first
    w.ShowDetails();
    TCodeTab& tab = *w.RoomPanel().CodeTab();
    EXPECT_TRUE(tab.Preview()->isReadOnly());
    w.RoomPanel().Tabs()->setCurrentWidget(&tab);
    ASSERT_GT(f.Area().Count(), 1);

    for (bool script : {false, true}) {
        SCOPED_TRACE(script ? "script" : "fixed");
        // The folder the export offers, so that the area header named in the files agrees.
        const QString folder = f.Path(QStringLiteral("forest"));
        f.Asker().Texts = {folder};
        w.ExportCode(script);
        tab.findChild<QRadioButton*>(script ? QStringLiteral("rbCodeScript") : QStringLiteral("rbCodeFixed"))->click();
        for (int i = 0; i < f.Area().Count(); ++i) {
            TRoom& room = f.Area()[i];
            w.MapEditor().SelectRoom(&room);
            const std::string file = FileBytes(folder + QStringLiteral("/rooms/") +
                                               QString::fromStdString(RoomSourceFileName(room)));
            // The view follows the room shortly after the choice.
            static_cast<void>(QTest::qWaitFor([&] { return Shown(tab) == file; }, 1000));
            EXPECT_EQ(Shown(tab), file) << room.Number;
        }
    }
    qunsetenv("SOURCE_DATE_EPOCH");
}

TEST(CodeTab, FollowsTheRoomAsItIsEdited)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    TRoomList area(15, 15);
    PlaceRoom(area, {1, 1})->Short = "Old hut";
    f.OpenArea(QStringLiteral("hut.arf"), area);
    w.HandMode().BlinkTick(); // the stored layout (details hidden) is applied first
    w.ShowDetails();
    w.MapEditor().SelectRoom(f.Area().RoomAt({1, 1}));
    QTabWidget& tabs = *w.RoomPanel().Tabs();
    TCodeTab& tab = *w.RoomPanel().CodeTab();
    tabs.setCurrentWidget(&tab);
    EXPECT_NE(Shown(tab).find("SetShort(\"Old hut\");"), std::string::npos) << Shown(tab);

    // Typed on the "Main" tab, seen when the code comes up again.
    tabs.setCurrentIndex(0);
    auto* shortEdit = w.findChild<QLineEdit*>(QStringLiteral("eShort"));
    shortEdit->setFocus();
    shortEdit->selectAll();
    QTest::keyClicks(shortEdit, QStringLiteral("New hut"));
    QTest::keyClick(shortEdit, Qt::Key_Tab);
    tabs.setCurrentWidget(&tab);
    EXPECT_NE(Shown(tab).find("SetShort(\"New hut\");"), std::string::npos) << Shown(tab);

    // Undone while the code is up: the view follows shortly after.
    w.Menu().miUndo->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(tab).find("SetShort(\"Old hut\");") != std::string::npos; }));
}
