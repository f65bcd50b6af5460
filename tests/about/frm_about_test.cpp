#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "fake_registry.h"
#include "support/fake_toolkit.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

// An About window over a fake toolkit, an empty registry, no files and the given PATH.
struct About {
  FakeToolkit toolkit;
  FakeRegistry registry;
  QPointer<frmAbout> window;

  explicit About(const std::string& path_variable = "")
      : window(new frmAbout(toolkit,
                            {registry, [](const std::string&) { return false; }, path_variable})) {}
  ~About() { delete window.data(); }

  bool Show() const {
    window->show();
    return QTest::qWaitForWindowExposed(window);
  }
  QStringList Texts() const {
    return {window->windowTitle(), window->findChild<QLabel*>("lblTitle")->text(),
            window->findChild<QLabel*>("lblVersion")->text()};
  }
};

TEST(FrmAboutTest, LoadReplacesTheDesignTimeTextsBeforeTheWindowIsShown) {
  const QStringList loaded = {"About Glyphgrid", "Glyphgrid", "Version 1.0.0"};
  About about;
  EXPECT_EQ(about.Texts(), loaded);
  ASSERT_TRUE(about.Show());
  EXPECT_EQ(about.Texts(), loaded);
}

TEST(FrmAboutTest, OkAndEscapeDestroyTheWindow) {
  const std::pair<const char*, void (*)(About&)> presses[] = {
      {"OK", [](About& a) { a.window->findChild<QPushButton*>("cmdOK")->click(); }},
      {"Escape", [](About& a) { QTest::keyClick(a.window, Qt::Key_Escape); }},
  };
  for (const auto& [name, press] : presses) {
    About about;
    ASSERT_TRUE(about.Show()) << name;
    press(about);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.window.isNull(); }, 2000)) << name;
  }
}

TEST(FrmAboutTest, SysInfoStartsTheToolOrShowsTheMessage) {
  const TemporaryFolder folder;
  const QString hardinfo = QString::fromStdString(folder.AddProgram("hardinfo"));
  const QString message = "message|System Information Is Unavailable At This Time|Glyphgrid";
  struct Case {
    const char* name;
    std::string path_variable;
    QStringList startable;
    QStringList calls;  // kind|text|title
  };
  const Case cases[] = {
      {"nothing found", "", {}, {message}},
      {"tool started", folder.Path(), {hardinfo}, {"start|" + hardinfo + "|"}},
      {"tool fails to start", folder.Path(), {}, {"start|" + hardinfo + "|", message}},
  };
  for (const Case& c : cases) {
    About about(c.path_variable);
    about.toolkit.startable = c.startable;
    ASSERT_TRUE(about.Show()) << c.name;
    about.window->findChild<QPushButton*>("cmdSysInfo")->click();
    QStringList calls;
    for (const FakeToolkit::Call& call : about.toolkit.calls) {
      calls << call.kind + "|" + call.text + "|" + call.title;
    }
    EXPECT_EQ(calls, c.calls) << c.name;
  }
}

}  // namespace
}  // namespace glyphgrid
