#include "editor/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "editor/lamp_geometry.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

using Form1Test = Form1Fixture;

QPoint LampCentreInPixels(LampIndex index) {
  const TwipRect r = LampBounds(index);
  return {qRound((r.left + r.width / 2.0) / 15), qRound((r.top + r.height / 2.0) / 15)};
}

TEST_F(Form1Test, OpensWithItsLayout) {
  EXPECT_EQ(form1_->windowTitle(), "www.glyphgrid.example");
  EXPECT_EQ(form1_->centralWidget()->sizeHint(), QSize(455, 272));
  EXPECT_EQ(form1_->findChild<QGroupBox*>("Frame1")->geometry(), QRect(8, 192, 433, 73));
  struct Button {
    const char* name;
    const char* caption;
    const char* tooltip;
    QRect geometry;
  };
  const Button buttons[] = {
      {"Command1", "&Clear Display", "Clear the Display", {16, 24, 89, 33}},
      {"Command5", "&View Data", "View generated Data for EEPROM", {112, 24, 89, 33}},
      {"Command10", "&Copy Data", "View generated Data for EEPROM", {216, 24, 89, 33}},
      {"Command3", "Exit", "Exit the Program", {320, 24, 97, 33}},
  };
  for (const Button& b : buttons) {
    const auto* button = form1_->findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), b.caption);
    EXPECT_EQ(button->toolTip(), b.tooltip);
    EXPECT_EQ(button->geometry(), b.geometry) << b.name;
    EXPECT_FALSE(button->isDefault());
  }
  // Tab order: Clear Display, View Data, Exit, Copy Data.
  const char* order[] = {"Command1", "Command5", "Command3", "Command10"};
  for (int i = 0; i + 1 < 4; ++i) {
    EXPECT_EQ(form1_->findChild<QPushButton*>(order[i])->nextInFocusChain(),
              form1_->findChild<QPushButton*>(order[i + 1]))
        << order[i];
  }
  for (LampIndex i = 0; i < LampCount; ++i) {
    EXPECT_EQ(form1_->Lamps().Colour(i), LampGrey);
  }
}

TEST_F(Form1Test, ClearDisplayAsksAndGreysOnlyOnYes) {
  for (bool yes : {false, true}) {
    form1_->SetLampColour(0, LampRed);
    form1_->SetLampColour(9, LampGreen);
    form1_->SetLampColour(63, LampOrange);
    const LampMatrix before = form1_->Lamps();
    toolkit_.calls.clear();
    toolkit_.answers = {yes};
    form1_->findChild<QPushButton*>("Command1")->click();
    ASSERT_EQ(toolkit_.calls.size(), 1u);
    EXPECT_EQ(toolkit_.calls[0].text, "Do you want to clear the Display!");
    EXPECT_EQ(toolkit_.calls[0].title, "Kestrova");
    EXPECT_EQ(form1_->Lamps(), yes ? LampMatrix() : before) << "answer " << yes;
  }
}

TEST_F(Form1Test, ExitAnsweredNoKeepsTheProgramAndPattern) {
  form1_->SetLampColour(5, LampRed);
  form1_->Command5_Click();
  toolkit_.answers = {false};
  form1_->findChild<QPushButton*>("Command3")->click();
  EXPECT_EQ(toolkit_.CallsOf("question").at(0).text, "Are you sure you want to Quit!");
  EXPECT_TRUE(toolkit_.CallsOf("end").empty());
  EXPECT_EQ(form1_->Lamps().Colour(5), LampRed);
  EXPECT_NE(form1_->ExistingViewer(), nullptr);
}

TEST_F(Form1Test, ExitAnsweredYesEndsTheProgramAndClosesTheViewer) {
  form1_->Command5_Click();
  toolkit_.answers = {true};
  form1_->ExitProgram();
  EXPECT_EQ(toolkit_.CallsOf("end").size(), 1u);
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
}

