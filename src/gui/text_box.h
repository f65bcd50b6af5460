#pragma once

#include <QPlainTextEdit>

namespace glyphgrid {

// A multi-line text box that gives back exactly the text it was given. QPlainTextEdit turns CR LF
// and a lone CR into LF, so the given text is kept beside the widget until the user edits it.
class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const { return text_; }
  void SetText(const QString& text);

 private:
  QString text_;
  bool setting_ = false;
};

}  // namespace glyphgrid
