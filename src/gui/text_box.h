#pragma once

#include <QPlainTextEdit>

namespace glyphgrid {

// A multi-line text box that gives back exactly the text it was given. QPlainTextEdit turns CR LF
// and a lone CR into LF, so the given text is kept beside the widget until the user edits it.
// Tab moves the focus on instead of typing a tab.
class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  // Laying out a long text takes Qt seconds to minutes (a 1 MiB line: minutes), so beyond this
  // many characters only the start is shown, read-only, with a note; Text() stays whole.
  static constexpr qsizetype PreviewLength = 4096;

  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const { return text_; }
  void SetText(const QString& text);

 private:
  QString text_;
  bool setting_ = false;
};

}  // namespace glyphgrid
