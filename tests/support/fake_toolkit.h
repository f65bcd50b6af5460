#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <optional>
#include <vector>

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
  QStringList startable;  // every other program fails to start
  std::vector<Call> calls;

  bool AskYesNo(QWidget*, const QString& prompt, const QString& title) override {
    Record("question", prompt, title);
    return Next(answers, false);
  }
  void ShowMessage(QWidget*, const QString& text, const QString& title) override {
    Record("message", text, title);
  }
  void ShowError(QWidget*, const QString& text, const QString& title) override {
    Record("error", text, title);
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const QString& filter) override {
    Record("save", filter);
    return Next(file_names, std::optional<QString>());
  }
  std::optional<QString> ChooseOpenFile(QWidget*, const QString& filter) override {
    Record("open", filter);
    return Next(file_names, std::optional<QString>());
  }
  bool StartProgram(const QString& path) override {
    Record("start", path);
    return startable.contains(path);
  }
  void EndProgram() override { Record("end"); }

  std::vector<Call> CallsOf(const QString& kind) const {
    std::vector<Call> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
                 [&kind](const Call& call) { return call.kind == kind; });
    return result;
  }

 private:
  void Record(const QString& kind, const QString& text = {}, const QString& title = {}) {
    calls.push_back({kind, text, title});
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
