// Opening a pattern file with the viewer shown, as a user waits for it: the file read, the planes
// applied, the text put into the viewer and the viewer painted. The largest file the editor
// accepts, one line of 1 MiB, against a normal 768-byte pattern file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "core/colour_planes.h"
#include "core/error.h"
#include "gui/form1.h"
#include "gui/form2.h"
#include "gui/toolkit.h"
#include "targets.h"

namespace glyphgrid {
namespace {

// Answers every open dialog with one file.
class OpenOneFile final : public Toolkit {
 public:
  explicit OpenOneFile(QString name) : name_(std::move(name)) {}
  bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
  void ShowMessage(QWidget*, const QString&, const QString&) override {}
  void ShowError(QWidget*, const QString& text, const QString&) override {
    qFatal("%s", qPrintable(text));
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString&) override {
    return {};
  }
  std::optional<QString> ChooseOpenFile(QWidget*, const QString&, const QString&) override {
    return name_;
  }
  std::optional<int> AskNumber(QWidget*, const QString&, const QString&, int, int, int) override {
    return {};
  }
  bool StartProgram(const QString&) override { return false; }
  void EndProgram() override {}

 private:
  QString name_;
};

void OpenWithTheViewerShown(benchmark::State& state, const std::string& bytes) {
  QTemporaryDir folder;
  const QString name = folder.filePath("pattern.bas");
  std::ofstream(name.toStdString(), std::ios::binary) << bytes;
  OpenOneFile toolkit(name);
  Form1 form1(toolkit);
  form1.show();
  form1.Command5_Click();
  QApplication::processEvents();
  for (auto _ : state) {
    form1.LoadPattern();
    form1.Viewer().repaint();
    QApplication::processEvents();
  }
}

void BM_OpenPatternFile(benchmark::State& state) {
  LampMatrix lamps;
  lamps.SetColour(27, LampOrange);
  OpenWithTheViewerShown(state, ColourPlaneText(lamps));
}
BENCHMARK(BM_OpenPatternFile)->Unit(benchmark::kMillisecond);

void BM_OpenLargestOneLineFile(benchmark::State& state) {
  OpenWithTheViewerShown(state, std::string(MaxPatternTextSize, '1'));
}
BENCHMARK(BM_OpenLargestOneLineFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", qPrintable(message));
      std::abort();
    }
  });
  QApplication app(argc, argv);
  // The editor keeps a recovery copy of what it shows; a benchmark's is not the user's.
  const QTemporaryDir state;
  qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
  return glyphgrid::RunWithTargets(
      argc, argv,
      {{"BM_OpenPatternFile"}, {"BM_OpenLargestOneLineFile", "BM_OpenPatternFile", 0, 100e6}});
}
