#include <QApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "core/app_info.h"
#include "gui/editor_arguments.h"
#include "gui/font_configuration.h"
#include "gui/form1.h"
#include "gui/qt_toolkit.h"

namespace {

// 0 when the text went out; 1, with the reason, when standard output could not take it.
int Print(const std::string& text) {
  errno = 0;
  std::cout << text << std::flush;
  if (std::cout.good()) {
    return 0;
  }
  const int error = errno;
  std::cerr << "glyphgrid: cannot write standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything that needs a display: --help and --version work without one.
  const auto parsed =
      glyphgrid::ParseEditorArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<glyphgrid::Error>(&parsed)) {
    std::cerr << "glyphgrid: " << error->message << '\n' << glyphgrid::EditorUsageText();
    return 2;
  }
  const auto& arguments = std::get<glyphgrid::EditorArguments>(parsed);
  switch (arguments.action) {
    case glyphgrid::EditorAction::Help:
      return Print(glyphgrid::EditorUsageText());
    case glyphgrid::EditorAction::Version:
      return Print(glyphgrid::EditorVersionText());
    case glyphgrid::EditorAction::Run:
      break;
  }
  glyphgrid::FontConfigurationLoad font_configuration;
  QApplication app(argc, argv);
  QApplication::setApplicationName(glyphgrid::ApplicationTitle);
  QApplication::setOrganizationName(glyphgrid::ApplicationTitle);
  QApplication::setDesktopFileName(glyphgrid::ApplicationId);
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(glyphgrid::VersionMajor)
                                          .arg(glyphgrid::VersionMinor)
                                          .arg(glyphgrid::VersionRevision));
  font_configuration.ApplicationCreated();
  glyphgrid::QtToolkit toolkit;
  glyphgrid::Form1 form1(toolkit);
  font_configuration.Wait();
  form1.show();
  if (arguments.file) {
    form1.OpenFile(QFile::decodeName(arguments.file->c_str()));
  }
  return QApplication::exec();
}
