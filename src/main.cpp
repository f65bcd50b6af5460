#include <QApplication>

#include "core/app_info.h"
#include "gui/form1.h"
#include "gui/qt_toolkit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(glyphgrid::ApplicationTitle);
  QApplication::setOrganizationName(glyphgrid::ApplicationTitle);
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(glyphgrid::VersionMajor)
                                          .arg(glyphgrid::VersionMinor)
                                          .arg(glyphgrid::VersionRevision));
  glyphgrid::QtToolkit toolkit;
  glyphgrid::Form1 form1(toolkit);
  form1.show();
  return QApplication::exec();
}
