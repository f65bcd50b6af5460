#pragma once

#include <QWidget>

class QPushButton;

namespace glyphgrid {

class TextBox;

// The data viewer: shows the DATA text (or a loaded file's text) and copies it to the clipboard.
// Modeless; "Close" hides it, its close box destroys it.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(QWidget* parent);

  // The text of Text1, given back exactly as it was set (CR and LF included) until the user
  // edits it.
  QString Text() const;
  void SetText(const QString& text);

  void Command1_Click();
  void Command2_Click();

 protected:
  // The viewer opens with the focus on "Copy to Clipboard", so a keyboard user does not type into
  // the text by accident.
  void showEvent(QShowEvent* event) override;

 private:
  TextBox* text1_;
  QPushButton* command1_;
};

}  // namespace glyphgrid
