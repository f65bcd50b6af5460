#include <QMenuBar>

#include "core/pattern_operations.h"
#include "gui/form1.h"
#include "gui/from_view.h"

namespace glyphgrid {

namespace {

// "Shift Up" is found as "actionShiftUp".
QString ActionName(const PatternOperation& operation) {
  return "action" + QString::fromStdString(operation.Title()).remove(' ');
}

}  // namespace

// The operations that no button reaches are offered here, with keyboard shortcuts that work
// whichever control has the focus.
void Form1::CreateMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&New", QKeySequence("Ctrl+N"), this, &Form1::NewDisplay)
      ->setObjectName("actionNew");
  file->addAction("&Open...", QKeySequence("Ctrl+O"), this, &Form1::LoadPattern)
      ->setObjectName("actionOpen");
  file->addAction("&Import...", this, &Form1::ImportPatternFile)->setObjectName("actionImport");
  file->addAction("Import &Picture...", this, &Form1::ImportPicture)
      ->setObjectName("actionImportPicture");
  file->addAction("Recover &Last Session", this, &Form1::RecoverLastSession)
      ->setObjectName("actionRecoverLastSession");
  file->addAction("&Save...", QKeySequence("Ctrl+S"), this, &Form1::SavePattern)
      ->setObjectName("actionSave");
  file->addAction("Save &Colour Pattern...", QKeySequence("Ctrl+Shift+S"), this,
                  &Form1::SaveColourPattern)
      ->setObjectName("actionSaveColourPattern");
  file->addAction("Save &Document...", QKeySequence("Ctrl+Alt+S"), this, &Form1::SaveDocument)
      ->setObjectName("actionSaveDocument");
  file->addAction("&Export...", QKeySequence("Ctrl+E"), this, &Form1::ShowExport)
      ->setObjectName("actionExport");
  file->addAction("Expo&rt Picture...", this, &Form1::ShowExportPicture)
      ->setObjectName("actionExportPicture");
  file->addSeparator();
  file->addAction("E&xit", QKeySequence("Ctrl+Q"), this, &Form1::ExitProgram)
      ->setObjectName("actionExit");

  QMenu* edit = menuBar()->addMenu("&Edit");
  undo_ = edit->addAction("&Undo", QKeySequence("Ctrl+Z"), this, &Form1::Undo);
  undo_->setObjectName("actionUndo");
  redo_ = edit->addAction("&Redo", this, &Form1::Redo);
  redo_->setObjectName("actionRedo");
  redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  undo_->setEnabled(false);
  redo_->setEnabled(false);
  edit->addSeparator();
  edit->addAction("&Clear Display", this, &Form1::ClearDisplay)
      ->setObjectName("actionClearDisplay");
  edit->addAction("&View Data", this, &Form1::Command5_Click)->setObjectName("actionViewData");
  edit->addAction("C&opy Data", this, &Form1::Command10_Click)->setObjectName("actionCopyData");
  QAction* paste =
      edit->addAction("&Paste Pattern", QKeySequence("Ctrl+Shift+V"), this, &Form1::PastePattern);
  paste->setObjectName("actionPastePattern");
  editing_actions_ << undo_ << redo_ << paste;
  CreatePaintMenu(edit);

  // Clear asks first, so it is the Edit menu's Clear Display above, not a Pattern entry.
  QMenu* pattern = menuBar()->addMenu("&Pattern");
  std::optional<PatternOperation::Group> group;
  for (const PatternOperation& operation : PatternOperations()) {
    if (operation.group == PatternOperation::Group::Clear) {
      continue;
    }
    if (group && *group != operation.group) {
      pattern->addSeparator();
    }
    group = operation.group;
    const auto apply = operation.apply;
    const QString title = QString::fromStdString(operation.Title());
    QAction* action =
        pattern->addAction(FromView(operation.caption), QKeySequence(FromView(operation.shortcut)),
                           this, [this, apply, title] { ApplyOperation(title, apply); });
    action->setObjectName(ActionName(operation));
    editing_actions_ << action;
  }
  pattern->addSeparator();
  apply_to_all_ = pattern->addAction("Appl&y to All Frames");
  apply_to_all_->setObjectName("actionApplyToAllFrames");
  apply_to_all_->setCheckable(true);

  CreateFrameMenu();
  CreateBoardMenu();

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&About Glyphgrid", this, &Form1::ShowAbout)->setObjectName("actionAbout");
}

}  // namespace glyphgrid
