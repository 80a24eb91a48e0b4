// The export formats beyond the 8-bit code: UTF-8 chosen in the options, and the map picture
// as PNG.
#include "editorfixture.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "model/mapedit.h"
#include "testutil.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {
std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool Lists(const TValidationList& list, const QString& start)
{
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text().startsWith(start))
            return true;
    return false;
}
} // namespace

TEST(ExportFormats, Utf8OptionIsKeptAndReachesExportAndValidate)
{
    TEditorFixture f({QStringLiteral("Utf8Export=1")});
    TFormMain& w = f.Form();
    TRoomList area(9, 9);
    TRoom& room = *PlaceRoom(area, {1, 1});
    room.FileName = "burrow";
    room.Short = "Nora pod ko\xF8" "eny";
    f.OpenArea(QStringLiteral("czech.arf"), area);
    const TValidationList& list = *w.RoomPanel().ValidationList();
    const QString nonAscii = QStringLiteral("Warning:  Area: Text outside ASCII");

    for (const bool utf8 : {true, false}) {
        SCOPED_TRACE(utf8);
        const QString folder = f.Path(utf8 ? QStringLiteral("u/czech") : QStringLiteral("czech"));
        QDir().mkpath(f.Path(QStringLiteral("u")));
        f.Asker().Texts = {folder};
        w.Menu().miUsingScript1->trigger();
        const std::string shortLine = utf8 ? "SetShort(\"Nora pod kořeny\");" : "SetShort(\"Nora pod ko\xF8" "eny\");";
        EXPECT_NE(ReadFileBytes(Local(folder + QStringLiteral("/rooms/burrow.c"))).find(shortLine), std::string::npos);
        w.Menu().miValidate->trigger();
        EXPECT_EQ(Lists(list, nonAscii), !utf8);

        // The options dialog shows the choice; the user turns it off.
        QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
        auto* box = w.findChild<QCheckBox*>(QStringLiteral("cbUtf8Export"));
        ASSERT_TRUE(box);
        EXPECT_EQ(box->isChecked(), utf8);
        if (box->isChecked())
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("bbOK")), Qt::LeftButton);
    }
    EXPECT_FALSE(f.Area().Modified); // the choice is the program's, not the area's
    f.Close();
    EXPECT_EQ(QSettings(f.IniFile(), QSettings::IniFormat).value(QStringLiteral("Utf8Export")).toString(),
              QStringLiteral("0"));
}

TEST(ExportFormats, PictureCommandSavesPngOrBmpByTheName)
{
    TEditorFixture f;
    f.Asker().FileNames = {f.Path(QStringLiteral("map.png")), f.Path(QStringLiteral("map.bmp")), QString()};
    for (int i = 0; i < 3; ++i)
        f.Form().Menu().miToPicture->trigger();
    EXPECT_TRUE(f.Asker().DialogFilters.first().startsWith(QStringLiteral("PNG pictures (*.png);;")));
    EXPECT_EQ(ReadFileBytes(Local(f.Path(QStringLiteral("map.png")))).substr(0, 4), "\x89PNG");
    EXPECT_EQ(ReadFileBytes(Local(f.Path(QStringLiteral("map.bmp")))).substr(0, 2), "BM");
}
