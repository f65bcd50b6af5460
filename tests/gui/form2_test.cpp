#include "gui/form2.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui/text_box.h"

#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const QString AllGrey =
    "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const QString TopLeftLit =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const char* const TopLeft =
    "R.......\n........\n........\n........\n........\n........\n........\n........";

using Form2Test = Form1Fixture;

// View Data shows fresh text from any state; Copy Data copies it and keeps the visibility.
TEST_F(Form2Test, ViewDataAndCopyDataRegenerateFromEveryViewerState) {
  enum State { Absent, Hidden, Visible };
  for (State state : {Absent, Hidden, Visible}) {
    for (const char* button : {"Command5", "Command10"}) {
      form1_ = std::make_unique<Form1>(toolkit_);
      if (state != Absent) {
        form1_->Viewer().SetText("stale");
        form1_->Viewer().setVisible(state == Visible);
      }
      form1_->SetLamps(FromGrid(TopLeft), "Set");
      QGuiApplication::clipboard()->clear();
      form1_->findChild<QPushButton*>(button)->click();
      ASSERT_NE(form1_->ExistingViewer(), nullptr);
      const bool view = std::string_view(button) == "Command5";
      EXPECT_EQ(form1_->ExistingViewer()->isVisible(), view || state == Visible) << state << button;
      EXPECT_EQ(ViewerText(), TopLeftLit);
      EXPECT_EQ(ClipboardText(), view ? "" : TopLeftLit);
    }
  }
}

TEST_F(Form2Test, CopiesTheShownTextCloseHidesAndTheCloseBoxDestroys) {
  form1_->Command5_Click();
  form1_->SetLamps(FromGrid(TopLeft), "Set");
  Form2* viewer = form1_->ExistingViewer();
  viewer->findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(ClipboardText(), AllGrey);
  EXPECT_TRUE(viewer->isVisible());
  viewer->findChild<QPushButton*>("Command2")->click();
  EXPECT_FALSE(viewer->isVisible());
  form1_->Command5_Click();
  EXPECT_EQ(form1_->ExistingViewer(), viewer);
  EXPECT_EQ(ViewerText(), TopLeftLit);
  viewer->findChild<QPlainTextEdit*>("Text1")->setPlainText("edited");
  viewer->Command1_Click();
  EXPECT_EQ(ClipboardText(), "edited");
  viewer->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
  EXPECT_EQ(ViewerText(), "Text1");
  EXPECT_FALSE(form1_->Viewer().isVisible());
}

TEST_F(Form2Test, ShowsAndGivesBackExactlyTheTextItWasGiven) {
  const QString texts[] = {"a\r\nb", "a\rb\r", "\r\n\r\n", "x\n\ny", "", "tab\there \x7f"};
  auto* box = form1_->Viewer().findChild<QPlainTextEdit*>("Text1");
  for (const QString& text : texts) {
    form1_->Viewer().SetText(text);
    EXPECT_EQ(ViewerText(), text);
    EXPECT_EQ(box->toPlainText(), QString(text).replace("\r\n", "\n").replace('\r', '\n'));
  }
}

TEST_F(Form2Test, OpensOnCopyToClipboardAndTabMovesTheFocusWithoutTypingATab) {
  form1_->show();
  form1_->Command5_Click();
  Form2& viewer = form1_->Viewer();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");
  const std::pair<Qt::Key, const char*> keys[] = {
      {Qt::Key_Tab, "Command2"},  {Qt::Key_Tab, "Text1"},        {Qt::Key_Tab, "Command1"},
      {Qt::Key_Backtab, "Text1"}, {Qt::Key_Backtab, "Command2"}, {Qt::Key_Backtab, "Command1"},
  };
  for (const auto& [key, focus] : keys) {
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), focus);
  }
  EXPECT_EQ(ViewerText(), AllGrey);
}

TEST_F(Form2Test, ALongTextIsShownInPartReadOnlyAndCopiedWhole) {
  const QString text = QString(TextBox::PreviewLength, '1') + "\r\n" + QString(1024 * 1024, ',');
  auto* box = form1_->Viewer().findChild<QPlainTextEdit*>("Text1");
  form1_->Viewer().SetText(text);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_TRUE(box->toPlainText().startsWith(QString(TextBox::PreviewLength, '1') + "\n\n[Only"));
  EXPECT_LT(box->toPlainText().size(), 2 * TextBox::PreviewLength);
  form1_->Viewer().Command1_Click();
  EXPECT_EQ(ClipboardText(), text);
  form1_->Command5_Click();
  EXPECT_FALSE(box->isReadOnly());
}

}  // namespace
}  // namespace glyphgrid
