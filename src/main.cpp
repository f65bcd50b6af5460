#include <QApplication>

#include "core/app_info.h"
#include "gui/font_configuration.h"
#include "gui/form1.h"
#include "gui/qt_toolkit.h"

int main(int argc, char** argv) {
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
  return QApplication::exec();
}
