#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>

#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

struct MenuCase {
  const char* action;
  QKeyCombination shortcut;
  LampIndex lit_before;
  LampIndex lit_after;  // the one lamp that is red afterwards; every other lamp grey
};

class PatternMenuTest : public Form1Fixture, public ::testing::WithParamInterface<MenuCase> {};

LampMatrix OnlyRed(LampIndex index) {
  LampMatrix lamps;
  lamps.SetColour(index, LampRed);
  return lamps;
}

TEST_P(PatternMenuTest, ActionChangesTheWindowsLamps) {
  const MenuCase& c = GetParam();
  form1_->SetLampColour(c.lit_before, LampRed);
  QAction* action = form1_->findChild<QAction*>(c.action);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->shortcut(), QKeySequence(c.shortcut));
  action->trigger();
  EXPECT_EQ(form1_->Lamps(), OnlyRed(c.lit_after));
}

TEST_P(PatternMenuTest, ShortcutWorksWhicheverButtonHasTheFocus) {
  const MenuCase& c = GetParam();
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  form1_->SetLampColour(c.lit_before, LampRed);
  auto* button = form1_->findChild<QPushButton*>("Command10");
  button->setFocus();
  QTest::keyClick(button, c.shortcut.key(), c.shortcut.keyboardModifiers());
  EXPECT_EQ(form1_->Lamps(), OnlyRed(c.lit_after));
}

INSTANTIATE_TEST_SUITE_P(
    EachOperation, PatternMenuTest,
    ::testing::Values(MenuCase{"actionShiftUp", Qt::CTRL | Qt::Key_Up, 7, 15},
                      MenuCase{"actionShiftDown", Qt::CTRL | Qt::Key_Down, 8, 0},
                      MenuCase{"actionShiftLeft", Qt::CTRL | Qt::Key_Left, 7, 8},
                      MenuCase{"actionShiftRight", Qt::CTRL | Qt::Key_Right, 8, 7}));

TEST_F(Form1Fixture, CycleActionsRecolourTheWindowsLamps) {
  struct Case {
    const char* action;
    QKeySequence shortcut;
    LampColour after;
  };
  const Case cases[] = {{"actionCycleAllColours", QKeySequence("Ctrl+K"), LampGreen},
                        {"actionCycleLitColours", QKeySequence("Ctrl+Shift+K"), LampOrange}};
  form1_->SetLampColour(20, LampRed);
  for (const Case& c : cases) {
    QAction* action = form1_->findChild<QAction*>(c.action);
    EXPECT_EQ(action->shortcut(), c.shortcut);
    action->trigger();
    EXPECT_EQ(form1_->Lamps().Colour(20), c.after) << c.action;
  }
  // CycleAllColours turned every grey lamp red; CycleLitColours then made them green.
  EXPECT_EQ(form1_->Lamps().Colour(0), LampGreen);
}

}  // namespace
}  // namespace glyphgrid
