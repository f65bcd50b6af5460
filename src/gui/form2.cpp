#include "gui/form2.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "gui/app_icon.h"
#include "gui/classic_font.h"
#include "gui/controls.h"
#include "gui/text_box.h"
#include "gui/twips.h"

namespace glyphgrid {

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window),
      text1_(MakeControl<TextBox>(this, "Text1", TwipsRect(120, 360, 6495, 1215))) {
  setObjectName("Form2");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Display Datas");
  setWindowIcon(AppIcon());
  QFont font("Times New Roman");
  font.setPointSizeF(8.25);
  setFont(font);
  resize(TwipsToPixels(7050), TwipsToPixels(2670));
  text1_->SetText("Text1");

  command1_ = MakeControl<QPushButton>(this, "Command1", TwipsRect(1680, 1920, 1455, 495),
                                       "Copy to Clipboard");
  auto* command2 =
      MakeControl<QPushButton>(this, "Command2", TwipsRect(3120, 1920, 1455, 495), "Close");
  for (QPushButton* button : {command1_, command2}) {
    button->setFont(ClassicFont());
  }
  setTabOrder(command1_, command2);
  setTabOrder(command2, text1_);

  connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
  connect(command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

QString Form2::Text() const {
  return text1_->Text();
}

void Form2::SetText(const QString& text) {
  text1_->SetText(text);
}

void Form2::showEvent(QShowEvent* event) {
  command1_->setFocus();
  QWidget::showEvent(event);
}

void Form2::Command1_Click() {
  QGuiApplication::clipboard()->setText(text1_->Text());
}

void Form2::Command2_Click() {
  setVisible(false);
}

}  // namespace glyphgrid
