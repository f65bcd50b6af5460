#include "gui/qt_toolkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace glyphgrid {

QString WithWordsWhole(const QString& text) {
  constexpr QChar WordJoiner(0x2060);
  QString whole;
  whole.reserve(text.size());
  qsizetype word_start = 0;
  qsizetype word_end = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!text[i].isSpace() && (i == 0 || text[i - 1].isSpace())) {
      word_start = i;
      word_end = i;
      while (word_end < text.size() && !text[word_end].isSpace()) {
        ++word_end;
      }
    }
    whole += text[i];
    const bool inside_short_word = i + 1 < word_end && word_end - word_start <= LongestWholeWord;
    if (inside_short_word && (text[i] == '-' || text[i] == '/')) {
      whole += WordJoiner;
    }
  }
  return whole;
}

bool QtToolkit::AskYesNo(QWidget* parent, const QString& prompt, const QString& title) {
  return QMessageBox::question(parent, title, WithWordsWhole(prompt),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtToolkit::ShowMessage(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, WithWordsWhole(text), QMessageBox::Ok, parent);
  box.exec();
}

void QtToolkit::ShowError(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox::critical(parent, title, WithWordsWhole(text));
}

std::optional<QString> QtToolkit::ChooseSaveFile(QWidget* parent, const QString& filter,
                                                 const QString& folder) {
  // Replacing an existing pattern file without a question is the editor's documented behaviour.
  const QString name = QFileDialog::getSaveFileName(parent, QString(), folder, filter, nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtToolkit::ChooseOpenFile(QWidget* parent, const QString& filter,
                                                 const QString& folder) {
  const QString name = QFileDialog::getOpenFileName(parent, QString(), folder, filter);
  return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<int> QtToolkit::AskNumber(QWidget* parent, const QString& prompt,
                                        const QString& title, int value, int minimum, int maximum) {
  bool given = false;
  const int number =
      QInputDialog::getInt(parent, title, prompt, value, minimum, maximum, 1, &given);
  return given ? std::optional<int>(number) : std::nullopt;
}

bool QtToolkit::StartProgram(const QString& path) {
  return !path.isEmpty() && QProcess::startDetached(path, {});
}

void QtToolkit::EndProgram() {
  QApplication::exit(0);
}

}  // namespace glyphgrid
