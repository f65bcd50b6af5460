#include <QFile>

#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/opened_pattern.h"
#include "core/text_file.h"
#include "gui/file_choice.h"
#include "gui/form1.h"
#include "gui/form2.h"
#include "gui/pattern_file.h"
#include "gui/toolkit.h"

namespace glyphgrid {

namespace {

const QString PatternFilter = QStringLiteral("Bas Files (*.bas*)");

}  // namespace

QString FileCaption(const QString& name) {
  return QString(MessageTitle) + " -" + name;
}

void Form1::SavePattern() {
  GenerateData();
  Viewer().setVisible(false);
  SaveText(DataText(lamps_) + "\r\n");
}

void Form1::SaveColourPattern() {
  SaveText(ColourPlaneText(lamps_));
}

void Form1::SaveText(const std::string& bytes) {
  const std::optional<QString> name = ChooseFileToSave(toolkit_, this, PatternFilter);
  if (!name) {
    return;
  }
  if (const std::optional<Error> failure = WritePatternFile(*name, bytes)) {
    ShowFailure(*failure);
    return;
  }
  setWindowTitle(FileCaption(*name));
}

void Form1::ShowFailure(const Error& error) {
  toolkit_.ShowError(this, ErrorText(error), MessageTitle);
}

void Form1::NewDisplay() {
  if (toolkit_.AskYesNo(this, "Do you want to save the Current display file!", MessageTitle)) {
    SavePattern();
  } else {
    Command1_Click();
  }
}

std::optional<Form1::ChosenFile> Form1::OpenChosenFile(const QString& filter) {
  const std::optional<QString> name = ChooseFileToOpen(toolkit_, this, filter);
  if (!name) {
    return std::nullopt;
  }
  std::variant<std::string, Error> read = ReadPatternFile(
      QFile::encodeName(*name).toStdString(), ShownFileName(*name), FileAccess::RegularFilesOnly);
  if (const auto* failure = std::get_if<Error>(&read)) {
    ShowFailure(*failure);
    return std::nullopt;
  }
  return ChosenFile{*name, std::move(std::get<std::string>(read))};
}

void Form1::LoadPattern() {
  const std::optional<ChosenFile> file = OpenChosenFile(PatternFilter);
  if (!file) {
    return;
  }
  const std::string& bytes = file->bytes;
  // Every byte is one character.
  Viewer().SetText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
  setWindowTitle(FileCaption(file->name.toUpper()));
  ChangeLamps("Open", [&bytes](LampMatrix& lamps) { ApplyOpenedPattern(bytes, lamps); });
}

}  // namespace glyphgrid
