#pragma once

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "gui/form1.h"
#include "gui/form2.h"
#include "support/fake_toolkit.h"
#include "support/patterns.h"

// Lets GoogleTest print QString values in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << '"' << text.toStdString() << '"';
}

namespace glyphgrid {

// A main window over a scripted toolkit, with the clipboard emptied first.
class Form1Fixture : public ::testing::Test {
 protected:
  Form1Fixture() : form1_(std::make_unique<Form1>(toolkit_)) {
    QGuiApplication::clipboard()->clear();
  }

  QString ViewerText() { return form1_->Viewer().Text(); }
  static QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

  FakeToolkit toolkit_;
  std::unique_ptr<Form1> form1_;
};

}  // namespace glyphgrid