TEST_F(Form1Test, ClosingTheWindowEndsTheProgramWithoutAsking) {
  form1_->Command5_Click();
  form1_->close();
  EXPECT_TRUE(toolkit_.CallsOf("question").empty());
  EXPECT_EQ(toolkit_.CallsOf("end").size(), 1u);
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
}

TEST_F(Form1Test, WorkedPressesThroughTheHandler) {
  struct Press {
    float x;
    float y;
    int lamp;  // -1: nothing
  };
  const Press presses[] = {{1687, 727, 63}, {3367, 2407, 0},  {2647, 1687, 27}, {1800, 840, 54},
                           {1799, 839, 63}, {3240, 2280, 0},  {3250, 2167, 8},  {1576, 700, 63},
                           {1575, 700, -1}, {3459, 2499, 0},  {3460, 2400, -1}, {2000, 631, 62},
                           {2000, 630, -1}, {2000, 2500, -1}, {3480, 2407, -1}, {1000, 1000, -1}};
  for (const Press& p : presses) {
    LampMatrix expected = form1_->Lamps();
    if (p.lamp >= 0) {
      expected.SetColour(p.lamp, expected.Colour(p.lamp) == LampRed ? LampGrey : LampRed);
    }
    form1_->Form_MouseDown(Qt::LeftButton, Qt::NoModifier, p.x, p.y);
    EXPECT_EQ(form1_->Lamps(), expected) << p.x << ", " << p.y;
  }
}

TEST_F(Form1Test, AnyButtonAndModifierTogglesTheLampUnderThePress) {
  QWidget* client = form1_->centralWidget();
  struct Click {
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
  };
  const Click clicks[] = {
      {Qt::LeftButton, Qt::NoModifier},      {Qt::RightButton, Qt::NoModifier},
      {Qt::MiddleButton, Qt::NoModifier},    {Qt::LeftButton, Qt::ShiftModifier},
      {Qt::LeftButton, Qt::ControlModifier}, {Qt::LeftButton, Qt::AltModifier}};
  for (const Click& c : clicks) {
    QTest::mousePress(client, c.button, c.modifiers, LampCentreInPixels(27));
    EXPECT_EQ(form1_->Lamps().Colour(27), LampRed);
    QTest::mouseRelease(client, c.button, c.modifiers, LampCentreInPixels(27));
    QTest::mousePress(client, c.button, c.modifiers, LampCentreInPixels(27));
    EXPECT_EQ(form1_->Lamps().Colour(27), LampGrey);
    QTest::mouseRelease(client, c.button, c.modifiers, LampCentreInPixels(27));
  }
}

TEST_F(Form1Test, PressesOnTheFrameAndButtonsToggleNothing) {
  QTest::mouseClick(form1_->findChild<QGroupBox*>("Frame1"), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseClick(form1_->findChild<QPushButton*>("Command5"), Qt::LeftButton);
  EXPECT_EQ(form1_->Lamps(), LampMatrix());
}

TEST_F(Form1Test, MenuActionsRunTheButtonHandlers) {
  form1_->SetLampColour(0, LampRed);
  form1_->findChild<QAction*>("actionCopyData")->trigger();
  EXPECT_EQ(ClipboardText(),
            "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
            "&B00000000, &B10000000, &B00000000");
  toolkit_.answers = {true};
  form1_->findChild<QAction*>("actionClearDisplay")->trigger();
  EXPECT_EQ(form1_->Lamps(), LampMatrix());
  form1_->findChild<QAction*>("actionViewData")->trigger();
  EXPECT_TRUE(form1_->Viewer().isVisible());
  EXPECT_EQ(form1_->findChild<QAction*>("actionExit")->shortcut(), QKeySequence("Ctrl+Q"));
  form1_->findChild<QAction*>("actionExit")->trigger();
  EXPECT_EQ(toolkit_.CallsOf("question").back().text, "Are you sure you want to Quit!");
}

}  // namespace
}  // namespace glyphgrid
