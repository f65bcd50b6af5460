#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "gui/form1.h"
#include "gui/frame_strip.h"
#include "gui/lamp_grid.h"
#include "gui/recovery_store.h"
#include "gui/text_frames_dialog.h"
#include "gui/toolkit.h"

namespace glyphgrid {

namespace {

QString StepName(const char* action, const std::string& step) {
  return step.empty() ? QString(action) : QString(action) + " " + QString::fromStdString(step);
}

}  // namespace

void Form1::ShowTextFrames() {
  auto* dialog = new TextFramesDialog(history_.Current().DefaultDelay(), this);
  dialog->setWindowModality(Qt::WindowModal);
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { InsertFrames("Text to Frames", dialog->Frames(), "the text's"); });
  dialog->open();
}

void Form1::InsertFrames(const QString& step, const std::vector<Frame>& added,
                         const QString& whose) {
  const Animation& current = history_.Current();
  if (current.FrameCount() + added.size() > static_cast<std::size_t>(MaxFrames)) {
    toolkit_.ShowError(this,
                       QString("Cannot add %1 %2 frames: the animation would have more "
                               "than %3 frames.")
                           .arg(whose)
                           .arg(added.size())
                           .arg(MaxFrames),
                       MessageTitle);
    return;
  }
  std::vector<Frame> frames(current.Frames().begin(), current.Frames().end());
  const int at = history_.FrameIndex() + 1;
  frames.insert(frames.begin() + at, added.begin(), added.end());
  EditFrames(step, Animation(std::move(frames), current.DefaultDelay()), at);
}

void Form1::ShowSession() {
  // Whatever changed the history ended the stroke; what it painted is no step.
  stroke_.reset();
  ShowLamps(history_.Lamps());
  ShowOnionSkin();
  delete_frame_->setEnabled(!Playing() && history_.Current().FrameCount() > 1);
  undo_->setEnabled(history_.CanUndo());
  undo_->setText(StepName("&Undo", history_.UndoTitle()));
  redo_->setEnabled(history_.CanRedo());
  redo_->setText(StepName("&Redo", history_.RedoTitle()));
  frame_strip_->Show(history_.Current(), history_.FrameIndex());
  recovery_->Keep(history_.Current());
}

void Form1::EditFrames(const QString& step, Animation next, int frame) {
  if (Playing()) {
    return;
  }
  // A single picture looks as it always has; the strip comes with a second frame.
  const bool second_frame = history_.Current().FrameCount() == 1 && next.FrameCount() > 1;
  history_.Record(step.toStdString(), std::move(next), frame);
  if (second_frame) {
    frames_dock_->show();
  }
  ShowSession();
}

void Form1::ApplyOperation(const QString& step, void (*apply)(LampMatrix&)) {
  if (!apply_to_all_->isChecked()) {
    ChangeLamps(step, apply);
    return;
  }
  Animation next = history_.Current();
  for (int index = 0; index < next.FrameCount(); ++index) {
    LampMatrix lamps = next.At(index).Lamps();
    apply(lamps);
    next = WithFrame(next, index, Frame(lamps, next.At(index).Delay()));
  }
  EditFrames(step, std::move(next), history_.FrameIndex());
}

void Form1::ChooseFrame(int index) {
  if (index >= 0 && index < history_.Current().FrameCount() && !Playing()) {
    history_.ChooseFrame(index);
    ShowSession();
  }
}

void Form1::AddFrame() {
  const int at = history_.FrameIndex() + 1;
  EditFrames("Add Frame", InsertFrame(history_.Current(), at, LampMatrix()), at);
}

void Form1::DuplicateFrame() {
  const int index = history_.FrameIndex();
  EditFrames("Duplicate Frame", glyphgrid::DuplicateFrame(history_.Current(), index), index + 1);
}

void Form1::DeleteFrame() {
  const Animation& frames = history_.Current();
  const int index = history_.FrameIndex();
  EditFrames("Delete Frame", glyphgrid::DeleteFrame(frames, index),
             std::min(index, std::max(frames.FrameCount() - 2, 0)));
}

void Form1::MoveFrameBy(int places) {
  const int from = history_.FrameIndex();
  const int to = std::clamp(from + places, 0, history_.Current().FrameCount() - 1);
  EditFrames("Move Frame", MoveFrame(history_.Current(), from, to), to);
}

void Form1::ReverseFrames() {
  const Animation& frames = history_.Current();
  EditFrames("Reverse Frames", glyphgrid::ReverseFrames(frames),
             frames.FrameCount() - 1 - history_.FrameIndex());
}

void Form1::AskDelay() {
  const int index = history_.FrameIndex();
  const Frame& frame = history_.Current().At(index);
  const std::optional<int> delay =
      toolkit_.AskNumber(this, QString("How long frame %1 shows, in milliseconds:").arg(index + 1),
                         "Delay", frame.Delay(), MinDelay, MaxDelay);
  if (delay) {
    EditFrames("Delay", WithFrame(history_.Current(), index, Frame(frame.Lamps(), *delay)), index);
  }
}

void Form1::AskDefaultDelay() {
  const std::optional<int> delay =
      toolkit_.AskNumber(this, "How long new frames show, in milliseconds:", "Default Delay",
                         history_.Current().DefaultDelay(), MinDelay, MaxDelay);
  if (delay) {
    EditFrames("Default Delay", WithDefaultDelay(history_.Current(), *delay),
               history_.FrameIndex());
  }
}

