#pragma once

#include "gui/toolkit.h"

namespace glyphgrid {

class QtToolkit final : public Toolkit {
 public:
  bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title) override;
  void ShowMessage(QWidget* parent, const QString& text, const QString& title) override;
  void ShowError(QWidget* parent, const QString& text, const QString& title) override;
  std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& filter) override;
  std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& filter) override;
  std::optional<int> AskNumber(QWidget* parent, const QString& prompt, const QString& title,
                               int value, int minimum, int maximum) override;
  bool StartProgram(const QString& path) override;
  void EndProgram() override;
};

}  // namespace glyphgrid
