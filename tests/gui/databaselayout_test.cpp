// The database pane's layout: the main splitter with the pane closed and open, and the
// panels' splitters and column widths across a restart.
#include "editorfixture.h"

#include "gui/db/itempane.h"
#include "gui/map/handmode.h"

#include <QFile>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
int MainPos(TEditorFixture& f)
{
    return f.Form().findChild<QSplitter*>(QStringLiteral("asp_main"))->sizes().value(0);
}

QStringList IniLines(const TEditorFixture& f)
{
    QFile ini(f.IniFile());
    EXPECT_TRUE(ini.open(QIODevice::ReadOnly));
    return QString::fromUtf8(ini.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

TEST(DatabaseLayout, ClosedPaneKeepsAThirtyPixelStrip)
{
    const struct {
        QStringList Settings;
        int Expected; // -1: the window width - 30
    } cases[] = {
        {{}, -1},
        {{QStringLiteral("Main_pos=1")}, -1},
        {{QStringLiteral("Main_pos=400")}, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings.join(QLatin1Char(',')).toStdString());
        TEditorFixture f(c.Settings);
        EXPECT_TRUE(f.Form().DatabasePaneClosed());
        EXPECT_EQ(MainPos(f), c.Expected < 0 ? f.Form().width() - 30 : c.Expected);
    }

    TEditorFixture f;
    QTest::mouseClick(f.Button("tbSentenceDB"), Qt::LeftButton);
    EXPECT_EQ(MainPos(f), f.Form().width() - 530);
    QTest::mouseClick(f.Form().findChild<QToolButton*>(QStringLiteral("sbCloseDatabase")), Qt::LeftButton);
    EXPECT_EQ(MainPos(f), f.Form().width() - 30);
}

TEST(DatabaseLayout, ItemPanelSizesComeBackAfterARestart)
{
    QStringList settings;
    {
        TEditorFixture f;
        QTest::mouseClick(f.Button("tbItemDB"), Qt::LeftButton);
        f.Form().HandMode().BlinkTick();
        TItemPane& pane = f.Form().ItemPane();
        const QList<int> list = pane.ListSplitter()->sizes();
        pane.ListSplitter()->setSizes({120, list.value(0) + list.value(1) - 120});
        const QList<int> detail = pane.DetailSplitter()->sizes();
        pane.DetailSplitter()->setSizes({200, detail.value(0) + detail.value(1) - 200});
        pane.Grid()->setColumnWidth(0, 150);
        f.Close();
        const QSettings ini(f.IniFile(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("ItemDB/item_position")).toString(), QStringLiteral("120"));
        EXPECT_EQ(ini.value(QStringLiteral("ItemDB/itemDet_position")).toString(), QStringLiteral("200"));
        EXPECT_EQ(ini.value(QStringLiteral("ItemDB/Col0")).toString(), QStringLiteral("150"));
        EXPECT_TRUE(ini.contains(QStringLiteral("ItemDB/Col1")));
        settings = IniLines(f);
    }
    TEditorFixture again(settings);
    TItemPane& pane = again.Form().ItemPane();
    EXPECT_TRUE(pane.isVisible());
    again.Form().HandMode().BlinkTick();
    EXPECT_EQ(pane.ListSplitter()->sizes().value(0), 120);
    EXPECT_EQ(pane.DetailSplitter()->sizes().value(0), 200);

    // A panel never shown in a run gives back the positions it was started with.
    again.Form().CloseDatabasePane();
    again.Close();
    TEditorFixture third(IniLines(again));
    third.Close();
    const QSettings ini(third.IniFile(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("ItemDB/item_position")).toString(), QStringLiteral("120"));
}
