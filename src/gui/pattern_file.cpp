#include "gui/pattern_file.h"

#include <QFile>
#include <QSaveFile>

#include "core/text_file.h"
#include "gui/from_view.h"

namespace glyphgrid {

namespace {

Error Failure(const QString& name, const QString& reason) {
  return {Error::Kind::Unreadable,
          "cannot save " + ShownFileName(name) + ": " + reason.toStdString()};
}

}  // namespace

std::string ShownFileName(const QString& name) {
  return "\"" + Escaped(name.toStdString()) + "\"";
}

QString ErrorText(const Error& error) {
  QString text = QString::fromStdString(error.message);
  if (!text.isEmpty()) {
    text[0] = text[0].toUpper();
  }
  return text;
}

std::optional<Error> WritePatternFile(const QString& name, const std::string& bytes) {
  // QSaveFile would put a new file in the place of a named pipe or a device node.
  if (const std::optional<std::string_view> kind =
          NonFileKind(QFile::encodeName(name).toStdString())) {
    return Failure(name, "it is " + FromView(*kind) + ", not a file");
  }
  QSaveFile file(name);
  // Unbuffered, a short write (a full disk) shows in write()'s count; a buffered commit() can
  // report success after writing only part of the data.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return Failure(name, file.errorString());
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    // A short write sets no error of its own.
    return Failure(name,
                   file.error() != QFileDevice::NoError
                       ? file.errorString()
                       : QStringLiteral("only part of it could be written; is the disk full?"));
  }
  if (!file.commit()) {
    return Failure(name, file.errorString());
  }
  return std::nullopt;
}

}  // namespace glyphgrid
