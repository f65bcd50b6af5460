#include "gui/frm_about.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/fake_registry.h"
#include "support/form1_fixture.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

TEST(AboutTest, SysInfoStartsTheToolOnThePathOrShowsTheMessage) {
  const TemporaryFolder folder;
  const QString hardinfo = QString::fromStdString(
      folder.Write("hardinfo", "#!/bin/sh\n", std::filesystem::perms::owner_all));
  const QString message = "message|System Information Is Unavailable At This Time|Glyphgrid";
  const std::tuple<std::string, QStringList, QStringList> cases[] = {
      {"", {}, {message}},
      {folder.Path(), {hardinfo}, {"start|" + hardinfo + "|"}},
      {folder.Path(), {}, {"start|" + hardinfo + "|", message}},
  };
  for (const auto& [path_variable, startable, calls] : cases) {
    FakeToolkit toolkit;
    FakeRegistry registry;
    toolkit.startable = startable;
    frmAbout about(toolkit, {registry, [](const std::string&) { return false; }, path_variable});
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(toolkit.calls, calls);
  }
}

using ShowAboutTest = Form1Fixture;

TEST_F(ShowAboutTest, OneModelessWindowThatOkEnterAndEscapeDestroyAndTheMainWindowTakesAlong) {
  form1_->show();
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
    form1_->findChild<QAction*>("actionAbout")->trigger();
    QPointer<frmAbout> about = form1_->ExistingAbout();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(QStringList({about->windowTitle(), about->findChild<QLabel*>("lblTitle")->text(),
                           about->findChild<QLabel*>("lblVersion")->text()}),
              QStringList({"About Glyphgrid", "Glyphgrid", "Version 1.0.0"}));
    form1_->ShowAbout();
    EXPECT_EQ(form1_->findChildren<frmAbout*>(), QList<frmAbout*>{about});
    QTest::keyClick(QApplication::focusWidget(), key);  // OK has the focus
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); })) << key;
  }
  form1_->ShowAbout();
  form1_->close();
  EXPECT_EQ(form1_->ExistingAbout(), nullptr);
  EXPECT_EQ(toolkit_.calls, QStringList("end||"));
}

}  // namespace
}  // namespace glyphgrid
