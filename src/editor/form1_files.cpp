#include <QAction>

#include "data/form2.h"
#include "data/text_box.h"
#include "editor/client_area.h"
#include "editor/form1.h"
#include "editor/toolkit.h"
#include "files/colour_planes.h"
#include "files/pattern_file.h"

namespace glyphgrid {

namespace {

const QString PatternFilter = QStringLiteral("Bas Files (*.bas*)");
const QString FileCaption = QStringLiteral("Kestrova -");

}  // namespace

void Form1::SavePattern() {
  Command5_Click();
  Viewer().setVisible(false);
  SaveText(Viewer().Text1().Text().toLatin1() + "\r\n");
}

void Form1::SaveColourPattern() {
  SaveText(QByteArray::fromStdString(ColourPlaneText(lamps_)));
}

void Form1::SaveText(const QByteArray& bytes) {
  const std::optional<QString> name = toolkit_.ChooseSaveFile(this, PatternFilter);
  if (!name) {
    return;
  }
  if (const std::optional<FileError> failure = WritePatternFile(*name, bytes)) {
    toolkit_.ShowError(this, failure->message, MessageTitle);
    return;
  }
  setWindowTitle(FileCaption + *name);
}

void Form1::NewDisplay() {
  if (toolkit_.AskYesNo(this, "Do you want to save the Current display file!", MessageTitle)) {
    SavePattern();
  } else {
    Command1_Click();
  }
}

void Form1::LoadPattern() {
  const std::optional<QString> name = toolkit_.ChooseOpenFile(this, PatternFilter);
  if (!name) {
    return;
  }
  const std::variant<QByteArray, FileError> read = ReadPatternFile(*name);
  if (const auto* failure = std::get_if<FileError>(&read)) {
    toolkit_.ShowError(this, failure->message, MessageTitle);
    return;
  }
  // Every byte is one character; the planes are read back from the viewer's exact text.
  TextBox& text1 = Viewer().Text1();
  text1.SetText(QString::fromLatin1(std::get<QByteArray>(read)));
  setWindowTitle(FileCaption + name->toUpper());
  const QByteArray bytes = text1.Text().toLatin1();
  ApplyColourPlanes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    lamps_);
  RepaintLamps();
}

}  // namespace glyphgrid
