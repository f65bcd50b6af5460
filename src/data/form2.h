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

  TextBox& Text1() const { return *text1_; }

  void Command1_Click();
  void Command2_Click();

 private:
  TextBox* text1_;
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace glyphgrid
