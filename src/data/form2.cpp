#include "data/form2.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "data/text_box.h"
#include "editor/app_icon.h"
#include "editor/twips.h"

namespace glyphgrid {

namespace {

QFont ButtonFont() {
  QFont font("MS Sans Serif");
  font.setPointSizeF(8.25);
  return font;
}

}  // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window),
      text1_(new TextBox(this)),
      command1_(new QPushButton("Copy to Clipboard", this)),
      command2_(new QPushButton("Close", this)) {
  setObjectName("Form2");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Display Datas");
  setWindowIcon(AppIcon());
  QFont font("Times New Roman");
  font.setPointSizeF(8.25);
  setFont(font);
  resize(TwipsToPixels(7050), TwipsToPixels(2670));

  text1_->setObjectName("Text1");
  text1_->setGeometry(TwipsRect(120, 360, 6495, 1215));
  text1_->SetText("Text1");

  command1_->setObjectName("Command1");
  command1_->setGeometry(TwipsRect(1680, 1920, 1455, 495));
  command1_->setFont(ButtonFont());
  command2_->setObjectName("Command2");
  command2_->setGeometry(TwipsRect(3120, 1920, 1455, 495));
  command2_->setFont(ButtonFont());

  setTabOrder(command1_, command2_);
  setTabOrder(command2_, text1_);

  connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
  connect(command2_, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::Command1_Click() {
  QGuiApplication::clipboard()->setText(text1_->Text());
}

void Form2::Command2_Click() {
  setVisible(false);
}

}  // namespace glyphgrid
