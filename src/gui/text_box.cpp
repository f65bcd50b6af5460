#include "gui/text_box.h"

#include <QLocale>

namespace glyphgrid {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!setting_) {
      text_ = toPlainText();
    }
  });
}

void TextBox::SetText(const QString& text) {
  text_ = text;
  const bool whole = text.size() <= PreviewLength;
  setting_ = true;
  setPlainText(
      whole ? text
            : text.left(PreviewLength) +
                  QStringLiteral("\n\n[Only the first %1 of its %2 characters are shown. "
                                 "Copy to Clipboard copies them all.]")
                      .arg(QLocale().toString(PreviewLength), QLocale().toString(text.size())));
  setting_ = false;
  // An edit of the preview would leave only the preview to copy.
  setReadOnly(!whole);
}

}  // namespace glyphgrid
