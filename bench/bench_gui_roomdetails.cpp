// The room details as the user feels them: a click on another room of the 100 x 100-room area
// until the panel is filled and painted (the baseline is a 15 x 15 area of two rooms), and one
// keystroke in a description of 10,000 lines, shown joined as the panel shows it.
#include "benchutil/generatedarea.h"
#include "benchutil/widgetbenchmain.h"
#include "gui/app/formmain.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"
#include "gui/shared/asker.h"
#include "model/mapedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {
class TBenchWindow {
public:
    explicit TBenchWindow(std::unique_ptr<TRoomList> area)
        : m_form(std::make_unique<TMessageBoxAsker>(),
                 std::make_unique<TSettingsStore>(m_dir.filePath(QStringLiteral("settings.ini"))))
    {
        m_form.resize(1000, 800);
        m_form.show();
        m_form.Document().Replace(std::move(area));
        m_form.ApplyZoom();
        m_form.ShowDetails();
        QApplication::processEvents();
    }
    ~TBenchWindow() { m_form.Area().Modified = false; }

    TFormMain& Form() { return m_form; }

    void Click(TGridPoint cell)
    {
        QWidget* canvas = m_form.MapView().Canvas();
        const TMapGeometry& g = m_form.MapView().Geometry();
        const QPoint at((g.GetLeft(cell.X) + g.GetRight(cell.X)) / 2, (g.GetTop(cell.Y) + g.GetBottom(cell.Y)) / 2);
        Send(canvas, QEvent::MouseMove, at, Qt::NoButton);
        Send(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Send(canvas, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }

private:
    static void Send(QWidget* canvas, QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent e(type, at, canvas->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
    }

    QTemporaryDir m_dir;
    TFormMain m_form;
};

void SwitchRooms(benchmark::State& state, std::unique_ptr<TRoomList> area)
{
    TBenchWindow window(std::move(area));
    const TGridPoint cells[] = {{9, 7}, {11, 7}};
    int next = 0;
    for (auto _ : state) {
        window.Click(cells[next]);
        // The filled panel is painted when the window system asks for it.
        QApplication::processEvents();
        const TRoom* active = window.Form().Document().ActiveRoom();
        if (!active || !(active->Cell() == cells[next]))
            state.SkipWithError("the clicked room did not become active");
        next = 1 - next;
    }
}

void BM_ClickSwitchesActiveRoom100x100(benchmark::State& state)
{
    SwitchRooms(state, MakeGeneratedArea(100, 100));
}

void BM_Baseline_ClickSwitchesActiveRoomTwoRooms(benchmark::State& state)
{
    auto area = std::make_unique<TRoomList>(15, 15);
    BuildRoom(*area, {9, 7}, nullptr);
    BuildRoom(*area, {11, 7}, nullptr);
    area->Modified = false;
    SwitchRooms(state, std::move(area));
}

void BM_KeystrokeInTenThousandLineDescription(benchmark::State& state)
{
    auto area = std::make_unique<TRoomList>(15, 15);
    TRoom& room = *BuildRoom(*area, {9, 7}, nullptr).Room;
    TStrings lines;
    for (int i = 0; i < 10000; ++i)
        lines.push_back("Line " + std::to_string(i) + " of a long description of an old forest clearing.");
    room.Descriptions = {{"Long", std::move(lines)}};
    area->Modified = false;
    TBenchWindow window(std::move(area));
    window.Click({9, 7});
    QApplication::processEvents();
    auto* memo = window.Form().findChild<QPlainTextEdit*>(QStringLiteral("mLong"));
    if (!memo || !memo->isVisible()) {
        state.SkipWithError("no visible description memo");
        return;
    }
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(memo, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(memo, &release);
        QApplication::processEvents();
    }
    state.counters["characters"] = static_cast<double>(memo->document()->characterCount());
}
} // namespace

BENCHMARK(BM_ClickSwitchesActiveRoom100x100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_ClickSwitchesActiveRoomTwoRooms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInTenThousandLineDescription)->Unit(benchmark::kMillisecond);

KB_WIDGET_BENCHMARK_MAIN()
