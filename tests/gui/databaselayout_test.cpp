// The database pane's layout: the main splitter with the pane closed and open.
#include "editorfixture.h"

#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
int MainPos(TEditorFixture& f)
{
    return f.Form().findChild<QSplitter*>(QStringLiteral("asp_main"))->sizes().value(0);
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