void Form1::ShowOnionSkin() {
  const int index = history_.FrameIndex();
  lamp_grid_->ShowOnionSkin(onion_skin_->isChecked() && !Playing() && index > 0
                                ? std::optional(history_.Current().At(index - 1).Lamps())
                                : std::nullopt);
}

bool Form1::Playing() const {
  return playback_->isActive();
}

void Form1::Play(bool playing) {
  for (QAction* action : editing_actions_) {
    action->setEnabled(!playing);
  }
  lamp_grid_->setEnabled(!playing);
  play_->setChecked(playing);
  play_->setText(playing ? "&Stop" : "&Play");
  if (!playing) {
    playback_->stop();
    history_.ChooseFrame(std::min(history_.FrameIndex(), history_.Current().FrameCount() - 1));
    ShowSession();
    return;
  }
  lamp_grid_->ShowOnionSkin(std::nullopt);
  play_direction_ = 1;
  stroke_.reset();
  playback_->start(history_.Current().At(history_.FrameIndex()).Delay());
}

// Each frame shows for its own delay; nothing is recorded, and the frame shown last stays chosen.
void Form1::ShowNextFrame() {
  const int count = history_.Current().FrameCount();
  int next = history_.FrameIndex() + play_direction_;
  if (next < 0 || next >= count) {
    if (ping_pong_->isChecked() && count > 1) {
      play_direction_ = -play_direction_;
      next = history_.FrameIndex() + play_direction_;
    } else {
      next = play_direction_ > 0 ? 0 : count - 1;
    }
  }
  history_.ChooseFrame(next);
  ShowLamps(history_.Lamps());
  frame_strip_->Show(history_.Current(), next);
  playback_->start(history_.Current().At(next).Delay());
}

void Form1::CreateFrameMenu() {
  frame_strip_ = new FrameStrip(this);
  frames_dock_ = new QDockWidget("Frames", this);
  frames_dock_->setObjectName("FramesDock");
  frames_dock_->setWidget(frame_strip_);
  frames_dock_->setFeatures(QDockWidget::DockWidgetClosable);
  frame_strip_->setFixedHeight(frame_strip_->sizeHintForRow(0) + 24);
  addDockWidget(Qt::BottomDockWidgetArea, frames_dock_);
  // The strip comes after the lamps in the Tab order, so a keyboard user can reach it.
  setTabOrder(lamp_grid_, frame_strip_);
  frames_dock_->hide();
  connect(frame_strip_, &FrameStrip::FrameChosen, this, &Form1::ChooseFrame);
  connect(frame_strip_, &FrameStrip::MoveRequested, this, [this](int from, int to) {
    EditFrames("Move Frame", MoveFrame(history_.Current(), from, to), to);
  });
  playback_ = new QTimer(this);
  playback_->setSingleShot(true);
  playback_->setTimerType(Qt::PreciseTimer);
  connect(playback_, &QTimer::timeout, this, &Form1::ShowNextFrame);

  QMenu* frame = menuBar()->addMenu("F&rame");
  const auto add = [this, frame](const char* caption, const char* name, const char* shortcut,
                                 auto slot) {
    QAction* action = frame->addAction(caption, QKeySequence(shortcut), this, slot);
    action->setObjectName(name);
    editing_actions_ << action;
    return action;
  };
  add("&Add Frame", "actionAddFrame", "Insert", &Form1::AddFrame);
  add("&Duplicate Frame", "actionDuplicateFrame", "Ctrl+D", &Form1::DuplicateFrame);
  delete_frame_ = add("Dele&te Frame", "actionDeleteFrame", "Delete", &Form1::DeleteFrame);
  delete_frame_->setEnabled(false);
  add("Move Frame &Left", "actionMoveFrameLeft", "Ctrl+Shift+Left", [this] { MoveFrameBy(-1); });
  add("Move Frame &Right", "actionMoveFrameRight", "Ctrl+Shift+Right", [this] { MoveFrameBy(1); });
  add("Re&verse Frames", "actionReverseFrames", "", &Form1::ReverseFrames);
  add("Te&xt to Frames...", "actionTextToFrames", "", &Form1::ShowTextFrames);
  frame->addSeparator();
  add("D&elay...", "actionDelay", "", &Form1::AskDelay);
  add("De&fault Delay...", "actionDefaultDelay", "", &Form1::AskDefaultDelay);
  frame->addSeparator();
  play_ = frame->addAction("&Play", QKeySequence("F5"), this, &Form1::Play);
  play_->setObjectName("actionPlay");
  play_->setCheckable(true);
  ping_pong_ = frame->addAction("Play P&ing-Pong");
  ping_pong_->setObjectName("actionPingPong");
  ping_pong_->setCheckable(true);

  QMenu* view = menuBar()->addMenu("&View");
  QAction* frames_view = frames_dock_->toggleViewAction();
  frames_view->setText("&Frames");
  frames_view->setObjectName("actionFrames");
  view->addAction(frames_view);
  onion_skin_ =
      view->addAction("&Onion Skin", QKeySequence("Ctrl+Shift+O"), this, &Form1::ShowOnionSkin);
  onion_skin_->setObjectName("actionOnionSkin");
  onion_skin_->setCheckable(true);
}

}  // namespace glyphgrid
