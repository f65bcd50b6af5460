#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace glyphgrid {

// Everything a window asks of the user or of the system, behind one interface so that tests can
// answer with prepared replies instead of modal dialogs.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A Yes/No question with the question icon; true only for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title) = 0;
  // A message with an OK button only and no icon.
  virtual void ShowMessage(QWidget* parent, const QString& text, const QString& title) = 0;
  virtual void ShowError(QWidget* parent, const QString& text, const QString& title) = 0;

  // The chosen file name, or nothing when the user cancels. The filter is in Qt's form,
  // "Description (*.pattern)"; the dialog starts in `folder`, or where it likes when it is empty.
  virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& filter,
                                                const QString& folder) = 0;
  virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& filter,
                                                const QString& folder) = 0;

  // A whole number from `minimum` to `maximum`, starting at `value`; nothing when the user cancels.
  virtual std::optional<int> AskNumber(QWidget* parent, const QString& prompt, const QString& title,
                                       int value, int minimum, int maximum) = 0;

  // Starts a program detached from this one; false when it cannot be started.
  virtual bool StartProgram(const QString& path) = 0;

  // Ends the program at once, with no further events.
  virtual void EndProgram() = 0;
};

}  // namespace glyphgrid
