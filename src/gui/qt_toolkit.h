#pragma once

#include "gui/toolkit.h"

namespace glyphgrid {

class QtToolkit final : public Toolkit {
 public:
  bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title) override;
  void ShowMessage(QWidget* parent, const QString& text, const QString& title) override;
  void ShowError(QWidget* parent, const QString& text, const QString& title) override;
  std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& filter,
                                        const QString& folder) override;
  std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& filter,
                                        const QString& folder) override;
  std::optional<int> AskNumber(QWidget* parent, const QString& prompt, const QString& title,
                               int value, int minimum, int maximum) override;
  bool StartProgram(const QString& path) override;
  void EndProgram() override;
};

// A message's text as a message box shows it: a line may break after a space, never after the
// hyphen in "c-columns" or a slash in a short path, where Qt's line breaking would otherwise
// break. A longer word still breaks there: a message box clips what is wider than itself.
QString WithWordsWhole(const QString& text);
inline constexpr qsizetype LongestWholeWord = 40;

}  // namespace glyphgrid
