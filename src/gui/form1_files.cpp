#include <QDockWidget>
#include <QFile>

#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/document_file.h"
#include "core/opened_pattern.h"
#include "core/text_file.h"
#include "gui/export_settings.h"
#include "gui/file_choice.h"
#include "gui/form1.h"
#include "gui/form2.h"
#include "gui/pattern_file.h"
#include "gui/toolkit.h"

namespace glyphgrid {

namespace {

const QString PatternFilter = QStringLiteral("Bas Files (*.bas*)");
const QString DocumentFilter = QStringLiteral("Glyphgrid Documents (*.glyphgrid)");
const QString OpenFilter = QStringLiteral("Glyphgrid Documents and Bas Files (*.glyphgrid *.bas*)");

}  // namespace

QString FileCaption(const QString& name) {
  return QString(MessageTitle) + " -" + name;
}

void Form1::SavePattern() {
  GenerateData();
  Viewer().setVisible(false);
  SaveText(SavedPatternText(history_.Current()), PatternFilter);
}

void Form1::SaveColourPattern() {
  SaveText(ColourPlaneText(lamps_), PatternFilter);
}

void Form1::SaveDocument() {
  SaveText(DocumentText({history_.Current(), LoadExportProfile()}), DocumentFilter);
}

void Form1::SaveText(const std::string& bytes, const QString& filter) {
  const std::optional<QString> name = ChooseFileToSave(toolkit_, this, filter);
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
  } else if (toolkit_.AskYesNo(this, "Do you want to clear the Display!", MessageTitle)) {
    EditFrames("New", Animation(), 0);
  }
}

std::optional<Form1::ChosenFile> Form1::OpenChosenFile(const QString& filter) {
  const std::optional<QString> name = ChooseFileToOpen(toolkit_, this, filter);
  if (!name) {
    return std::nullopt;
  }
  std::optional<std::string> bytes = ReadFileNamed(*name, PatternTextLimit);
  if (!bytes) {
    return std::nullopt;
  }
  return ChosenFile{*name, std::move(*bytes)};
}

std::optional<std::string> Form1::ReadFileNamed(const QString& name, const TextLimit& limit) {
  std::variant<std::string, Error> read =
      ReadPatternFile(QFile::encodeName(name).toStdString(), ShownFileName(name),
                      FileAccess::RegularFilesOnly, limit);
  if (const auto* failure = std::get_if<Error>(&read)) {
    ShowFailure(*failure);
    return std::nullopt;
  }
  return std::move(std::get<std::string>(read));
}

void Form1::LoadPattern() {
  if (const std::optional<QString> name = ChooseFileToOpen(toolkit_, this, OpenFilter)) {
    OpenFile(*name);
  }
}

void Form1::OpenFile(const QString& name) {
  Play(false);
  const std::optional<std::string> read = ReadFileNamed(name, DocumentTextLimit);
  if (!read) {
    return;
  }
  const std::string& bytes = *read;
  if (IsDocumentText(bytes)) {
    std::variant<Document, Error> document = ParseDocument(bytes);
    if (const auto* failure = std::get_if<Error>(&document)) {
      ShowFailure(
          Error{failure->kind, "cannot open " + ShownFileName(name) + ": " + failure->message});
      return;
    }
    if (const std::optional<WiringProfile>& profile = std::get<Document>(document).profile) {
      SaveExportProfile(*profile);
    }
    OpenedFrames(name, std::move(std::get<Document>(document).animation));
    return;
  }
  if (bytes.size() > PatternTextLimit.size) {
    // The same refusal as for a file read with the pattern limit from the start.
    std::string_view rest = bytes;
    ShowFailure(std::get<Error>(ReadPatternText(
        [&rest](char* buffer, std::size_t size) {
          const std::size_t taken = rest.copy(buffer, size);
          rest.remove_prefix(taken);
          return static_cast<std::ptrdiff_t>(taken);
        },
        ShownFileName(name))));
    return;
  }
  // Every byte is one character.
  Viewer().SetText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (std::optional<Animation> frames = ParseSavedFrames(bytes)) {
    OpenedFrames(name, std::move(*frames));
    return;
  }
  setWindowTitle(FileCaption(name.toUpper()));
  ChangeLamps("Open", [&bytes](LampMatrix& lamps) { ApplyOpenedPattern(bytes, lamps); });
}

void Form1::OpenedFrames(const QString& name, Animation frames) {
  setWindowTitle(FileCaption(name.toUpper()));
  const bool several = frames.FrameCount() > 1;
  EditFrames("Open", std::move(frames), 0);
  if (several) {
    frames_dock_->show();
  }
}

}  // namespace glyphgrid
