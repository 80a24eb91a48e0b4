#include "gui/app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace {

QSettings ProgramStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kaj Soft", "Kesterbrandor");
}

// Every test starts from an empty per-user store.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings reg = ProgramStore();
        reg.clear();
        reg.sync();
    }

    void Put(const QString& name, const QString& value)
    {
        QSettings reg = ProgramStore();
        reg.setValue(name, value);
        reg.sync();
    }

    static TProgramSettings ReadAll(TProgramSettings s = {})
    {
        TSettingsStore store;
        store.ReadStartup(s);
        store.ReadActivation(s);
        return s;
    }
};

auto Switches(const TProgramSettings& s)
{
    return std::make_tuple(s.Grid, s.RoomCenters, s.RoomFill, s.SentenceDB, s.ItemDB);
}

auto Splitters(const TProgramSettings& s)
{
    return std::make_tuple(s.Main_pos, s.Mapa_pos, s.sent_position, s.sentDet_position, s.item_position,
                           s.itemDet_position);
}

} // namespace

TEST(SettingsTextToInt, DecimalHexAndRejectedText)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"-1", -1}, {"0", 0}, {"0x1F", 31}, {"0XfF", 255}, {"0xFFFFFFFF", -1}, {"007", 7},
        // Rejected: the default. "0x" has two characters only, so it is not hexadecimal.
        {"", 9}, {"0x", 9}, {"0xG1", 9}, {"0x-5", 9}, {"0x1FFFFFFFF", 9}, {"12a", 9}, {" 5", 9}, {"abc", 9},
        {"99999999999", 9},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SettingsTextToInt(QLatin1String(text), 9), expected) << text;
}

TEST_F(SettingsStore, FirstRunGivesTheDefaults)
{
    const QString home = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(QDir::cleanPath(TSettingsStore().Location()), QDir::cleanPath(home + "/Kaj Soft/Kesterbrandor.conf"));

    // Start from values unlike every default, so that each one must really be read.
    TProgramSettings s;
    s.FileName = "x.arf";
    s.Zoom = 6;
    s.Left = s.Top = s.Width = s.Height = 11;
    s.Main_pos = s.Mapa_pos = s.sent_position = s.sentDet_position = s.item_position = s.itemDet_position = 12;
    s.ColorDept = 3;
    s.Grid = s.RoomCenters = s.RoomFill = false;
    s.SentenceDB = s.ItemDB = true;
    s.SentFilename = "a.sdb";
    s.ItemFilename = "b.idb";
    s.SentColumns = {1, 2};
    s = ReadAll(s);
    EXPECT_EQ(s.FileName, "");
    EXPECT_EQ(s.Zoom, 3);
    EXPECT_EQ(std::tie(s.Left, s.Top, s.Width, s.Height), std::make_tuple(-1, -1, 736, 595));
    EXPECT_EQ(Splitters(s), std::make_tuple(1, 1, 150, 169, 150, 169));
    EXPECT_EQ(s.ColorDept, 2);
    EXPECT_EQ(Switches(s), std::make_tuple(true, true, true, false, false));
    EXPECT_EQ(s.SentFilename, "noname.sdb");
    EXPECT_EQ(s.ItemFilename, "noname.idb");
    EXPECT_EQ(s.SentColumns, (std::vector<int>{-1, -1, -1, -1}));
    // Reading never creates the store.
    EXPECT_FALSE(QFile::exists(TSettingsStore().Location()));
}

TEST_F(SettingsStore, NumbersFromDecimalOrHexText)
{
    // Zoom items outside the list give 100%.
    const std::pair<const char*, int> zooms[] = {{"0x5", 5}, {"8", 3}, {"-1", 3}};
    for (const auto& [text, item] : zooms) {
        Put("Zoom", text);
        EXPECT_EQ(ReadAll().Zoom, item) << text;
    }
    // Switches are integers too; text that is no number and empty text give the default.
    Put("Grid", "0");
    Put("RoomCenters", "2");
    Put("RoomFill", "no");
    Put("SentenceDB", "0x1");
    Put("ItemDB", "");
    EXPECT_EQ(Switches(ReadAll()), std::make_tuple(false, true, true, true, false));
}

