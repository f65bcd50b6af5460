#include "editor/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include "editor/lamp_geometry.h"
#include "support/form1_fixture.h"
#include "support/worked_presses.h"

namespace glyphgrid {
namespace {

using Form1Test = Form1Fixture;

TEST_F(Form1Test, ButtonsInTheirOrderWithTheTabOrderOfTheirOwn) {
  const char* tab_order[] = {"Command1", "Command5", "Command3", "Command10"};
  const char* captions[] = {"&Clear Display", "&View Data", "Exit", "&Copy Data"};
  for (int i = 0; i < 4; ++i) {
    auto* button = form1_->findChild<QPushButton*>(tab_order[i]);
    EXPECT_EQ(button->text(), captions[i]);
    if (i + 1 < 4) {
      EXPECT_EQ(button->nextInFocusChain(), form1_->findChild<QPushButton*>(tab_order[i + 1]));
    }
  }
  EXPECT_EQ(form1_->windowTitle(), "www.glyphgrid.example");
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

TEST_F(Form1Test, ExitAsksWhileTheCloseBoxEndsAtOnceTakingTheViewerAlong) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> act;
    std::size_t questions;
    bool ends;
  };
  const Case cases[] = {
      {"Exit, No", [](Form1& f) { f.findChild<QPushButton*>("Command3")->click(); }, 1, false},
      {"Exit, Yes", [](Form1& f) { f.ExitProgram(); }, 1, true},
      {"close box", [](Form1& f) { f.close(); }, 0, true},
  };
  for (const Case& c : cases) {
    form1_ = std::make_unique<Form1>(toolkit_);
    toolkit_.calls.clear();
    toolkit_.answers = {c.ends};
    form1_->SetLampColour(5, LampRed);
    form1_->Command5_Click();
    c.act(*form1_);
    const auto questions = toolkit_.CallsOf("question");
    ASSERT_EQ(questions.size(), c.questions) << c.what;
    if (c.questions > 0) {
      EXPECT_EQ(questions[0].text, "Are you sure you want to Quit!");
    }
    EXPECT_EQ(toolkit_.CallsOf("end").size(), c.ends ? 1u : 0u) << c.what;
    EXPECT_EQ(form1_->ExistingViewer() == nullptr, c.ends) << c.what;
    EXPECT_EQ(form1_->Lamps().Colour(5), LampRed) << c.what;
  }
}

TEST_F(Form1Test, WorkedPressesThroughTheHandler) {
  for (const WorkedPress& p : WorkedPresses) {
    LampMatrix expected = form1_->Lamps();
    if (p.lamp) {
      expected.SetColour(*p.lamp, expected.Colour(*p.lamp) == LampRed ? LampGrey : LampRed);
    }
    form1_->Form_MouseDown(Qt::LeftButton, Qt::NoModifier, p.x, p.y);
    EXPECT_EQ(form1_->Lamps(), expected) << p.x << ", " << p.y;
  }
}

TEST_F(Form1Test, AnyButtonAndModifierTogglesTheLampUnderThePress) {
  QWidget* client = form1_->centralWidget();
  const TwipRect r = LampBounds(27);
  const QPoint centre(qRound((r.left + 127.5) / 15), qRound((r.top + 127.5) / 15));
  const std::pair<Qt::MouseButton, Qt::KeyboardModifier> presses[] = {
      {Qt::LeftButton, Qt::NoModifier},      {Qt::RightButton, Qt::NoModifier},
      {Qt::MiddleButton, Qt::NoModifier},    {Qt::LeftButton, Qt::ShiftModifier},
      {Qt::LeftButton, Qt::ControlModifier}, {Qt::LeftButton, Qt::AltModifier}};
  for (const auto& [button, modifier] : presses) {
    const LampColour before = form1_->Lamps().Colour(27);
    QTest::mouseClick(client, button, modifier, centre);
    EXPECT_EQ(form1_->Lamps().Colour(27), before == LampRed ? LampGrey : LampRed);
  }
  QTest::mouseClick(form1_->findChild<QGroupBox*>("Frame1"), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseClick(form1_->findChild<QPushButton*>("Command5"), Qt::LeftButton);
  EXPECT_EQ(form1_->Lamps(), LampMatrix());
}

TEST_F(Form1Test, EditMenuRunsTheButtonHandlersAndCtrlQAsksToQuit) {
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
}

}  // namespace
}  // namespace glyphgrid
