// The picture export: palettes, the indexed copy, the BMP file and its name.
#include "kberror.h"
#include "renderutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
uint16_t Le16(const QByteArray& b, int at) { return uint16_t(uchar(b[at]) | uchar(b[at + 1]) << 8); }
int32_t Le32(const QByteArray& b, int at)
{
    return int32_t(uint32_t(uchar(b[at])) | uint32_t(uchar(b[at + 1])) << 8 | uint32_t(uchar(b[at + 2])) << 16 |
                   uint32_t(uchar(b[at + 3])) << 24);
}

std::unique_ptr<TRoomList> SampleArea()
{
    // Every default area colour once, stripes, a hatched room and links.
    auto area = MakeArea(5, 4);
    int k = 1;
    for (int y = 1; y <= area->Height; y += 2)
        for (int x = 1; x <= area->Width && k <= 19; x += 2, ++k)
            AddRoom(*area, x, y, k <= 18 ? (1u << k) : 0u);
    AddRoom(*area, 9, 7, (1u << 1) | (1u << 2) | (1u << 9));
    for (int y = 1; y <= area->Height; y += 2)
        for (int x = 2; x < area->Width; x += 2)
            area->LinkWE(x, y, true);
    area->LinkNWSE(2, 2, true);
    area->LinkSWNE(4, 2, true);
    return area;
}

QString FilePath(const QTemporaryDir& dir, const char* name) { return dir.filePath(QString::fromLatin1(name)); }
} // namespace

TEST(MapBitmap, IndexedCopyKeepsTheMapColoursAndMapsOthersToTheNearest)
{
    // Black, grey, red, every default area colour and a button face that is no standard colour.
    const QColor face(0xD4, 0xD0, 0xC8);
    std::vector<unsigned> exact = {kBlack, kGrey, kRed, Rgb(face)};
    for (int32_t ref : DefaultColors())
        exact.push_back(RefRgb(ref));
    const int n = int(exact.size());
    QImage rgb(n + 2, 1, QImage::Format_RGB32);
    for (int i = 0; i < n; ++i)
        rgb.setPixel(i, 0, exact[i]);
    rgb.setPixel(n, 0, qRgb(0x10, 0x85, 0x08));     // close to green 0x008000
    rgb.setPixel(n + 1, 0, qRgb(0xFE, 0xFD, 0xFF)); // close to white
    for (int bits : {4, 8}) {
        SCOPED_TRACE(bits);
        const QImage indexed = ToIndexedPicture(rgb, bits, face);
        ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
        EXPECT_EQ(indexed.colorCount(), bits == 4 ? 16 : 256);
        EXPECT_EQ(MapPalette(bits, face).size(), indexed.colorCount());
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(indexed.pixel(i, 0) & 0xFFFFFFu, exact[i]) << std::hex << exact[i];
        if (bits == 4) {
            EXPECT_EQ(indexed.pixel(n, 0) & 0xFFFFFFu, 0x008000u);
        }
        EXPECT_EQ(indexed.pixel(n + 1, 0) & 0xFFFFFFu, 0xFFFFFFu);
    }
    EXPECT_THROW(ToIndexedPicture(rgb, 24, face), EKbError);
}