TEST_F(SettingsStore, WriteThenReadBack)
{
    TProgramSettings out;
    out.FileName = QString::fromUtf8("/home/kaj/Hrad, věž/forest.arf");
    out.Zoom = 6;
    out.Left = 20;
    out.Top = -5;
    out.Width = 1024;
    out.Height = 700;
    out.Maximized = true;
    out.Main_pos = 500;
    out.Mapa_pos = 300;
    out.sent_position = 210;
    out.sentDet_position = 220;
    out.item_position = 230;
    out.itemDet_position = 240;
    out.ColorDept = 3;
    out.Grid = out.RoomCenters = false;
    out.SentenceDB = true;
    out.SentFilename = "/data/sentences.sdb";
    out.SentColumns = {40, 50, 60, 70, 80};
    out.ItemFilename = "/data/items.idb";
    out.ItemColumns = {90, 100};
    ASSERT_TRUE(TSettingsStore().WriteExit(out));

    const TProgramSettings in = ReadAll();
    EXPECT_EQ(in.FileName, out.FileName);
    EXPECT_EQ(in.Zoom, 6);
    EXPECT_EQ(std::tie(in.Left, in.Top, in.Width, in.Height), std::make_tuple(20, -5, 1024, 700));
    EXPECT_FALSE(in.Maximized); // written, never read
    EXPECT_EQ(Splitters(in), Splitters(out));
    EXPECT_EQ(in.ColorDept, 3);
    EXPECT_EQ(Switches(in), Switches(out));
    EXPECT_EQ(in.SentFilename, out.SentFilename);
    EXPECT_EQ(in.SentColumns, (std::vector<int>{40, 50, 60, 70})); // only four are read
    EXPECT_EQ(in.ItemFilename, out.ItemFilename);

    // Every value is text, "Maximized" included; the column widths are all there, in a
    // section of the same name as the switch.
    QSettings reg = ProgramStore();
    EXPECT_EQ(reg.value("Maximized").metaType().id(), QMetaType::QString);
    EXPECT_EQ(reg.value("Maximized").toString(), "1");
    EXPECT_EQ(reg.value("SentenceDB/Col4").toString(), "80");
    EXPECT_EQ(reg.value("ItemDB/Col1").toString(), "100");
    EXPECT_FALSE(reg.contains("ItemDB/Col2"));
    EXPECT_TRUE(reg.childKeys().contains("ItemDB"));
    EXPECT_TRUE(reg.childGroups().contains("ItemDB"));
}

TEST_F(SettingsStore, EachPassReadsOnlyItsOwnValues)
{
    TProgramSettings out;
    out.FileName = "f.arf";
    out.Zoom = 1;
    out.Main_pos = out.Mapa_pos = 5;
    out.sent_position = out.sentDet_position = out.item_position = out.itemDet_position = 7;
    ASSERT_TRUE(TSettingsStore().WriteExit(out));

    TProgramSettings start, activation;
    TSettingsStore().ReadStartup(start);
    EXPECT_EQ(start.FileName, "f.arf");
    EXPECT_EQ(start.Zoom, 1);
    EXPECT_EQ(Splitters(start), std::make_tuple(5, 5, 150, 169, 150, 169));

    TSettingsStore().ReadActivation(activation);
    EXPECT_EQ(activation.FileName, "");
    EXPECT_EQ(activation.Zoom, 3);
    EXPECT_EQ(Splitters(activation), std::make_tuple(1, 1, 7, 7, 7, 7));
}

TEST(SettingsStoreFile, WriteFailureIsReported)
{
    // A store below a plain file cannot be written.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(TSettingsStore(dir.filePath("blocker/sub.ini")).WriteExit(TProgramSettings()));
}

TEST_F(SettingsStore, ValuesOutsideTheirRangeAreClamped)
{
    Put("RecoveryMinutes", "2147483647");
    Put("Height", "2147483647");
    Put("Width", "-7");
    Put("Left", "-2147483648");
    Put("Mapa_pos", "-5");
    Put("ColorDept", "7");
    Put("FileName", QString(TSettingsStore::MaxTextLength + 1, QLatin1Char('a')));
    Put("Recent1", QString(TSettingsStore::MaxTextLength + 1, QLatin1Char('a')));
    Put("Recent2", "/kept.arf");
    Put("SentenceDB/Col0", "-9");
    Put("ItemDB/item_position", "-9");
    const TProgramSettings s = ReadAll();
    EXPECT_EQ(s.RecoveryMinutes, 120);
    EXPECT_EQ(s.Height, TSettingsStore::MaxCoordinate);
    EXPECT_GT(s.Width, 0);
    EXPECT_EQ(s.Left, -TSettingsStore::MaxCoordinate);
    EXPECT_EQ(s.Mapa_pos, 1); // details hidden
    EXPECT_EQ(s.ColorDept, 2);
    EXPECT_EQ(s.FileName, "");
    EXPECT_EQ(s.RecentFiles, QStringList{"/kept.arf"});
    EXPECT_EQ(s.SentColumns[0], -1);
    EXPECT_EQ(s.item_position, 0); // the pane's own division
    Put("RecoveryMinutes", "-3");
    EXPECT_EQ(ReadAll().RecoveryMinutes, 0);
}
