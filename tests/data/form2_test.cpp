#include "data/form2.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const QString AllGrey =
    "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const QString TopLeftLit =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";

enum class ViewerState { Absent, Hidden, Visible };

class Form2Test : public Form1Fixture, public ::testing::WithParamInterface<ViewerState> {
 protected:
  // Brings the viewer into the state under test, holding a stale text where it exists.
  void Arrange(ViewerState state) {
    if (state == ViewerState::Absent) {
      return;
    }
    form1_->Viewer().Text1().SetText("stale");
    form1_->Viewer().setVisible(state == ViewerState::Visible);
  }
};

TEST_P(Form2Test, ViewDataShowsFreshTextFromAnyState) {
  Arrange(GetParam());
  form1_->SetLampColour(63, LampRed);
  form1_->findChild<QPushButton*>("Command5")->click();
  ASSERT_NE(form1_->ExistingViewer(), nullptr);
  EXPECT_TRUE(form1_->ExistingViewer()->isVisible());
  EXPECT_EQ(ViewerText(), TopLeftLit);
}

TEST_P(Form2Test, CopyDataCopiesFreshTextAndKeepsVisibility) {
  const ViewerState state = GetParam();
  Arrange(state);
  form1_->SetLampColour(63, LampRed);
  form1_->findChild<QPushButton*>("Command10")->click();
  EXPECT_EQ(ClipboardText(), TopLeftLit);
  ASSERT_NE(form1_->ExistingViewer(), nullptr);
  EXPECT_EQ(form1_->ExistingViewer()->isVisible(), state == ViewerState::Visible);
  EXPECT_EQ(ViewerText(), TopLeftLit);
}

INSTANTIATE_TEST_SUITE_P(EachViewerState, Form2Test,
                         ::testing::Values(ViewerState::Absent, ViewerState::Hidden,
                                           ViewerState::Visible));

using ViewerTest = Form1Fixture;

TEST_F(ViewerTest, CopyToClipboardCopiesTheShownTextWithoutRegenerating) {
  form1_->Command5_Click();
  form1_->SetLampColour(63, LampRed);
  form1_->Viewer().findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(ClipboardText(), AllGrey);
  EXPECT_TRUE(form1_->Viewer().isVisible());
}

TEST_F(ViewerTest, CloseHidesAndViewDataShowsItAgainRegenerated) {
  form1_->Command5_Click();
  Form2* viewer = form1_->ExistingViewer();
  viewer->findChild<QPushButton*>("Command2")->click();
  EXPECT_FALSE(viewer->isVisible());
  EXPECT_EQ(form1_->ExistingViewer(), viewer);
  form1_->SetLampColour(63, LampRed);
  form1_->Command5_Click();
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(ViewerText(), TopLeftLit);
}

TEST_F(ViewerTest, CloseBoxDestroysItAndTheNextReferenceStartsAfreshAndHidden) {
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
  EXPECT_EQ(ViewerText(), "Text1");
  EXPECT_EQ(form1_->Viewer().windowTitle(), "Display Datas");
  form1_->Command5_Click();
  form1_->ExistingViewer()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
  EXPECT_EQ(ViewerText(), "Text1");
  EXPECT_FALSE(form1_->Viewer().isVisible());
  form1_->Command10_Click();
  EXPECT_EQ(ClipboardText(), AllGrey);
  EXPECT_FALSE(form1_->Viewer().isVisible());
}

TEST_F(ViewerTest, TextBoxGivesBackExactlyTheTextItWasGiven) {
  const QString texts[] = {"a\r\nb", "a\rb\r", "\r\n\r\n", "x\n\ny", "", "tab\there \x7f"};
  for (const QString& text : texts) {
    form1_->Viewer().Text1().SetText(text);
    EXPECT_EQ(ViewerText(), text);
  }
}

TEST_F(ViewerTest, TheUsersEditIsWhatIsCopied) {
  form1_->Command5_Click();
  form1_->Viewer().Text1().setPlainText("edited");
  form1_->Viewer().Command1_Click();
  EXPECT_EQ(ClipboardText(), "edited");
}

}  // namespace
}  // namespace glyphgrid
