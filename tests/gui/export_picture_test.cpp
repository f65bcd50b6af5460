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

TEST_F(ExportPictureTest, SavesTheChosenPictureAsQtReadsIt) {
  form1_->findChild<QAction*>("actionExportPicture")->trigger();
  ASSERT_NE(form1_->findChild<ExportPictureDialog*>(), nullptr);
  std::vector<Frame> frames;
  for (const auto& [grid, delay] :
       {std::pair{"R.......", 15}, {"G.......", 105}, {"O.......", 250}}) {
    std::string rows = std::string(grid) + "\n";
    for (int row = 1; row < 8; ++row) {
      rows += "........\n";
    }
    frames.emplace_back(FromGrid(rows), delay);
  }
  const TemporaryFolder folder;
  std::filesystem::create_directory(folder.Path("e.gif"));
  const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 192, 0), o = qRgb(255, 128, 0);
  const struct {
    const char* kind;
    std::string chosen, written;
    QSize size;
    std::vector<int> delays;
    std::vector<QPoint> lamps;  // the top-left lamp of each frame in an image
    std::vector<QRgb> colours;  // theirs, image by image
  } pictures[] = {{"PNG of this frame", "a", "a.png", {72, 72}, {0}, {{8, 8}}, {g}},
                  {"PNG sprite sheet, one row",
                   "b.png",
                   "b.png",
                   {216, 72},
                   {0},
                   {{8, 8}, {80, 8}, {152, 8}},
                   {r, g, o}},
                  {"PNG sprite sheet, grid",
                   "c",
                   "c.png",
                   {144, 144},
                   {0},
                   {{8, 8}, {80, 8}, {8, 80}},
                   {r, g, o}},
                  {"Animated GIF", "d", "d.gif", {72, 72}, {20, 110, 250}, {{8, 8}}, {r, g, o}}};
  for (const auto& picture : pictures) {
    ExportPictureDialog dialog(toolkit_, Animation(frames), 1, nullptr);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    auto* kind = dialog.findChild<QComboBox*>("cboKind");
    kind->setCurrentIndex(kind->findText(picture.kind));
    dialog.findChild<QSpinBox*>("spnLampSize")->setValue(8);
    toolkit_.file_names = {QString::fromStdString(folder.Path(picture.chosen)),
                           QString::fromStdString(folder.Path("e.gif"))};
    dialog.findChild<QPushButton*>("cmdSave")->click();
    QImageReader reader(QString::fromStdString(folder.Path(picture.written)));
    EXPECT_EQ(reader.size(), picture.size) << picture.kind;
    std::vector<int> delays;
    std::vector<QRgb> lamps;
    for (QImage image; reader.read(&image);) {
      delays.push_back(reader.nextImageDelay());
      for (const QPoint lamp : picture.lamps) {
        lamps.push_back(image.pixel(lamp) | 0xFF000000);
      }
    }
    EXPECT_EQ(delays, picture.delays) << picture.kind;
    EXPECT_EQ(lamps, picture.colours) << picture.kind;
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    // A folder in the file's place: said, and the dialog stays.
    dialog.setResult(QDialog::Rejected);
    dialog.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_TRUE(toolkit_.calls.last().startsWith("error|Cannot save")) << toolkit_.calls.last();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

}  // namespace
}  // namespace glyphgrid
