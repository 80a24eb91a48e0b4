// Painting the map of the 100 x 100-room area, each next to its baseline: the whole picture
// at 100% against one background fill of the same picture, one 1920 x 1080 viewport at 200%
// against one fill of the viewport, and the indexed copy for the BMP export.
#include "benchutil/generatedarea.h"
#include "render/mappainter.h"

#include <benchmark/benchmark.h>

namespace {
const TRoomList& Area()
{
    // Rooms with one or two area types (solid and striped fills), links east, south and
    // south-east; a few rooms without types give hatched fills too.
    static std::unique_ptr<TRoomList> area = [] {
        auto a = MakeGeneratedArea(100, 100);
        for (int i = 0; i < a->Count(); i += 7)
            (*a)[i].AreaTypes = 0;
        return a;
    }();
    return *area;
}

TMapViewOptions At(int zoom)
{
    TMapViewOptions o;
    o.ZoomPercent = zoom;
    o.Active = {99, 99};
    return o;
}

void BM_PaintWholeArea100(benchmark::State& state)
{
    const TMapPainter painter(Area(), At(100));
    QImage image(painter.Geometry().PictureSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        painter.Paint(p, image.rect());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = double(image.width()) * image.height();
}

void BM_Baseline_FillWholePicture100(benchmark::State& state)
{
    const TMapGeometry g(100, Area().Width, Area().Height);
    QImage image(g.PictureSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), DefaultMapBackground());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RenderMapWhole100(benchmark::State& state)
{
    // As the export does it: a new picture each time.
    for (auto _ : state) {
        QImage image = RenderMap(Area(), At(100));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintViewport200(benchmark::State& state)
{
    // A widget of 1920 x 1080 scrolled into the middle of the 200% picture.
    const TMapPainter painter(Area(), At(200));
    QImage widget(1920, 1080, QImage::Format_RGB32);
    const QPoint scroll(3000, 3000);
    for (auto _ : state) {
        QPainter p(&widget);
        p.translate(-scroll);
        painter.Paint(p, QRect(scroll, widget.size()));
        p.end();
        benchmark::DoNotOptimize(widget.constBits());
    }
}

void BM_Baseline_FillViewport(benchmark::State& state)
{
    QImage widget(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&widget);
        p.fillRect(widget.rect(), DefaultMapBackground());
        p.end();
        benchmark::DoNotOptimize(widget.constBits());
    }
}

void BM_IndexedCopy100(benchmark::State& state)
{
    const QImage rgb = RenderMap(Area(), At(100));
    const int bits = int(state.range(0));
    for (auto _ : state) {
        QImage indexed = ToIndexedPicture(rgb, bits, DefaultMapBackground());
        benchmark::DoNotOptimize(indexed.constBits());
    }
}

void BM_Baseline_CopyPicture100(benchmark::State& state)
{
    const QImage rgb = RenderMap(Area(), At(100));
    for (auto _ : state) {
        QImage copy = rgb.copy();
        benchmark::DoNotOptimize(copy.constBits());
    }
}
} // namespace

BENCHMARK(BM_PaintWholeArea100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_FillWholePicture100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderMapWhole100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewport200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_FillViewport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedCopy100)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_CopyPicture100)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
