// Validate as the user feels it: the command on the 300 x 300-room area until its list is
// filled and painted, against the bare validation of the same area (the command line's work).
#include "benchutil/generatedarea.h"
#include "benchutil/widgetbenchmain.h"
#include "export/validation.h"
#include "gui/app/formmain.h"
#include "gui/app/settingsstore.h"
#include "gui/shared/asker.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Answers without a dialog: a modal box would wait for a click.
class TSilentAsker : public TAsker {
public:
    TAnswer AskYesNoCancel(QWidget*, const QString&) override { return TAnswer::No; }
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    void Inform(QWidget*, const QString&) override {}
    void Warn(QWidget*, const QString&) override {}
    std::optional<QString> AskText(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void ShowError(QWidget*, const QString&) override {}
    QString AskOpenFileName(QWidget*, const TFileDialogSpec&) override { return {}; }
    QString AskSaveFileName(QWidget*, const TFileDialogSpec&, const QString&) override { return {}; }
};

std::unique_ptr<TRoomList> UncheckedArea()
{
    // Rooms without file names: every room has lines to show.
    auto area = MakeGeneratedArea(300, 300);
    for (int i = 0; i < area->Count(); ++i)
        (*area)[i].FileName.clear();
    area->Modified = false;
    return area;
}

void BM_ValidateCommand300x300(benchmark::State& state)
{
    QTemporaryDir dir;
    TFormMain form(std::make_unique<TSilentAsker>(),
                   std::make_unique<TSettingsStore>(dir.filePath(QStringLiteral("settings.ini"))));
    form.resize(1000, 800);
    form.show();
    form.Document().Replace(UncheckedArea());
    QApplication::processEvents();
    for (auto _ : state) {
        form.Validate();
        QApplication::processEvents();
    }
    form.Area().Modified = false;
}

void BM_Baseline_ValidateArea300x300(benchmark::State& state)
{
    const auto area = UncheckedArea();
    for (auto _ : state)
        benchmark::DoNotOptimize(ValidateArea(*area).Count());
}
} // namespace

BENCHMARK(BM_ValidateCommand300x300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_ValidateArea300x300)->Unit(benchmark::kMillisecond);

KB_WIDGET_BENCHMARK_MAIN()
