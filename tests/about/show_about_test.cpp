#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "about/frm_about.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

using ShowAboutTest = Form1Fixture;

TEST_F(ShowAboutTest, HelpMenuOpensOneModelessAboutWindow) {
  EXPECT_EQ(form1_->ExistingAbout(), nullptr);
  form1_->findChild<QAction*>("actionAbout")->trigger();
  frmAbout* about = form1_->ExistingAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), "About Glyphgrid");
  form1_->ShowAbout();
  EXPECT_EQ(form1_->ExistingAbout(), about);
  EXPECT_EQ(form1_->findChildren<frmAbout*>().size(), 1);
}

TEST_F(ShowAboutTest, OkDestroysItAndTheNextShowAboutLoadsItAfresh) {
  form1_->ShowAbout();
  form1_->ExistingAbout()->findChild<QPushButton*>("cmdOK")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form1_->ExistingAbout(), nullptr);
  form1_->ShowAbout();
  ASSERT_NE(form1_->ExistingAbout(), nullptr);
  EXPECT_EQ(form1_->ExistingAbout()->findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0");
}

TEST_F(ShowAboutTest, ClosingTheMainWindowTakesTheAboutWindowWithIt) {
  form1_->ShowAbout();
  form1_->close();
  EXPECT_EQ(form1_->ExistingAbout(), nullptr);
  EXPECT_EQ(toolkit_.CallsOf("end").size(), 1u);
}

}  // namespace
}  // namespace glyphgrid
