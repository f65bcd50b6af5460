#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "gui/toolkit.h"

namespace glyphgrid {

// Hands out prepared answers in order and records every call as "kind|text|title" (kinds:
// question, message, error, save, open, number, start, end). An unprepared question is answered
// No and an unprepared file or number dialog is cancelled.
class FakeToolkit final : public Toolkit {
 public:
  std::deque<bool> answers;
  std::deque<std::optional<QString>> file_names;
  std::deque<std::optional<int>> numbers;
  QStringList startable;  // every other program fails to start
  QStringList calls;
  QStringList start_folders;  // where each file dialog started

  bool AskYesNo(QWidget*, const QString& prompt, const QString& title) override {
    return Record("question", prompt, title) && Next(answers, false);
  }
  void ShowMessage(QWidget*, const QString& text, const QString& title) override {
    Record("message", text, title);
  }
  void ShowError(QWidget*, const QString& text, const QString& title) override {
    Record("error", text, title);
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const QString& filter,
                                        const QString& folder) override {
    Record("save", filter);
    start_folders << folder;
    return Next(file_names, std::optional<QString>());
  }
  std::optional<QString> ChooseOpenFile(QWidget*, const QString& filter,
                                        const QString& folder) override {
    Record("open", filter);
    start_folders << folder;
    return Next(file_names, std::optional<QString>());
  }
  std::optional<int> AskNumber(QWidget*, const QString& prompt, const QString& title, int, int,
                               int) override {
    Record("number", prompt, title);
    return Next(numbers, std::optional<int>());
  }
  bool StartProgram(const QString& path) override {
    return Record("start", path) && startable.contains(path);
  }
  void EndProgram() override { Record("end"); }

 private:
  bool Record(const QString& kind, const QString& text = {}, const QString& title = {}) {
    calls << kind + "|" + text + "|" + title;
    return true;
  }
  template <typename T>
  static T Next(std::deque<T>& queue, T fallback) {
    if (!queue.empty()) {
      fallback = std::move(queue.front());
      queue.pop_front();
    }
    return fallback;
  }
};

}  // namespace glyphgrid
