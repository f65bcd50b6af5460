#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

#include "core/click_editing.h"
#include "gui/import_picture_dialog.h"
#include "gui/text_frames_dialog.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

// Each frame as its delay, the chosen one in brackets, and a lit lamp as "*": "[80*] 100".
QString FramesShown(const Form1& form1) {
  QStringList shown;
  const Animation& frames = form1.Frames();
  for (int index = 0; index < frames.FrameCount(); ++index) {
    QString frame = QString::number(frames.At(index).Delay());
    if (!(frames.At(index).Lamps() == LampMatrix())) {
      frame += "*";
    }
    shown << (index == form1.FrameIndex() ? "[" + frame + "]" : frame);
  }
  return shown.join(' ');
}

class FramesTest : public Form1Fixture {
 protected:
  void Trigger(const char* action) { form1_->findChild<QAction*>(action)->trigger(); }
  QString UndoText() const { return form1_->findChild<QAction*>("actionUndo")->text(); }
};

// Every change to the frames is one named step; undo and redo take them back in order.
TEST_F(FramesTest, UndoAndRedoAcrossEveryFrameEdit) {
  using Action = std::function<void()>;
  toolkit_.numbers = {80, 400};
  const std::tuple<Action, QString, QString> steps[] = {
      {[this] { Trigger("actionAddFrame"); }, "&Undo Add Frame", "100 [100]"},
      {[this] { Trigger("actionDelay"); }, "&Undo Delay", "100 [80]"},
      {[this] { Trigger("actionDuplicateFrame"); }, "&Undo Duplicate Frame", "100 80 [80]"},
      {[this] { form1_->Form_MouseDown(Qt::LeftButton, {}, 1687, 727); }, "&Undo Draw",
       "100 80 [80*]"},
      {[this] { Trigger("actionMoveFrameLeft"); }, "&Undo Move Frame", "100 [80*] 80"},
      {[this] { Trigger("actionDefaultDelay"); }, "&Undo Default Delay", "100 [80*] 80"},
      {[this] { Trigger("actionAddFrame"); }, "&Undo Add Frame", "100 80* [400] 80"},
      {[this] { Trigger("actionDeleteFrame"); }, "&Undo Delete Frame", "100 80* [80]"},
      {[this] { Trigger("actionReverseFrames"); }, "&Undo Reverse Frames", "[80] 80* 100"},
      {[this] {
         Trigger("actionApplyToAllFrames");
         Trigger("actionCycleAllColours");
       },
       "&Undo Cycle All Colours", "[80*] 80* 100*"},
      {[this] {
         toolkit_.answers = {true};
         Trigger("actionClearDisplay");
       },
       "&Undo Clear Display", "[80] 80 100"},
      {[this] {
         Trigger("actionTextToFrames");
         auto* dialog = form1_->findChild<TextFramesDialog*>();
         dialog->findChild<QSpinBox*>("spnStep")->setValue(8);
         dialog->findChild<QLineEdit*>("txtText")->setText("|");
         dialog->accept();
       },
       "&Undo Text to Frames", "80 [400] 400* 400 80 100"},
      {[this] {
         toolkit_.file_names = {GLYPHGRID_TEST_DATA "/three-frames.gif"};
         Trigger("actionImportPicture");
         form1_->findChild<ImportPictureDialog*>()->accept();
       },
       "&Undo Import Picture", "80 400 [100*] 200* 300* 400* 400 80 100"},
  };
  std::vector<QString> shown = {FramesShown(*form1_)};
  for (const auto& [action, undo, frames] : steps) {
    action();
    EXPECT_EQ(UndoText(), undo);
    EXPECT_EQ(FramesShown(*form1_), frames) << undo;
    shown.push_back(frames);
  }
  EXPECT_TRUE(form1_->findChild<QDockWidget*>("FramesDock")->isVisibleTo(form1_.get()));
  const auto unmarked = [](QString frames) { return frames.remove('[').remove(']'); };
  for (std::size_t step = shown.size() - 1; step > 0; --step) {
    form1_->Undo();
    EXPECT_EQ(unmarked(FramesShown(*form1_)), unmarked(shown[step - 1])) << step;
  }
  for (std::size_t step = 1; step < shown.size(); ++step) {
    form1_->Redo();
    EXPECT_EQ(unmarked(FramesShown(*form1_)), unmarked(shown[step])) << step;
  }
}

TEST_F(FramesTest, TextToFramesSaysWhyItMakesNone) {
  Trigger("actionTextToFrames");
  auto* dialog = form1_->findChild<TextFramesDialog*>();
  const QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  const std::tuple<QString, bool, QString> texts[] = {
      {"", false, "The text is empty."},
      {"a\u2603", true, "No glyph for U+2603, shown as a box."},
      {QString(2000, 'W'), false, "The text makes 12008 frames, more than the limit of 10000."},
  };
  for (const auto& [text, enabled, note] : texts) {
    dialog->findChild<QLineEdit*>("txtText")->setText(text);
    EXPECT_EQ(ok->isEnabled(), enabled) << text.toStdString();
    EXPECT_EQ(dialog->findChild<QLabel*>("lblNote")->text(), note);
  }
  dialog->reject();
  EXPECT_EQ(FramesShown(*form1_), "[100]");
}

}  // namespace
}  // namespace glyphgrid
