#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "editor/toolkit.h"

namespace glyphgrid {

// Hands out prepared answers in order and records every call. An unprepared question is answered
// No and an unprepared file dialog is cancelled, and both are recorded, so a test sees them.
class FakeToolkit final : public Toolkit {
 public:
  struct Call {
    QString kind;  // "question", "message", "error", "save", "open", "start", "end"
    QString text;  // prompt, message, filter or program path
    QString title;
  };

  std::deque<bool> answers;
  std::deque<std::optional<QString>> file_names;
  // Programs that StartProgram accepts; every other path fails to start.
  QStringList startable;
  std::vector<Call> calls;

  bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title) override;
  void ShowMessage(QWidget* parent, const QString& text, const QString& title) override;
  void ShowError(QWidget* parent, const QString& text, const QString& title) override;
  std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& filter) override;
  std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& filter) override;
  bool StartProgram(const QString& path) override;
  void EndProgram() override;

  // The calls of one kind, in order.
  std::vector<Call> CallsOf(const QString& kind) const;
};

}  // namespace glyphgrid
