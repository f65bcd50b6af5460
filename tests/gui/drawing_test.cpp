#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "core/lamp_geometry.h"
#include "core/pattern_shifts.h"
#include "gui/twips.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const char* const Blank =
    "........\n........\n........\n........\n........\n........\n........\n........";

class DrawingTest : public Form1Fixture {
 protected:
  QWidget* Grid() const { return form1_->findChild<QWidget*>("LampGrid"); }
  QPoint Centre(LampIndex lamp) const {
    return TwipsRectF(LampBounds(lamp)).center().toPoint() - Grid()->pos();
  }
  QStringList UndoRedo() const {
    QStringList state;
    for (const char* name : {"actionUndo", "actionRedo"}) {
      const QAction* action = form1_->findChild<QAction*>(name);
      state << (action->isEnabled() ? "" : "disabled ") + action->text();
    }
    return state;
  }
  void Trigger(const char* action) { form1_->findChild<QAction*>(action)->trigger(); }
  void Move(QPoint to, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, to, Grid()->mapToGlobal(to), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(Grid(), &move);
  }
};

TEST_F(DrawingTest, EveryChangeIsAStepToUndoAndRedoByName) {
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  EXPECT_EQ(UndoRedo(), QStringList({"disabled &Undo", "disabled &Redo"}));
  Trigger("actionShiftLeft");  // changes nothing: no step
  EXPECT_EQ(UndoRedo(), QStringList({"disabled &Undo", "disabled &Redo"}));
  form1_->Form_MouseDown(Qt::LeftButton, {}, 3367, 2407);
  Trigger("actionShiftLeft");
  EXPECT_EQ(UndoRedo(), QStringList({"&Undo Shift Left", "disabled &Redo"}));
  const LampMatrix shifted = form1_->Lamps();
  QTest::keyClick(form1_.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(UndoRedo(), QStringList({"&Undo Draw", "&Redo Shift Left"}));
  EXPECT_EQ(
      form1_->Lamps(),
      FromGrid("........\n........\n........\n........\n........\n........\n........\n.......R"));
  QTest::keyClick(form1_.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(form1_->Lamps(), shifted);
  QTest::keyClick(form1_.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(form1_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form1_->Lamps(), shifted);
  toolkit_.answers = {true};
  Trigger("actionClearDisplay");
  EXPECT_EQ(UndoRedo(), QStringList({"&Undo Clear Display", "disabled &Redo"}));
  Trigger("actionUndo");
  Trigger("actionUndo");
  Trigger("actionUndo");
  EXPECT_EQ(form1_->Lamps(), LampMatrix());
  EXPECT_EQ(UndoRedo(), QStringList({"disabled &Undo", "&Redo Draw"}));
}

// Without Paint by Dragging a press toggles the lamp under it and dragging on toggles nothing
// more; with it, the press colour goes to every lamp the drag crosses, however fast, as one step.
// The pointer over a lamp names it in the status bar.
TEST_F(DrawingTest, APressTogglesOneLampOrPaintsAStroke) {
  const QLabel* status = form1_->findChild<QLabel*>("LampStatus");
  // paint by dragging, pen, lamps before, lamps after a press on 63 and a drag to 56 and 0
  const std::tuple<bool, const char*, const char*, const char*> strokes[] = {
      {false, "actionRedPen", Blank,
       "R.......\n........\n........\n........\n........\n........\n........\n........"},
      {true, "actionOrangePen",
       "O..G....\n........\n........\n........\n........\n........\n...G....\n.......O",
       "........\n........\n........\n........\n........\n........\n...G....\n........"},
  };
  for (const auto& [paint, pen, before, after] : strokes) {
    form1_->findChild<QAction*>("actionPaintByDragging")->setChecked(paint);
    Trigger(pen);
    form1_->SetLamps(FromGrid(before), "Set");
    QTest::mousePress(Grid(), Qt::LeftButton, {}, Centre(63));
    Move(Centre(56), Qt::LeftButton);
    Move(Centre(0), Qt::LeftButton);
    QTest::mouseRelease(Grid(), Qt::LeftButton, {}, Centre(0));
    EXPECT_EQ(form1_->Lamps(), FromGrid(after)) << after;
    Trigger("actionUndo");
    EXPECT_EQ(form1_->Lamps(), FromGrid(before)) << after;
  }
  // Remembered from one window to the next, and put back as the tests found it.
  EXPECT_TRUE(Form1(toolkit_).findChild<QAction*>("actionPaintByDragging")->isChecked());
  Trigger("actionPaintByDragging");
  EXPECT_EQ(status->text(), "Row 8, column 8: orange. DATA literal 8, digit 1.");
  Move(Centre(63), Qt::NoButton);
  EXPECT_EQ(status->text(), "Row 1, column 1: orange. DATA literal 1, digit 8.");
}

TEST_F(DrawingTest, TheKeyboardDrawsOnTheGridAfterTheButtons) {
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  QStringList focus_order;
  for (int tab = 0; tab < 4; ++tab) {
    focus_order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(focus_order, QStringList({"Command1", "Command5", "Command3", "Command10"}));
  ASSERT_EQ(QApplication::focusWidget(), Grid());
  const QLabel* status = form1_->findChild<QLabel*>("LampStatus");
  EXPECT_EQ(status->text(), "Row 1, column 1: grey. DATA literal 1, digit 8.");
  // The mark starts at the top left and stops at the edges.
  for (const Qt::Key key :
       {Qt::Key_Space, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_2, Qt::Key_Down,
        Qt::Key_Down, Qt::Key_Right, Qt::Key_Return, Qt::Key_3, Qt::Key_Right, Qt::Key_1, Qt::Key_0,
        Qt::Key_Right, Qt::Key_Space, Qt::Key_Space}) {
    QTest::keyClick(Grid(), key);
  }
  EXPECT_EQ(
      form1_->Lamps(),
      FromGrid("RG......\n........\n..O.....\n........\n........\n........\n........\n........"));
  EXPECT_EQ(status->text(), "Row 3, column 5: grey. DATA literal 5, digit 6.");
  LampMatrix shifted = form1_->Lamps();
  ShiftRight(shifted);
  QTest::keyClick(Grid(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(form1_->Lamps(), shifted);
}

// Collects what the grid tells assistive technology, with the name of the source as it was then.
std::vector<std::pair<QAccessible::Event, QString>> announced;
void Announce(QAccessibleEvent* event) {
  QAccessibleInterface* source = event->accessibleInterface();
  announced.emplace_back(event->type(), source ? source->text(QAccessible::Name) : QString());
}

TEST_F(DrawingTest, ScreenReadersSeeATableOfNamedLampsAndHearTheirChanges) {
  // Offscreen there is no screen reader to switch accessibility on: the test does.
  QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
  platform->setActive(true);
  QAccessible::installUpdateHandler(Announce);
  form1_->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form1_.get()));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Grid());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  ASSERT_EQ(table->childCount(), 64);
  EXPECT_EQ(table->tableInterface()->cellAt(0, 7)->text(QAccessible::Name),
            "Row 1, column 8: grey");
  QTest::mousePress(Grid(), Qt::LeftButton, {}, Centre(1));
  const auto renamed = std::pair(QAccessible::NameChanged, QString("Row 8, column 7: red"));
  EXPECT_NE(std::ranges::find(announced, renamed), announced.end());
  // Qt announces the grid taking the focus; the marked lamp is announced after it.
  Grid()->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(announced.back(), std::pair(QAccessible::Focus, QString("Row 1, column 1: grey")));
  QTest::keyClick(Grid(), Qt::Key_Right);
  EXPECT_EQ(table->focusChild(), table->child(1));
  QAccessible::installUpdateHandler(nullptr);
  platform->setActive(false);
}

}  // namespace
}  // namespace glyphgrid
