#include "gui/text_box.h"

namespace glyphgrid {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!setting_) {
      text_ = toPlainText();
    }
  });
}

void TextBox::SetText(const QString& text) {
  text_ = text;
  setting_ = true;
  setPlainText(text);
  setting_ = false;
}

}  // namespace glyphgrid
