#include <QClipboard>
#include <QGuiApplication>

#include "core/animation_import.h"
#include "gui/board_link.h"
#include "gui/export_dialog.h"
#include "gui/export_picture_dialog.h"
#include "gui/export_settings.h"
#include "gui/form1.h"
#include "gui/from_view.h"
#include "gui/pattern_file.h"
#include "gui/toolkit.h"
#include "gui/wiring_wizard_dialog.h"

namespace glyphgrid {

namespace {

const QString ImportFilter =
    QStringLiteral("Pattern Exports (*.bas *.c *.h *.ino *.py *.txt);;All Files (*)");

}  // namespace

// Window-modal: the export shows the animation as it was when the dialog opened. The profile
// chosen in it is the board's from then on, so the board shows the frame in it at once.
void Form1::ShowExport() {
  auto* dialog = new ExportDialog(toolkit_, Frames(), history_.FrameIndex(), this);
  dialog->setWindowModality(Qt::WindowModal);
  connect(dialog, &QDialog::finished, this, &Form1::SendFrame);
  dialog->open();
}

// With a board connected the wizard shows its test pattern there; without one it gives the test
// pattern's export to run on the board. Either way the board shows the editor's frame again after.
void Form1::FindWiring() {
  ShowPattern show_on_board;
  if (board_link_->IsOpen()) {
    show_on_board = [this](const LampMatrix& lamps, const WiringProfile& profile) {
      ShowOnBoard(lamps, profile);
    };
  }
  auto* dialog = new WiringWizard(toolkit_, LoadExportProfile(), show_on_board, this);
  dialog->setWindowModality(Qt::WindowModal);
  connect(dialog, &QDialog::finished, this, &Form1::SendFrame);
  dialog->open();
}

void Form1::ShowExportPicture() {
  auto* dialog = new ExportPictureDialog(toolkit_, Frames(), history_.FrameIndex(), this);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->open();
}

void Form1::PastePattern() {
  const QString failure = QStringLiteral("Cannot paste the pattern: the clipboard ");
  const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
  if (text.isEmpty()) {
    toolkit_.ShowError(this, failure + "holds no text.", MessageTitle);
  } else if (static_cast<std::size_t>(text.size()) > ExportTextLimit.size) {
    toolkit_.ShowError(this,
                       failure + "text is larger than " + FromView(ExportTextLimit.name) +
                           ", too large for " + FromView(ExportTextLimit.what) + ".",
                       MessageTitle);
  } else {
    ReadExport(text.toStdString(), failure + "text ", "Paste Pattern");
  }
}

void Form1::ImportPatternFile() {
  const std::optional<ChosenFile> file = OpenChosenFile(ImportFilter);
  if (file && ReadExport(file->bytes,
                         "Cannot import " + QString::fromStdString(ShownFileName(file->name)) +
                             ": the file ",
                         "Import")) {
    setWindowTitle(FileCaption(file->name));
  }
}

// Sets the lamps from an export in the last profile chosen, or in the only preset that reads it;
// an export of several frames replaces the animation, as one step. Otherwise shows `failure`
// followed by why, and changes nothing.
bool Form1::ReadExport(const std::string& text, const QString& failure, const QString& step) {
  const std::variant<ImportedAnimation, Error> read =
      ImportAnimationAnyProfile(text, LoadExportProfile());
  if (const auto* error = std::get_if<Error>(&read)) {
    toolkit_.ShowError(this,
                       failure + QString::fromStdString(error->message) +
                           ".\n\nThe profile chosen in File > Export... is tried first.",
                       MessageTitle);
    return false;
  }
  const Animation& animation = std::get<ImportedAnimation>(read).animation;
  if (animation.FrameCount() == 1) {
    SetLamps(animation.At(0).Lamps(), step);
  } else {
    EditFrames(step, animation, 0);
  }
  return true;
}

}  // namespace glyphgrid
