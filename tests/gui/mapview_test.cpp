// Scrolling the map pane to a cell, and the active frame painted from the model.
#include "editorfixture.h"

#include "gui/map/handmode.h"
#include "render/mapcolors.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

TEST(MapView, ScrollToBringsTheWholeCellIntoView)
{
    TEditorFixture f;
    f.OpenArea(QStringLiteral("large.arf"), TRoomList(99, 99));
    TMapView& view = f.Form().MapView();
    view.ScrollTo({97, 61});
    EXPECT_TRUE(view.VisiblePixels().contains(view.CellInner({97, 61})));
    const int h = view.horizontalScrollBar()->value();
    // A visible cell scrolls nothing.
    view.ScrollTo({97, 61});
    EXPECT_EQ(view.horizontalScrollBar()->value(), h);
    view.ScrollTo({1, 1});
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
}

TEST(MapView, ScrollToEndsInAPaneSmallerThanItsStep)
{
    TEditorFixture f;
    f.OpenArea(QStringLiteral("large.arf"), TRoomList(99, 99));
    f.ChooseZoom(7);
    TMapView& view = f.Form().MapView();
    view.setFixedSize(90, 90); // less than the 240-pixel step at 400%
    QApplication::processEvents();
    view.ScrollTo({51, 51});
    const QRect cell = view.CellInner({51, 51});
    const QRect visible = view.VisiblePixels();
    // As near as the steps get: within one step on each axis.
    EXPECT_LE(std::abs(cell.center().x() - visible.center().x()), 3 * 80);
    EXPECT_LE(std::abs(cell.center().y() - visible.center().y()), 3 * 80);
}

TEST(MapView, ActiveFrameComesAndGoesWithoutTraces)
{
    TEditorFixture f;
    PlaceRoom(f.Area(), {3, 3});
    TMapView& view = f.Form().MapView();
    f.Form().HandMode().Timer1().stop();
    view.PaintActive(false, f.Editor().State().ActiveCell);
    const QImage plain = f.Picture();
    const TMapGeometry& g = view.Geometry();
    const QPoint frame(g.GetLeft(3) - 1, g.GetTop(3) + 5);
    ASSERT_EQ(plain.pixelColor(frame), QColor(Qt::black));

    view.PaintActive(true, {3, 3});
    EXPECT_EQ(f.Picture().pixelColor(frame), MapMarkColor());
    // Moving the frame repaints the old cell as the model has it.
    view.PaintActive(true, {5, 5});
    view.PaintActive(false, {5, 5});
    EXPECT_EQ(f.Picture(), plain);
}
