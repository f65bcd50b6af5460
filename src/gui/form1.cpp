#include "gui/form1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include "core/click_editing.h"
#include "core/data_text.h"
#include "gui/app_icon.h"
#include "gui/client_area.h"
#include "gui/controls.h"
#include "gui/form2.h"
#include "gui/frm_about.h"
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
    : QMainWindow(parent), toolkit_(toolkit), client_area_(new ClientArea(lamps_, this)) {
  setObjectName("Form1");
  setWindowTitle("www.glyphgrid.example");
  setWindowIcon(AppIcon());
  setCentralWidget(client_area_);
  CreateControls();
  CreateMenus();
  move(TwipsToPixels(4530), TwipsToPixels(2325));
  connect(client_area_, &ClientArea::Pressed, this, &Form1::Form_MouseDown);
}

Form1::~Form1() = default;

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

  connect(command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(command5, &QPushButton::clicked, this, &Form1::Command5_Click);
  connect(command10, &QPushButton::clicked, this, &Form1::Command10_Click);
}

void Form1::SetLamps(const LampMatrix& lamps) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    if (lamps.Colour(i) != lamps_.Colour(i)) {
      client_area_->UpdateLamp(i);
    }
  }
  lamps_ = lamps;
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
    ChangeLamps([](LampMatrix& lamps) { lamps.ClearAll(); });
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

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
  ChangeLamps([x, y](LampMatrix& lamps) { PressLamp(lamps, x, y); });
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
}

void Form1::Form_Unload() {
  delete form2_;
  delete frm_about_;
  toolkit_.EndProgram();
}

}  // namespace glyphgrid
