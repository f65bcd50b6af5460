#pragma once

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

#include "data/form2.h"
#include "data/text_box.h"
#include "editor/form1.h"
#include "support/fake_toolkit.h"
#include "support/qt_printers.h"

namespace glyphgrid {

// A main window over a scripted toolkit, with the clipboard emptied first.
class Form1Fixture : public ::testing::Test {
 protected:
  Form1Fixture() : form1_(std::make_unique<Form1>(toolkit_)) {
    QGuiApplication::clipboard()->clear();
  }

  QString ViewerText() { return form1_->Viewer().Text1().Text(); }
  QString ClipboardText() const { return QGuiApplication::clipboard()->text(); }

  FakeToolkit toolkit_;
  std::unique_ptr<Form1> form1_;
};

}  // namespace glyphgrid
