#include "support/fake_toolkit.h"

namespace glyphgrid {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback) {
  if (!queue.empty()) {
    fallback = std::move(queue.front());
    queue.pop_front();
  }
  return fallback;
}

}  // namespace

bool FakeToolkit::AskYesNo(QWidget*, const QString& prompt, const QString& title) {
  calls.push_back({"question", prompt, title});
  return TakeFront(answers, false);
}

void FakeToolkit::ShowMessage(QWidget*, const QString& text, const QString& title) {
  calls.push_back({"message", text, title});
}

void FakeToolkit::ShowError(QWidget*, const QString& text, const QString& title) {
  calls.push_back({"error", text, title});
}

std::optional<QString> FakeToolkit::ChooseSaveFile(QWidget*, const QString& filter) {
  calls.push_back({"save", filter, {}});
  return TakeFront(file_names, std::optional<QString>());
}

std::optional<QString> FakeToolkit::ChooseOpenFile(QWidget*, const QString& filter) {
  calls.push_back({"open", filter, {}});
  return TakeFront(file_names, std::optional<QString>());
}

bool FakeToolkit::StartProgram(const QString& path) {
  calls.push_back({"start", path, {}});
  return startable.contains(path);
}

void FakeToolkit::EndProgram() {
  calls.push_back({"end", {}, {}});
}

std::vector<FakeToolkit::Call> FakeToolkit::CallsOf(const QString& kind) const {
  std::vector<Call> result;
  for (const Call& call : calls) {
    if (call.kind == kind) {
      result.push_back(call);
    }
  }
  return result;
}

}  // namespace glyphgrid
