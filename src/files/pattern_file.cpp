#include "files/pattern_file.h"

#include <QFile>
#include <QSaveFile>

#include "files/colour_planes.h"

namespace glyphgrid {

namespace {

FileError Failure(const QString& action, const QString& name, const QString& reason) {
  return {QStringLiteral("Could not %1 \"%2\": %3").arg(action, name, reason)};
}

}  // namespace

std::optional<FileError> WritePatternFile(const QString& name, const QByteArray& bytes) {
  QSaveFile file(name);
  // Unbuffered, a short write (a full disk) shows in write()'s count; a buffered commit() can
  // report success after writing only part of the data.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return Failure("save", name, file.errorString());
  }
  if (file.write(bytes) != bytes.size()) {
    // A short write sets no error of its own.
    const QString reason =
        file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("only part of it could be written; is the disk full?");
    file.cancelWriting();
    return Failure("save", name, reason);
  }
  if (!file.commit()) {
    return Failure("save", name, file.errorString());
  }
  return std::nullopt;
}

std::variant<QByteArray, FileError> ReadPatternFile(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    return Failure("open", name, file.errorString());
  }
  // Reading one byte past the limit tells a large file without reading all of it.
  QByteArray bytes = file.read(MaxPatternTextSize + 1);
  if (file.error() != QFileDevice::NoError) {
    return Failure("read", name, file.errorString());
  }
  if (static_cast<std::size_t>(bytes.size()) > MaxPatternTextSize) {
    return Failure("open", name,
                   QStringLiteral("the file is larger than 1 MiB, too large for a pattern file"));
  }
  return bytes;
}

}  // namespace glyphgrid
