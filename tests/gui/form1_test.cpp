#include "gui/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include "core/lamp_geometry.h"
#include "core/pattern_operations.h"
#include "gui/twips.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const char* const FourColours =
    "O......R\n........\n..G.....\n........\n........\n........\n........\nR......G";

// In the lamp grid's own coordinates.
QPoint LampCentre(QWidget* grid, LampIndex index) {
  return TwipsRectF(LampBounds(index)).center().toPoint() - grid->pos();
}

// Collects the regions the widget paints.
struct PaintWatcher : QObject {
  explicit PaintWatcher(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }
  QRegion painted;
};

using Form1Test = Form1Fixture;

TEST_F(Form1Test, ClearAndExitAskFirstWhileTheCloseBoxEndsAtOnceTakingTheViewerAlong) {
  const QString clear = "question|Do you want to clear the Display!|Kestrova";
  const QString quit = "question|Are you sure you want to Quit!|Kestrova";
  const std::tuple<const char*, bool, QStringList, bool> cases[] = {
      {"Command1", false, {clear}, false},   {"Command1", true, {clear}, false},
      {"Command3", false, {quit}, false},    {"actionExit", true, {quit, "end||"}, true},
      {"close box", false, {"end||"}, true},
  };
  for (const auto& [control, yes, calls, ends] : cases) {
    form1_ = std::make_unique<Form1>(toolkit_);
    form1_->SetLamps(FromGrid(FourColours), "Set");
    form1_->Command5_Click();
    toolkit_.calls.clear();
    toolkit_.answers = {yes};
    if (auto* button = form1_->findChild<QPushButton*>(control)) {
      button->click();
    } else if (auto* action = form1_->findChild<QAction*>(control)) {
      action->trigger();
    } else {
      form1_->close();
    }
    EXPECT_EQ(toolkit_.calls, calls) << control;
    EXPECT_EQ(form1_->ExistingViewer() == nullptr, ends) << control;
    const bool cleared = yes && std::string_view(control) == "Command1";
    EXPECT_EQ(form1_->Lamps(), cleared ? LampMatrix() : FromGrid(FourColours)) << control;
  }
}

TEST_F(Form1Test, AnyButtonAndModifierTogglesTheLampUnderThePressAndNothingElseDoes) {
  QWidget* grid = form1_->findChild<QWidget*>("LampGrid");
  const std::pair<Qt::MouseButton, Qt::KeyboardModifier> presses[] = {
      {Qt::LeftButton, Qt::NoModifier},      {Qt::RightButton, Qt::NoModifier},
      {Qt::MiddleButton, Qt::NoModifier},    {Qt::LeftButton, Qt::ShiftModifier},
      {Qt::LeftButton, Qt::ControlModifier}, {Qt::LeftButton, Qt::AltModifier}};
  for (const auto& [button, modifier] : presses) {
    const LampColour before = form1_->Lamps().Colour(27);
    QTest::mousePress(grid, button, modifier, LampCentre(grid, 27));
    EXPECT_EQ(form1_->Lamps().Colour(27), before == LampRed ? LampGrey : LampRed);
  }
  // A press at (3250, 2167) twips falls where lamps 9 and 8 overlap: the right one is toggled.
  form1_->Form_MouseDown(Qt::LeftButton, Qt::NoModifier, 3250, 2167);
  QTest::mouseClick(form1_->findChild<QGroupBox*>("Frame1"), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseClick(form1_->findChild<QPushButton*>("Command5"), Qt::LeftButton);
  QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(
      form1_->Lamps(),
      FromGrid("........\n........\n........\n........\n........\n........\n.......R\n........"));
}

TEST_F(Form1Test, LampsArePaintedInTheirColours) {
  form1_->SetLamps(FromGrid(FourColours), "Set");
  QWidget* grid = form1_->findChild<QWidget*>("LampGrid");
  const QImage image = grid->grab().toImage();
  for (LampIndex i = 0; i < LampCount; ++i) {
    EXPECT_EQ(image.pixelColor(LampCentre(grid, i)), ToQColor(form1_->Lamps().Colour(i))) << i;
  }
  EXPECT_NE(image.pixelColor(LampCentre(grid, 0) + QPoint(9, 9)), ToQColor(LampGreen));
}

// Each Pattern entry through its action and its shortcut, with a button focused, against the
// core operation it names; the lamps that changed are repainted.
TEST_F(Form1Test, PatternMenuRunsEachOperationAndRepaintsWhatChanged) {
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form1_.get()));
  auto* button = form1_->findChild<QPushButton*>("Command10");
  button->setFocus();
  const LampMatrix before = FromGrid(FourColours);
  for (const PatternOperation& operation : PatternOperations()) {
    if (operation.group == PatternOperation::Group::Clear) {
      continue;  // Clear asks first: it is Clear Display's
    }
    const QString name = "action" + QString::fromStdString(operation.Title()).remove(' ');
    auto* action = form1_->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    LampMatrix expected = before;
    operation.apply(expected);
    for (bool by_shortcut : {false, true}) {
      form1_->SetLamps(before, "Set");
      QCoreApplication::processEvents();
      QWidget* grid = form1_->findChild<QWidget*>("LampGrid");
      PaintWatcher watcher(grid);
      if (by_shortcut) {
        const QKeyCombination shortcut = QKeySequence(operation.shortcut.data())[0];
        QTest::keyClick(button, shortcut.key(), shortcut.keyboardModifiers());
      } else {
        action->trigger();
      }
      EXPECT_EQ(form1_->Lamps(), expected) << name.toStdString() << by_shortcut;
      ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.painted.isEmpty(); }));
      for (LampIndex i = 0; i < LampCount; ++i) {
        EXPECT_TRUE(expected.Colour(i) == before.Colour(i) ||
                    watcher.painted.contains(LampCentre(grid, i)))
            << name.toStdString() << " lamp " << i;
      }
    }
  }
}

TEST_F(Form1Test, EnterAndKeypadEnterPressAFocusedButton) {
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  QTest::keyClick(form1_->findChild<QPushButton*>("Command5"), Qt::Key_Return);
  EXPECT_TRUE(form1_->Viewer().isVisible());
  form1_->activateWindow();
  QTest::keyClick(form1_->findChild<QPushButton*>("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(toolkit_.calls, QStringList("question|Do you want to clear the Display!|Kestrova"));
}

}  // namespace
}  // namespace glyphgrid
