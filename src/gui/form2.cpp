#include "gui/form2.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "gui/app_icon.h"
#include "gui/classic_font.h"
#include "gui/controls.h"
#include "gui/text_box.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

// A plain QWidget is a filler to assistive technology; the viewer is a window of its own, named
// by its caption.
QAccessibleInterface* ViewerFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(Form2::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window),
      text1_(MakeControl<TextBox>(this, "Text1", TwipsRect(120, 360, 6495, 1215))) {
  [[maybe_unused]] static const bool accessible = [] {
    QAccessible::installFactory(ViewerFactory);
    return true;
  }();
  setObjectName("Form2");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Display Datas");
  setWindowIcon(AppIcon());
  setFont(ClassicFont());
  resize(TwipsToPixels(7050), TwipsToPixels(2670));
  text1_->SetText("Text1");
  text1_->setAccessibleName("Data");

  command1_ = MakeControl<QPushButton>(this, "Command1", TwipsRect(1680, 1920, 1455, 495),
                                       "Copy to Clipboard");
  // Apart by the gap the main window leaves between its buttons.
  auto* command2 =
      MakeControl<QPushButton>(this, "Command2", TwipsRect(3240, 1920, 1455, 495), "Close");
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
