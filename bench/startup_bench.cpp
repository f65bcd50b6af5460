#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "gui/form1.h"
#include "gui/qt_toolkit.h"

namespace glyphgrid {
namespace {

// From nothing to a painted main window: what a user waits for after starting the editor.
void BM_MainWindowToFirstPaint(benchmark::State& state) {
  QtToolkit toolkit;
  for (auto _ : state) {
    Form1 form1(toolkit);
    form1.show();
    benchmark::DoNotOptimize(form1.grab());
  }
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // The offscreen platform warns on every window shown; the timings are what matter here.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
