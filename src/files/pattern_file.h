#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace glyphgrid {

struct FileError {
  QString message;  // names the file and the system's reason
};

// Replaces the file as a whole: a failed write leaves any previous file as it was.
std::optional<FileError> WritePatternFile(const QString& name, const QByteArray& bytes);

std::variant<QByteArray, FileError> ReadPatternFile(const QString& name);

}  // namespace glyphgrid
