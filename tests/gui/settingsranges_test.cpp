// A settings file edited by hand, left from another screen or planted: every value the store
// reads, at absurd values, still gives a window on screen with panes of sane size, and what
// goes back at exit is within range.
#include "editorfixture.h"

#include "gui/app/settingsstore.h"
#include "gui/app/windowplacement.h"
#include "gui/map/handmode.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using TKind = TSettingKey::TKind;

const QString Absurd[] = {
    QStringLiteral("2147483647"), QStringLiteral("-2147483648"), QStringLiteral("0x7FFFFFFF"), QString(),
    QStringLiteral("not a number"), QString(20000, QLatin1Char('9')), QString(20000, QLatin1Char('x')),
};

// "Section/Name=value" as lines of the INI file; a value in a database section opens that pane,
// so that its layout is applied.
QStringList IniLines(const QString& key, const QString& value)
{
    const int slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {key + QLatin1Char('=') + value};
    const QString section = key.left(slash);
    return {section + QStringLiteral("=1"), QLatin1Char('[') + section + QLatin1Char(']'),
            key.mid(slash + 1) + QLatin1Char('=') + value};
}

bool OnAScreen(const QRect& r)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(r))
            return true;
    return false;
}

void ExpectUsable(TEditorFixture& f)
{
    TFormMain& w = f.Form();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(OnAScreen(w.frameGeometry())) << w.frameGeometry().width() << "x" << w.frameGeometry().height();
    for (const QSplitter* splitter : w.findChildren<QSplitter*>()) {
        if (!splitter->isVisible())
            continue;
        const int extent = splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height();
        int sum = 0;
        for (int size : splitter->sizes()) {
            EXPECT_GE(size, 0) << splitter->objectName().toStdString();
            sum += size;
        }
        EXPECT_LE(sum, extent) << splitter->objectName().toStdString();
        EXPECT_LE(extent, std::max(w.width(), w.height()));
    }
    const QWidget* map = f.Canvas()->parentWidget();
    EXPECT_GE(map->width(), 100);
    EXPECT_GE(map->height(), 50);
    EXPECT_GE(f.Zoom()->currentIndex(), 0);
}

void ExpectWrittenInRange(const QString& iniFile, const QString& absurd)
{
    const QSettings ini(iniFile, QSettings::IniFormat);
    for (const TSettingKey& key : TSettingsStore::ReadKeys()) {
        SCOPED_TRACE(key.Name);
        const QString written = ini.value(QLatin1String(key.Name)).toString();
        switch (key.Kind) {
        case TKind::Text:
            EXPECT_LE(written.size(), TSettingsStore::MaxTextLength);
            break;
        case TKind::Boolean:
            EXPECT_TRUE(written == QLatin1String("0") || written == QLatin1String("1")) << written.left(40).toStdString();
            break;
        case TKind::Integer:
            if (!ini.contains(QLatin1String(key.Name)))
                break;
            bool ok = false;
            const int value = written.toInt(&ok);
            EXPECT_TRUE(ok) << written.left(40).toStdString();
            EXPECT_GE(value, key.Min);
            EXPECT_LE(value, key.Max);
            break;
        }
    }
    const auto number = [&](const char* name) { return ini.value(QLatin1String(name)).toInt(); };
    const QRect written(number("Left"), number("Top"), number("Width"), number("Height"));
    EXPECT_TRUE(OnAScreen(written)) << written.x() << "," << written.y() << " " << written.width() << "x"
                                    << written.height();
    EXPECT_LE(number("Main_pos"), number("Width"));
    EXPECT_LE(number("Mapa_pos"), number("Height"));
    EXPECT_NE(ini.value(QStringLiteral("FileName")).toString(), absurd.isEmpty() ? QStringLiteral("-") : absurd);
}

} // namespace

// Names the key in test output.
void PrintTo(const TSettingKey& key, std::ostream* out)
{
    *out << key.Name;
}

namespace {

class SettingsRanges : public ::testing::TestWithParam<TSettingKey> {};

} // namespace

TEST_P(SettingsRanges, AbsurdValueGivesAUsableWindow)
{
    const QString key = QLatin1String(GetParam().Name);
    for (const QString& value : Absurd) {
        SCOPED_TRACE(value.left(40).toStdString());
        TEditorFixture f(IniLines(key, value));
        f.Form().HandMode().BlinkTick();
        QApplication::processEvents();
        ExpectUsable(f);
        f.Close();
        ExpectWrittenInRange(f.IniFile(), value);
    }
}

INSTANTIATE_TEST_SUITE_P(EachKeyRead, SettingsRanges, ::testing::ValuesIn(TSettingsStore::ReadKeys()),
                         [](const auto& info) {
                             QString name = QLatin1String(info.param.Name);
                             return name.replace(QLatin1Char('/'), QLatin1Char('_')).toStdString();
                         });

TEST(SettingsRangesTogether, HugeHeightWithANegativeMapSplitter)
{
    TEditorFixture f({QStringLiteral("Height=2147483647"), QStringLiteral("Mapa_pos=-5"),
                      QStringLiteral("Width=2147483647"), QStringLiteral("Left=-2147483648")});
    f.Form().HandMode().BlinkTick();
    QApplication::processEvents();
    ExpectUsable(f);
    f.Close();
    ExpectWrittenInRange(f.IniFile(), QString());
}

TEST(WindowPlacement, StaysOnTheScreenItOverlapsMost)
{
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    // Fits: left where it was.
    EXPECT_EQ(PlaceOnScreens(QRect(100, 50, 800, 600), screens), QRect(100, 50, 800, 600));
    // Mostly on the second screen and hanging off its right edge: pushed back onto it.
    EXPECT_EQ(PlaceOnScreens(QRect(3000, 100, 800, 600), screens), QRect(3200 - 800, 100, 800, 600));
    // Nowhere near a screen, and larger than any: the primary, filled.
    EXPECT_EQ(PlaceOnScreens(QRect(-30000, -30000, 30000, 30000), screens), QRect(0, 0, 1920, 1080));
    // No screen known: as stored.
    EXPECT_EQ(PlaceOnScreens(QRect(-5, -5, 10, 10), {}), QRect(-5, -5, 10, 10));
}
