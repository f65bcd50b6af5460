#include "gui/export_picture_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QImageReader>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "support/form1_fixture.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using ExportPictureTest = Form1Fixture;

TEST_F(ExportPictureTest, SavesThePictureChosenAsQtReadsIt) {
  form1_->findChild<QAction*>("actionExportPicture")->trigger();
  ASSERT_NE(form1_->findChild<ExportPictureDialog*>(), nullptr);
  const LampMatrix red =
      FromGrid("R.......\n........\n........\n........\n........\n........\n........\n........\n");
  const Animation animation({Frame(), Frame(red, 15), Frame({}, 105)});
  const TemporaryFolder folder;
  std::filesystem::create_directory(folder.Path("e.gif"));
  const std::tuple<QString, std::string, std::string, QSize, std::vector<int>> pictures[] = {
      {"PNG of this frame", "a", "a.png", {72, 72}, {0}},
      {"PNG sprite sheet, one row", "b.png", "b.png", {216, 72}, {0}},
      {"PNG sprite sheet, grid", "c", "c.png", {144, 144}, {0}},
      {"Animated GIF", "d", "d.gif", {72, 72}, {100, 20, 110}}};
  for (const auto& [kind, chosen, written, size, delays] : pictures) {
    ExportPictureDialog dialog(toolkit_, animation, 1, nullptr);
    dialog.findChild<QComboBox*>("cboKind")->setCurrentText(kind);
    dialog.findChild<QSpinBox*>("spnLampSize")->setValue(8);
    toolkit_.file_names = {QString::fromStdString(folder.Path(chosen)),
                           QString::fromStdString(folder.Path("e.gif"))};
    dialog.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << kind;
    QImageReader reader(QString::fromStdString(folder.Path(written)));
    EXPECT_EQ(reader.size(), size) << kind;
    std::vector<int> read;
    for (QImage image; reader.read(&image);) {
      read.push_back(reader.nextImageDelay());
    }
    EXPECT_EQ(read, delays) << kind;
    // A folder in the file's place: said, and the dialog stays open.
    dialog.setResult(QDialog::Rejected);
    dialog.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_TRUE(toolkit_.calls.last().startsWith("error|Cannot save")) << toolkit_.calls.last();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  // The frame shown when the dialog opened.
  EXPECT_EQ(QImage(QString::fromStdString(folder.Path("a.png"))).pixel(8, 8), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace glyphgrid
