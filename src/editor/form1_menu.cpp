#include <QMenuBar>

#include "editor/form1.h"

namespace glyphgrid {

// The operations that no button reaches are offered here, with keyboard shortcuts that work
// whichever control has the focus.
void Form1::CreateMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&New", QKeySequence("Ctrl+N"), this, &Form1::NewDisplay)
      ->setObjectName("actionNew");
  file->addAction("&Open...", QKeySequence("Ctrl+O"), this, &Form1::LoadPattern)
      ->setObjectName("actionOpen");
  file->addAction("&Save...", QKeySequence("Ctrl+S"), this, &Form1::SavePattern)
      ->setObjectName("actionSave");
  file->addAction("Save &Colour Pattern...", QKeySequence("Ctrl+Shift+S"), this,
                  &Form1::SaveColourPattern)
      ->setObjectName("actionSaveColourPattern");
  file->addSeparator();
  QAction* exit = file->addAction("E&xit", QKeySequence("Ctrl+Q"), this, &Form1::ExitProgram);
  exit->setObjectName("actionExit");

  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->addAction("&Clear Display", this, &Form1::ClearDisplay)
      ->setObjectName("actionClearDisplay");
  edit->addAction("&View Data", this, &Form1::Command5_Click)->setObjectName("actionViewData");
  edit->addAction("C&opy Data", this, &Form1::Command10_Click)->setObjectName("actionCopyData");

  QMenu* pattern = menuBar()->addMenu("&Pattern");
  struct Operation {
    const char* name;
    const char* text;
    const char* shortcut;
    void (Form1::*handler)();
  };
  const Operation operations[] = {
      {"actionShiftUp", "Shift &Up", "Ctrl+Up", &Form1::ShiftUp},
      {"actionShiftDown", "Shift &Down", "Ctrl+Down", &Form1::ShiftDown},
      {"actionShiftLeft", "Shift &Left", "Ctrl+Left", &Form1::ShiftLeft},
      {"actionShiftRight", "Shift &Right", "Ctrl+Right", &Form1::ShiftRight},
      {nullptr, nullptr, nullptr, nullptr},
      {"actionCycleAllColours", "Cycle &All Colours", "Ctrl+K", &Form1::CycleAllColours},
      {"actionCycleLitColours", "Cycle L&it Colours", "Ctrl+Shift+K", &Form1::CycleLitColours},
  };
  for (const Operation& operation : operations) {
    if (operation.name == nullptr) {
      pattern->addSeparator();
      continue;
    }
    pattern->addAction(operation.text, QKeySequence(operation.shortcut), this, operation.handler)
        ->setObjectName(operation.name);
  }

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&About Glyphgrid", this, &Form1::ShowAbout)->setObjectName("actionAbout");
}

}  // namespace glyphgrid
