#include <QFile>

#include "gui/file_choice.h"
#include "gui/form1.h"
#include "gui/import_picture_dialog.h"
#include "gui/pattern_file.h"
#include "media/picture_reader.h"

namespace glyphgrid {

namespace {

// The file's first bytes tell the format; the filter only helps the user find pictures.
const QString PictureFilter =
    QStringLiteral("Pictures (*.png *.gif *.jpg *.jpeg *.bmp);;All Files (*)");

}  // namespace

void Form1::ImportPicture() {
  Play(false);
  const std::optional<QString> name = ChooseFileToOpen(toolkit_, this, PictureFilter);
  if (!name) {
    return;
  }
  std::variant<Picture, Error> picture = ReadPicture(
      QFile::encodeName(*name).toStdString(), ShownFileName(*name), FileAccess::RegularFilesOnly);
  if (const Error* failure = std::get_if<Error>(&picture)) {
    ShowFailure(*failure);
    return;
  }
  auto* dialog = new ImportPictureDialog(std::move(std::get<Picture>(picture)),
                                         history_.Current().DefaultDelay(), this);
  dialog->setWindowModality(Qt::WindowModal);
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { InsertFrames("Import Picture", dialog->Frames(), "the picture's"); });
  dialog->open();
}

}  // namespace glyphgrid