TEST(MapBitmap, BmpFileHasTheDepthAndReadsBackPixelForPixel)
{
    QTemporaryDir dir;
    const auto area = SampleArea();
    for (int bits : {4, 8})
        for (int zoom : {25, 100, 150}) {
            SCOPED_TRACE(::testing::Message() << bits << " bits " << zoom << "%");
            const QString file = FilePath(dir, "map.bmp");
            const TMapViewOptions o = Options(zoom);
            ExportMapPicture(*area, o, bits, file.toStdString());

            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            ASSERT_GT(bytes.size(), 54);
            EXPECT_EQ(bytes.left(2), QByteArray("BM"));
            EXPECT_EQ(Le32(bytes, 2), bytes.size());
            const QSize size = TMapGeometry(zoom, area->Width, area->Height).PictureSize();
            EXPECT_EQ(Le32(bytes, 18), size.width());
            EXPECT_EQ(Le32(bytes, 22), size.height());
            EXPECT_EQ(Le16(bytes, 26), 1);    // planes
            EXPECT_EQ(Le16(bytes, 28), bits); // bits per pixel
            EXPECT_EQ(Le32(bytes, 30), 0);    // no compression
            const int rowBytes = ((size.width() * bits + 31) / 32) * 4;
            EXPECT_EQ(bytes.size() - Le32(bytes, 10), rowBytes * size.height());

            // Every colour of this map is in the palette: the file shows the painted picture exactly.
            const QImage painted = Render(*area, o);
            const QImage back(file);
            ASSERT_EQ(back.size(), painted.size());
            for (int y = 0; y < back.height(); ++y)
                for (int x = 0; x < back.width(); ++x)
                    ASSERT_EQ(back.pixel(x, y) & 0xFFFFFFu, Px(painted, x, y)) << x << ", " << y;

            // Another reader agrees (ImageMagick names the variant BMP or BMP3 by version).
            QProcess identify;
            identify.start("identify", {"-format", "%m %w %h %z", file});
            ASSERT_TRUE(identify.waitForFinished(30000));
            EXPECT_EQ(identify.exitCode(), 0) << identify.readAllStandardError().toStdString();
            const QString got = QString::fromLatin1(identify.readAllStandardOutput()).trimmed().replace("BMP3", "BMP");
            EXPECT_EQ(got, QString("BMP %1 %2 %3").arg(size.width()).arg(size.height()).arg(bits)) << got.toStdString();
        }
}

TEST(MapBitmap, FailedWriteNamesTheFileAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    const auto area = SampleArea();
    const std::string missing = FilePath(dir, "no/such/folder/map.bmp").toStdString();
    std::string message = "no error";
    try {
        ExportMapPicture(*area, Options(100), 4, missing);
    } catch (const EKbError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find(missing), std::string::npos) << message;
    // Replacing works; a picture that is not indexed is refused before the old file is touched.
    const QString file = FilePath(dir, "map.bmp");
    ExportMapPicture(*area, Options(50), 8, file.toStdString());
    const QByteArray before = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    EXPECT_THROW(SaveMapBmp(Render(*area, Options(50)), file.toStdString()), EKbError);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(MapBitmap, FileNameFollowsTheAreaAndTheZoom)
{
    EXPECT_EQ(BmpFileName("/home/a/forest.arf", 150), "/home/a/forest_150.bmp");
    EXPECT_EQ(BmpFileName("Noname.arf", 100), "Noname_100.bmp");
    EXPECT_EQ(BmpFileName("CAVE.ARF", 25), "CAVE_25.bmp");
    // Names without the usual extension lose only a real extension.
    EXPECT_EQ(BmpFileName("/maps.v2/forest", 200), "/maps.v2/forest_200.bmp");
    EXPECT_EQ(BmpFileName("old.area", 50), "old_50.bmp");
}

TEST(MapBitmap, FixedNamePictureReplacesALinkOfThatName)
{
    // A received area folder may hold a link where "to bmp" writes: the link goes, its target
    // (here another user's file, or a name not yet there) is left alone.
    QTemporaryDir dir;
    const auto area = SampleArea();
    const std::string victim = FilePath(dir, "victim.txt").toStdString();
    const std::string bmp = FilePath(dir, "forest_100.bmp").toStdString();
    const std::string dangling = FilePath(dir, "forest_50.bmp").toStdString();
    {
        QFile f(QString::fromStdString(victim));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    ASSERT_EQ(::symlink(victim.c_str(), bmp.c_str()), 0);
    ASSERT_EQ(::symlink(FilePath(dir, "created.txt").toStdString().c_str(), dangling.c_str()), 0);
    for (const std::string& name : {bmp, dangling}) {
        SaveMapBmp(ToIndexedPicture(Render(*area, Options(100)), 4, Qt::white), name);
        struct stat info {};
        ASSERT_EQ(::lstat(name.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
        QFile written(QString::fromStdString(name));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.read(2), QByteArray("BM"));
    }
    QFile f(QString::fromStdString(victim));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("precious"));
    EXPECT_FALSE(QFile::exists(FilePath(dir, "created.txt")));
    // Nothing else is left beside them: no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}
