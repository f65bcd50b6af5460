#include "gui/file_choice.h"

#include <QFileInfo>
#include <QSettings>

#include "gui/toolkit.h"

namespace glyphgrid {

namespace {

const QString FolderKey = QStringLiteral("files/lastFolder");

// Where the next dialog starts: the remembered folder while it still is one, else the dialog's
// own choice.
QString StartFolder() {
  const QString folder = QSettings().value(FolderKey).toString();
  return QFileInfo(folder).isDir() ? folder : QString();
}

std::optional<QString> Remembered(const std::optional<QString>& name) {
  if (name) {
    QSettings().setValue(FolderKey, QFileInfo(*name).absolutePath());
  }
  return name;
}

}  // namespace

std::optional<QString> ChooseFileToSave(Toolkit& toolkit, QWidget* parent, const QString& filter) {
  return Remembered(toolkit.ChooseSaveFile(parent, filter, StartFolder()));
}

std::optional<QString> ChooseFileToOpen(Toolkit& toolkit, QWidget* parent, const QString& filter) {
  return Remembered(toolkit.ChooseOpenFile(parent, filter, StartFolder()));
}

}  // namespace glyphgrid
