#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "fake_registry.h"
#include "support/fake_toolkit.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

constexpr const char* Unavailable = "System Information Is Unavailable At This Time";

// An About window over a fake toolkit, a fake registry and a PATH of the test's choosing.
struct AboutFixture {
  FakeToolkit toolkit;
  FakeRegistry registry;
  QPointer<frmAbout> window;

  explicit AboutFixture(const std::string& path_variable = "") {
    window = new frmAbout(toolkit, SysInfoSources{registry, NoFile, path_variable});
  }
  ~AboutFixture() { delete window.data(); }

  static bool NoFile(const std::string&) { return false; }

  template <typename T>
  T* Child(const char* name) const {
    return window->findChild<T*>(name);
  }

  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const FakeToolkit::Call& call : toolkit.calls) {
      calls.push_back((call.kind + "|" + call.text + "|" + call.title).toStdString());
    }
    return calls;
  }
};

TEST(FrmAboutTest, LoadSetsTheTextsBeforeTheWindowIsShown) {
  AboutFixture about;
  ASSERT_FALSE(about.window->isVisible());
  const auto expect_texts = [&](const char* when) {
    EXPECT_EQ(about.window->windowTitle(), "About Glyphgrid") << when;
    EXPECT_EQ(about.Child<QLabel>("lblTitle")->text(), "Glyphgrid") << when;
    EXPECT_EQ(about.Child<QLabel>("lblVersion")->text(), "Version 1.0.0") << when;
  };
  expect_texts("hidden");
  about.window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window));
  EXPECT_FALSE(about.window->isModal());
  expect_texts("shown");
}

TEST(FrmAboutTest, LayoutAndTabOrder) {
  AboutFixture about;
  EXPECT_EQ(about.window->minimumSize(), QSize(382, 146));
  EXPECT_EQ(about.window->maximumSize(), QSize(382, 146));
  EXPECT_FALSE(about.window->windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(about.window->windowIcon().isNull());

  struct Control {
    const char* name;
    QRect geometry;
  };
  const Control controls[] = {
      {"picIcon", {16, 16, 52, 52}},      {"cmdOK", {72, 104, 84, 23}},
      {"cmdSysInfo", {208, 104, 83, 23}}, {"lblTitle", {88, 16, 259, 32}},
      {"lblVersion", {70, 52, 259, 15}},
  };
  for (const Control& c : controls) {
    const QWidget* control = about.Child<QWidget>(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(control->geometry(), c.geometry) << c.name;
  }
  for (const char* line : {"Line1_0", "Line1_1"}) {
    ASSERT_NE(about.Child<QWidget>(line), nullptr) << line;
    EXPECT_EQ(about.Child<QWidget>(line)->y(), 88) << line;
  }
  EXPECT_FALSE(about.Child<QLabel>("picIcon")->pixmap().isNull());

  const QFont title_font = about.Child<QLabel>("lblTitle")->font();
  EXPECT_EQ(title_font.family(), "Times");
  EXPECT_EQ(title_font.pointSize(), 12);
  EXPECT_TRUE(title_font.bold());

  EXPECT_EQ(about.Child<QPushButton>("cmdOK")->text(), "OK");
  EXPECT_TRUE(about.Child<QPushButton>("cmdOK")->isDefault());
  EXPECT_EQ(about.Child<QPushButton>("cmdSysInfo")->text(), "&System Info...");

  QStringList tab_order;
  QWidget* widget = about.Child<QWidget>("cmdOK");
  for (int i = 0; i < 3; ++i) {
    tab_order << widget->objectName();
    do {
      widget = widget->nextInFocusChain();
    } while (!(widget->focusPolicy() & Qt::TabFocus));
  }
  EXPECT_EQ(tab_order, QStringList({"cmdOK", "picIcon", "cmdSysInfo"}));
  EXPECT_EQ(about.window->focusWidget(), about.Child<QWidget>("cmdOK"));
}

TEST(FrmAboutTest, OkEnterEscapeAndCloseBoxDestroyTheWindow) {
  struct Case {
    const char* name;
    std::function<void(AboutFixture&)> act;
  };
  const Case cases[] = {
      {"OK clicked",
       [](AboutFixture& a) { QTest::mouseClick(a.Child<QPushButton>("cmdOK"), Qt::LeftButton); }},
      {"Enter", [](AboutFixture& a) { QTest::keyClick(a.window, Qt::Key_Return); }},
      {"Enter with the icon focused",
       [](AboutFixture& a) {
         a.Child<QWidget>("picIcon")->setFocus();
         QTest::keyClick(a.window, Qt::Key_Return);
       }},
      {"Escape", [](AboutFixture& a) { QTest::keyClick(a.window, Qt::Key_Escape); }},
      {"close box", [](AboutFixture& a) { a.window->close(); }},
  };
  for (const Case& c : cases) {
    AboutFixture about;
    about.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window)) << c.name;
    c.act(about);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.window.isNull(); }, 2000)) << c.name;
    EXPECT_TRUE(about.toolkit.calls.empty()) << c.name;
  }
}

TEST(FrmAboutTest, SysInfoStartsTheToolOrShowsTheMessage) {
  const TemporaryFolder folder;
  const std::string hardinfo = folder.AddProgram("hardinfo");
  const std::string msinfo_key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

  struct Case {
    const char* name;
    bool registry_path;  // the registry names C:\Tools\msinfo32.exe
    std::string path_variable;
    QStringList startable;
    std::vector<std::string> calls;
  };
  const std::string message = "message|"s + Unavailable + "|Glyphgrid";
  const Case cases[] = {
      {"nothing found", false, "", {}, {message}},
      {"tool on the PATH",
       false,
       folder.Path(),
       {QString::fromStdString(hardinfo)},
       {"start|" + hardinfo + "|"}},
      {"tool on the PATH fails to start",
       false,
       folder.Path(),
       {},
       {"start|" + hardinfo + "|", message}},
      {"registry's tool",
       true,
       folder.Path(),
       {"C:\\Tools\\msinfo32.exe"},
       {"start|C:\\Tools\\msinfo32.exe|"}},
      {"registry's tool fails to start", true, "", {}, {"start|C:\\Tools\\msinfo32.exe|", message}},
  };
  for (const Case& c : cases) {
    AboutFixture about(c.path_variable);
    if (c.registry_path) {
      about.registry.AddValue(HkeyLocalMachine, msinfo_key, "PATH",
                              {RegSz, "C:\\Tools\\msinfo32.exe\0"s});
    }
    about.toolkit.startable = c.startable;
    about.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window)) << c.name;
    QTest::mouseClick(about.Child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(about.Calls(), c.calls) << c.name;
    ASSERT_FALSE(about.window.isNull()) << c.name;
    EXPECT_TRUE(about.window->isVisible()) << c.name;
  }
}

}  // namespace
}  // namespace glyphgrid
