#include "gui/qt_toolkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace glyphgrid {

bool QtToolkit::AskYesNo(QWidget* parent, const QString& prompt, const QString& title) {
  return QMessageBox::question(parent, title, prompt, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtToolkit::ShowMessage(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtToolkit::ShowError(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox::critical(parent, title, text);
}

std::optional<QString> QtToolkit::ChooseSaveFile(QWidget* parent, const QString& filter) {
  // Replacing an existing pattern file without a question is the editor's documented behaviour.
  const QString name = QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtToolkit::ChooseOpenFile(QWidget* parent, const QString& filter) {
  const QString name = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
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
