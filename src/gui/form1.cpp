#include "gui/form1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "core/click_editing.h"
#include "core/data_text.h"
#include "core/pattern_operations.h"
#include "gui/app_icon.h"
#include "gui/board_link.h"
#include "gui/classic_font.h"
#include "gui/controls.h"
#include "gui/form2.h"
#include "gui/frm_about.h"
#include "gui/lamp_grid.h"
#include "gui/recovery_store.h"
#include "gui/toolkit.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

// Enter and keypad Enter press a focused button, as Space does; Qt leaves them to a window's
// default button, and this window has none.
class Button : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

QPushButton* AddButton(QWidget* frame, const char* name, const QString& caption,
                       const QString& tooltip, const QRect& geometry) {
  auto* button = MakeControl<Button>(frame, name, geometry, caption);
  button->setToolTip(tooltip);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

Form1::Form1(Toolkit& toolkit, QWidget* parent)
    : QMainWindow(parent),
      toolkit_(toolkit),
      client_area_(new QWidget(this)),
      lamp_grid_(new LampGrid(lamps_, client_area_)),
      lamp_status_(new QLabel(this)),
      recovery_(new RecoveryStore(RecoveryStore::DefaultFolder(), this)),
      board_link_(new BoardLink(this)) {
  setObjectName("Form1");
  setWindowTitle("www.glyphgrid.example");
  setWindowIcon(AppIcon());
  setFont(ClassicFont());
  client_area_->setObjectName("ClientArea");
  client_area_->setFixedSize(TwipsToPixels(6825), TwipsToPixels(4080));
  client_area_->setAutoFillBackground(true);
  QPalette colours = client_area_->palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  client_area_->setPalette(colours);
  setCentralWidget(client_area_);
  CreateControls();
  CreateMenus();
  lamp_status_->setObjectName("LampStatus");
  // Nothing in the window follows its size, so the status bar offers no grip to change it.
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(lamp_status_);
  move(TwipsToPixels(4530), TwipsToPixels(2325));
  connect(lamp_grid_, &LampGrid::Pressed, this, &Form1::Form_MouseDown);
  connect(lamp_grid_, &LampGrid::Dragged, this, &Form1::PaintDrag);
  connect(lamp_grid_, &LampGrid::Released, this, &Form1::EndStroke);
  connect(lamp_grid_, &LampGrid::MarkToggled, this, [this](LampIndex lamp) {
    ChangeLamps("Draw", [lamp](LampMatrix& lamps) { ToggleLamp(lamps, lamp); });
  });
  connect(lamp_grid_, &LampGrid::MarkColoured, this, [this](LampIndex lamp, LampColour colour) {
    ChangeLamps("Draw", [lamp, colour](LampMatrix& lamps) { lamps.SetColour(lamp, colour); });
  });
  connect(lamp_grid_, &LampGrid::Pointed, this, &Form1::ShowPointed);
  // A timed write happens while the user draws: a message box would interrupt every change.
  connect(recovery_, &RecoveryStore::WriteFailed, this,
          [this](const QString& message) { ShowStatusMessage(message, 15000); });
}

// The window is narrow, so the middle of the message goes: what failed and why stay in view.
void Form1::ShowStatusMessage(const QString& message, int shown_ms) {
  const int margins = 24;
  statusBar()->showMessage(statusBar()->fontMetrics().elidedText(message, Qt::ElideMiddle,
                                                                 statusBar()->width() - margins),
                           shown_ms);
}

Form1::~Form1() {
  // The grid loses the focus as the window's widgets go, and must not report it to a window
  // that is no longer whole.
  lamp_grid_->disconnect(this);
}

void Form1::CreateControls() {
  auto* frame = MakeControl<QGroupBox>(client_area_, "Frame1", TwipsRect(120, 2880, 6495, 1095));
  frame->setAutoFillBackground(true);
  QPalette grey = frame->palette();
  grey.setColor(QPalette::Window, ToQColor(LampGrey));
  frame->setPalette(grey);

  auto* command1 = AddButton(frame, "Command1", "&Clear Display", "Clear the Display",
                             TwipsRect(240, 360, 1335, 495));
  auto* command5 = AddButton(frame, "Command5", "&View Data", "View generated Data for EEPROM",
                             TwipsRect(1680, 360, 1335, 495));
  auto* command10 = AddButton(frame, "Command10", "&Copy Data", "View generated Data for EEPROM",
                              TwipsRect(3240, 360, 1335, 495));
  auto* command3 =
      AddButton(frame, "Command3", "Exit", "Exit the Program", TwipsRect(4800, 360, 1455, 495));
  setTabOrder(command1, command5);
  setTabOrder(command5, command3);
  setTabOrder(command3, command10);
  // The lamps come last, so the buttons keep their order and the window opens on the first one.
  setTabOrder(command10, lamp_grid_);
  command1->setFocus();

  connect(command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(command5, &QPushButton::clicked, this, &Form1::Command5_Click);
  connect(command10, &QPushButton::clicked, this, &Form1::Command10_Click);
}

Form2& Form1::Viewer() {
  if (!form2_) {
    form2_ = new Form2(this);
  }
  return *form2_;
}

Form2* Form1::ExistingViewer() const {
  return form2_;
}

frmAbout* Form1::ExistingAbout() const {
  return frm_about_;
}

void Form1::ShowAbout() {
  if (!frm_about_) {
    frm_about_ = new frmAbout(toolkit_, this);
  }
  frm_about_->show();
}

void Form1::GenerateData() {
  Viewer().SetText(QString::fromLatin1(DataText(lamps_)));
}

void Form1::ClearDisplay() {
  Command1_Click();
}

void Form1::ExitProgram() {
  Command3_Click();
}

void Form1::Command1_Click() {
  if (toolkit_.AskYesNo(this, "Do you want to clear the Display!", MessageTitle)) {
    ApplyOperation("Clear Display", FindPatternOperation("clear")->apply);
  }
}

void Form1::Command3_Click() {
  if (toolkit_.AskYesNo(this, "Are you sure you want to Quit!", MessageTitle)) {
    close();
  }
}

void Form1::Command5_Click() {
  GenerateData();
  Viewer().setVisible(true);
}

void Form1::Command10_Click() {
  GenerateData();
  Viewer().Command1_Click();
}

void Form1::closeEvent(QCloseEvent*) {
  Form_Unload();
}

void Form1::Form_Unload() {
  // The window closes without a word, so a failure here has nobody to tell.
  recovery_->Write();
  delete form2_;
  delete frm_about_;
  toolkit_.EndProgram();
}

}  // namespace glyphgrid
