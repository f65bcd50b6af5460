#include "gui/pattern_file.h"

#include <QFile>
#include <QSaveFile>

namespace glyphgrid {

namespace {

Error Failure(const char* action, const QString& name, const QString& reason) {
  return {Error::Kind::Unreadable,
          QStringLiteral("Could not %1 \"%2\": %3").arg(action, name, reason).toStdString()};
}

}  // namespace

std::optional<Error> WritePatternFile(const QString& name, const std::string& bytes) {
  QSaveFile file(name);
  // Unbuffered, a short write (a full disk) shows in write()'s count; a buffered commit() can
  // report success after writing only part of the data.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return Failure("save", name, file.errorString());
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    // A short write sets no error of its own.
    const QString reason =
        file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("only part of it could be written; is the disk full?");
    return Failure("save", name, reason);
  }
  if (!file.commit()) {
    return Failure("save", name, file.errorString());
  }
  return std::nullopt;
}

std::variant<std::string, Error> ReadPatternFile(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    return Failure("open", name, file.errorString());
  }
  // Reading one byte past the limit tells a large file without reading all of it.
  const QByteArray bytes = file.read(MaxPatternTextSize + 1);
  if (file.error() != QFileDevice::NoError) {
    return Failure("read", name, file.errorString());
  }
  if (static_cast<std::size_t>(bytes.size()) > MaxPatternTextSize) {
    return Failure("open", name,
                   QStringLiteral("the file is larger than %1, too large for a pattern file")
                       .arg(MaxPatternTextSizeName));
  }
  return bytes.toStdString();
}

}  // namespace glyphgrid
