// A left click that builds a room, from the mouse events to the repainted map and the undo
// mark, in the 100 x 100-room area; the baseline is the same click in an empty 15 x 15 area.
#include "benchutil/generatedarea.h"
#include "benchutil/widgetbenchmain.h"
#include "gui/shared/asker.h"
#include "gui/app/formmain.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"
#include "model/mapedit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {
void SendMouse(QWidget* canvas, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, at, canvas->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &e);
}

void ClickBuild(benchmark::State& state, std::unique_ptr<TRoomList> area, TGridPoint hole)
{
    QTemporaryDir dir;
    TFormMain form(std::make_unique<TMessageBoxAsker>(),
                   std::make_unique<TSettingsStore>(dir.filePath(QStringLiteral("settings.ini"))));
    form.show();
    form.Document().Replace(std::move(area));
    form.ApplyZoom();
    QApplication::processEvents();

    QWidget* canvas = form.MapView().Canvas();
    const TMapGeometry& g = form.MapView().Geometry();
    const QPoint at((g.GetLeft(hole.X) + g.GetRight(hole.X)) / 2, (g.GetTop(hole.Y) + g.GetBottom(hole.Y)) / 2);
    SendMouse(canvas, QEvent::MouseMove, at, Qt::NoButton);

    for (auto _ : state) {
        SendMouse(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseButtonRelease, at, Qt::LeftButton);
        // The dirty rectangle is painted when the window system asks for it.
        QApplication::processEvents();
        if (!form.Area().RoomAt(hole))
            state.SkipWithError("no room was built");

        state.PauseTiming();
        form.Document().UndoEdit();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    form.Area().Modified = false;
}

void BM_ClickBuildsRoom100x100(benchmark::State& state)
{
    auto area = MakeGeneratedArea(100, 100);
    // An empty room cell inside the visible part of the map.
    const TGridPoint hole{9, 7};
    EraseRoom(*area, area->RoomAt(hole));
    area->Modified = false;
    ClickBuild(state, std::move(area), hole);
}

void BM_Baseline_ClickBuildsRoomEmpty15(benchmark::State& state)
{
    ClickBuild(state, std::make_unique<TRoomList>(15, 15), {9, 7});
}
} // namespace

BENCHMARK(BM_ClickBuildsRoom100x100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_ClickBuildsRoomEmpty15)->Unit(benchmark::kMillisecond);

KB_WIDGET_BENCHMARK_MAIN()
