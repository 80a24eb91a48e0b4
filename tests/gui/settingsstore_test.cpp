#include "gui/app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    TProgramSettings ReadAll() const
    {
        TProgramSettings s;
        TSettingsStore store;
        store.ReadStartup(s);
        store.ReadActivation(s);
        return s;
    }
};

} // namespace

TEST(SettingsTextToInt, DecimalHexAndRejectedText)
{
    EXPECT_EQ(SettingsTextToInt("12", 7), 12);
    EXPECT_EQ(SettingsTextToInt("-1", 7), -1);
    EXPECT_EQ(SettingsTextToInt("0", 7), 0);
    EXPECT_EQ(SettingsTextToInt("0x1F", 7), 31);
    EXPECT_EQ(SettingsTextToInt("0XfF", 7), 255);
    EXPECT_EQ(SettingsTextToInt("0xFFFFFFFF", 7), -1);
    EXPECT_EQ(SettingsTextToInt("007", 1), 7);

    EXPECT_EQ(SettingsTextToInt("", 7), 7);
    EXPECT_EQ(SettingsTextToInt("0x", 7), 7);   // two characters only: not hexadecimal
    EXPECT_EQ(SettingsTextToInt("0xG1", 7), 7);
    EXPECT_EQ(SettingsTextToInt("0x-5", 7), 7);
    EXPECT_EQ(SettingsTextToInt("0x1FFFFFFFF", 7), 7);
    EXPECT_EQ(SettingsTextToInt("12a", 7), 7);
    EXPECT_EQ(SettingsTextToInt(" 5", 7), 7);
    EXPECT_EQ(SettingsTextToInt("abc", 7), 7);
    EXPECT_EQ(SettingsTextToInt("99999999999", 7), 7);
}

TEST_F(SettingsStore, LivesInTheUserConfigFolder)
{
    const QString home = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(home.isEmpty());
    EXPECT_EQ(QDir::cleanPath(TSettingsStore().Location()),
              QDir::cleanPath(home + "/Kaj Soft/Kesterbrandor.conf"));
}

TEST_F(SettingsStore, FirstRunGivesTheDefaults)
{
    // Start from values unlike every default, so that each one must really be read.
    TProgramSettings s;
    s.FileName = "x.arf";
    s.Zoom = 6;
    s.Left = s.Top = 10;
    s.Width = s.Height = 11;
    s.Main_pos = s.Mapa_pos = 12;
    s.ColorDept = 3;
    s.Grid = s.RoomCenters = s.RoomFill = false;
    s.SentenceDB = s.ItemDB = true;
    s.sent_position = s.sentDet_position = s.item_position = s.itemDet_position = 13;
    s.SentFilename = "a.sdb";
    s.ItemFilename = "b.idb";
    s.SentColumns = {1, 2};

    TSettingsStore store;
    store.ReadStartup(s);
    store.ReadActivation(s);
    EXPECT_EQ(s.FileName, "");
    EXPECT_EQ(s.Zoom, 3);
    EXPECT_EQ(s.Left, -1);
    EXPECT_EQ(s.Top, -1);
    EXPECT_EQ(s.Width, 736);
    EXPECT_EQ(s.Height, 595);
    EXPECT_EQ(s.Main_pos, 1);
    EXPECT_EQ(s.Mapa_pos, 1);
    EXPECT_EQ(s.ColorDept, 2);
    EXPECT_TRUE(s.Grid);
    EXPECT_TRUE(s.RoomCenters);
    EXPECT_TRUE(s.RoomFill);
    EXPECT_FALSE(s.SentenceDB);
    EXPECT_FALSE(s.ItemDB);
    EXPECT_EQ(s.sent_position, 150);
    EXPECT_EQ(s.sentDet_position, 169);
    EXPECT_EQ(s.item_position, 150);
    EXPECT_EQ(s.itemDet_position, 169);
    EXPECT_EQ(s.SentFilename, "noname.sdb");
    EXPECT_EQ(s.ItemFilename, "noname.idb");
    EXPECT_EQ(s.SentColumns, (std::vector<int>{-1, -1, -1, -1}));
    // Reading never creates the store.
    EXPECT_FALSE(QFile::exists(store.Location()));
}

TEST_F(SettingsStore, ZoomItemFromDecimalOrHexText)
{
    Put("Zoom", "0x5");
    EXPECT_EQ(ReadAll().Zoom, 5);
    // No item of the zoom list: 100%.
    Put("Zoom", "8");
    EXPECT_EQ(ReadAll().Zoom, 3);
    Put("Zoom", "-1");
    EXPECT_EQ(ReadAll().Zoom, 3);
}

