#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "core/app_info.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(glyphgrid::ApplicationTitle);
  // Settings and recovery files go to a folder of this run's own, never the user's, and go with it.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  qputenv("XDG_STATE_HOME", QFile::encodeName(settings.path() + "/state"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
