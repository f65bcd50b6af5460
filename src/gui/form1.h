#pragma once

#include <QMainWindow>
#include <QPointer>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

class ClientArea;
class Form2;
class Toolkit;
class frmAbout;

// The main window and the whole editor: owns the lamps and every operation on the pattern.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Toolkit& toolkit, QWidget* parent = nullptr);
  ~Form1() override;

  const LampMatrix& Lamps() const { return lamps_; }
  // Every change to the lamps comes through here: it repaints the lamps whose colour changed.
  void SetLamps(const LampMatrix& lamps);

  // The data viewer, created hidden at its first reference; null again once its close box
  // destroyed it.
  Form2& Viewer();
  Form2* ExistingViewer() const;
  frmAbout* ExistingAbout() const;

  void GenerateData();
  void ClearDisplay();
  void ExitProgram();
  void ShowAbout();

  void SavePattern();
  void SaveColourPattern();
  void NewDisplay();
  void LoadPattern();

  // Export and import through wiring profiles (form1_export.cpp).
  void ShowExport();
  void PastePattern();
  void ImportPatternFile();

  void Command1_Click();
  void Command3_Click();
  void Command5_Click();
  void Command10_Click();
  void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Unload();
  void CreateControls();
  void CreateMenus();
  void SaveText(const std::string& bytes);
  void ShowFailure(const Error& error);
  bool ReadExport(const std::string& text, const QString& failure);

  template <typename Change>
  void ChangeLamps(Change change) {
    LampMatrix lamps = lamps_;
    change(lamps);
    SetLamps(lamps);
  }

  Toolkit& toolkit_;
  LampMatrix lamps_;
  ClientArea* client_area_;
  QPointer<Form2> form2_;
  QPointer<frmAbout> frm_about_;
};

// The title of every question and message the editor asks or shows about the pattern.
inline constexpr const char* MessageTitle = "Kestrova";

// The main window's caption after a file operation on `name`.
QString FileCaption(const QString& name);

}  // namespace glyphgrid