TEST_F(SettingsStore, SwitchesReadAsIntegers)
{
    Put("Grid", "0");
    Put("RoomCenters", "2");
    Put("RoomFill", "no");
    Put("SentenceDB", "0x1");
    Put("ItemDB", "");
    const TProgramSettings s = ReadAll();
    EXPECT_FALSE(s.Grid);
    EXPECT_TRUE(s.RoomCenters);
    EXPECT_TRUE(s.RoomFill);     // not a number: the default
    EXPECT_TRUE(s.SentenceDB);
    EXPECT_FALSE(s.ItemDB);      // empty: the default
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
    out.ColorDept = 3;
    out.Grid = false;
    out.RoomCenters = false;
    out.RoomFill = false;
    out.SentenceDB = true;
    out.ItemDB = true;
    out.sent_position = 210;
    out.sentDet_position = 220;
    out.SentFilename = "/data/sentences.sdb";
    out.SentColumns = {40, 50, 60, 70, 80};
    out.item_position = 230;
    out.itemDet_position = 240;
    out.ItemFilename = "/data/items.idb";
    out.ItemColumns = {90, 100};
    TSettingsStore store;
    ASSERT_TRUE(store.WriteExit(out));

    const TProgramSettings in = ReadAll();
    EXPECT_EQ(in.FileName, out.FileName);
    EXPECT_EQ(in.Zoom, 6);
    EXPECT_EQ(in.Left, 20);
    EXPECT_EQ(in.Top, -5);
    EXPECT_EQ(in.Width, 1024);
    EXPECT_EQ(in.Height, 700);
    EXPECT_FALSE(in.Maximized); // written, never read
    EXPECT_EQ(in.Main_pos, 500);
    EXPECT_EQ(in.Mapa_pos, 300);
    EXPECT_EQ(in.ColorDept, 3);
    EXPECT_FALSE(in.Grid);
    EXPECT_FALSE(in.RoomCenters);
    EXPECT_FALSE(in.RoomFill);
    EXPECT_TRUE(in.SentenceDB);
    EXPECT_TRUE(in.ItemDB);
    EXPECT_EQ(in.sent_position, 210);
    EXPECT_EQ(in.sentDet_position, 220);
    EXPECT_EQ(in.SentFilename, "/data/sentences.sdb");
    EXPECT_EQ(in.SentColumns, (std::vector<int>{40, 50, 60, 70})); // only four are read
    EXPECT_EQ(in.item_position, 230);
    EXPECT_EQ(in.itemDet_position, 240);
    EXPECT_EQ(in.ItemFilename, "/data/items.idb");

    // Every value is text, "Maximized" included; the column widths are all there.
    QSettings reg = ProgramStore();
    EXPECT_EQ(reg.value("Maximized").metaType().id(), QMetaType::QString);
    EXPECT_EQ(reg.value("Maximized").toString(), "1");
    EXPECT_EQ(reg.value("Zoom").toString(), "6");
    EXPECT_EQ(reg.value("SentenceDB/Col4").toString(), "80");
    EXPECT_EQ(reg.value("ItemDB/Col1").toString(), "100");
    EXPECT_FALSE(reg.contains("ItemDB/Col2"));
}

TEST_F(SettingsStore, ValueAndGroupOfTheSameName)
{
    TProgramSettings out;
    out.SentenceDB = true;
    out.ItemDB = false;
    out.SentFilename = "s.sdb";
    out.ItemFilename = "i.idb";
    ASSERT_TRUE(TSettingsStore().WriteExit(out));

    QSettings reg = ProgramStore();
    EXPECT_TRUE(reg.childKeys().contains("SentenceDB"));
    EXPECT_TRUE(reg.childGroups().contains("SentenceDB"));
    EXPECT_TRUE(reg.childKeys().contains("ItemDB"));
    EXPECT_TRUE(reg.childGroups().contains("ItemDB"));

    const TProgramSettings in = ReadAll();
    EXPECT_TRUE(in.SentenceDB);
    EXPECT_FALSE(in.ItemDB);
    EXPECT_EQ(in.SentFilename, "s.sdb");
    EXPECT_EQ(in.ItemFilename, "i.idb");
}

TEST_F(SettingsStore, EachPassReadsOnlyItsOwnValues)
{
    TProgramSettings out;
    out.FileName = "f.arf";
    out.Zoom = 1;
    out.sent_position = 1;
    out.sentDet_position = 2;
    out.item_position = 3;
    out.itemDet_position = 4;
    ASSERT_TRUE(TSettingsStore().WriteExit(out));

    TProgramSettings start;
    TSettingsStore().ReadStartup(start);
    EXPECT_EQ(start.FileName, "f.arf");
    EXPECT_EQ(start.Zoom, 1);
    EXPECT_EQ(start.sent_position, 150);
    EXPECT_EQ(start.itemDet_position, 169);

    TProgramSettings activation;
    TSettingsStore().ReadActivation(activation);
    EXPECT_EQ(activation.FileName, "");
    EXPECT_EQ(activation.Zoom, 3);
    EXPECT_EQ(activation.sent_position, 1);
    EXPECT_EQ(activation.sentDet_position, 2);
    EXPECT_EQ(activation.item_position, 3);
    EXPECT_EQ(activation.itemDet_position, 4);
}

TEST(SettingsStoreFile, OwnFileAndWriteFailure)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("own.ini");
    TProgramSettings out;
    out.Width = 900;
    ASSERT_TRUE(TSettingsStore(file).WriteExit(out));
    EXPECT_TRUE(QFile::exists(file));
    TProgramSettings in;
    TSettingsStore(file).ReadStartup(in);
    EXPECT_EQ(in.Width, 900);

    // A store below a plain file cannot be written, and the pass says so.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(TSettingsStore(dir.filePath("blocker/sub.ini")).WriteExit(out));
}
