#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>

#include "support/form1_fixture.h"
#include "support/test_patterns.h"

namespace glyphgrid {
namespace {

using PatternMenuTest = Form1Fixture;

// Each operation through its menu action, then through its shortcut while a button has the focus.
TEST_F(PatternMenuTest, ActionsAndShortcutsChangeTheWindowsLamps) {
  struct Case {
    const char* action;
    QKeyCombination shortcut;
    LampMatrix before;
    LampMatrix after;
  };
  const Case cases[] = {
      {"actionShiftUp", Qt::CTRL | Qt::Key_Up, Pattern(LampGrey, {{7, LampRed}}),
       Pattern(LampGrey, {{15, LampRed}})},
      {"actionShiftDown", Qt::CTRL | Qt::Key_Down, Pattern(LampGrey, {{8, LampRed}}),
       Pattern(LampGrey, {{0, LampRed}})},
      {"actionShiftLeft", Qt::CTRL | Qt::Key_Left, Pattern(LampGrey, {{7, LampRed}}),
       Pattern(LampGrey, {{8, LampRed}})},
      {"actionShiftRight", Qt::CTRL | Qt::Key_Right, Pattern(LampGrey, {{8, LampRed}}),
       Pattern(LampGrey, {{7, LampRed}})},
      {"actionCycleAllColours", Qt::CTRL | Qt::Key_K, Pattern(LampGrey, {{20, LampRed}}),
       Pattern(LampRed, {{20, LampGreen}})},
      {"actionCycleLitColours", Qt::CTRL | Qt::SHIFT | Qt::Key_K,
       Pattern(LampGrey, {{20, LampRed}}), Pattern(LampGrey, {{20, LampGreen}})},
  };
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  auto* button = form1_->findChild<QPushButton*>("Command10");
  button->setFocus();
  for (const Case& c : cases) {
    const auto set = [this](const LampMatrix& lamps) {
      for (LampIndex i = 0; i < LampCount; ++i) {
        form1_->SetLampColour(i, lamps.Colour(i));
      }
    };
    set(c.before);
    form1_->findChild<QAction*>(c.action)->trigger();
    EXPECT_EQ(form1_->Lamps(), c.after) << c.action;
    set(c.before);
    QTest::keyClick(button, c.shortcut.key(), c.shortcut.keyboardModifiers());
    EXPECT_EQ(form1_->Lamps(), c.after) << c.action << " shortcut";
  }
}

}  // namespace
}  // namespace glyphgrid
