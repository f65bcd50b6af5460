#include "gui/recovery_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/document_file.h"
#include "core/text_file.h"
#include "gui/pattern_file.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace glyphgrid {

namespace {

// Unique among the sessions of this process too, which tests start by the dozen.
QString NewSessionName() {
  static int sessions = 0;
  return QStringLiteral("session-%1-%2-%3.glyphgrid")
      .arg(QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss"))
      .arg(QCoreApplication::applicationPid())
      .arg(++sessions);
}

QString LockFileOf(const QString& session_file) {
  const QFileInfo session(session_file);
  return session.path() + "/" + session.completeBaseName() + ".lock";
}

// Every other session's file, the latest written first. Named pipes and the like are listed too,
// so that Recover says what they are.
QFileInfoList OtherSessions(const QString& folder, const QString& own) {
  QFileInfoList sessions = QDir(folder).entryInfoList({QStringLiteral("session-*.glyphgrid")},
                                                      QDir::Files | QDir::System, QDir::Time);
  sessions.removeIf([&own](const QFileInfo& session) { return session.fileName() == own; });
  return sessions;
}

// Taking the lock for a moment clears one that a killed editor left. A lock that cannot be
// taken for want of permission, or an empty one that a power cut left, names no running editor:
// the session counts as ended, and its file can still be read.
bool Running(const QFileInfo& session) {
  QLockFile lock(LockFileOf(session.filePath()));
  // A running editor holds its lock for hours.
  lock.setStaleLockTime(0);
  if (lock.tryLock(0)) {
    return false;
  }
  return lock.error() == QLockFile::LockFailedError && lock.getLockInfo(nullptr, nullptr, nullptr);
}

// QSaveFile syncs the file but not the folder that names it: a power cut soon after a write could
// still lose the new name, and with it the file.
void SyncFolder(const QString& folder) {
#if defined(Q_OS_UNIX)
  const int descriptor =
      ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
#endif
}

Error SaveFailure(const QString& name, const std::string& reason) {
  return {Error::Kind::Unreadable, "cannot save " + ShownFileName(name) + ": " + reason};
}

}  // namespace

QString RecoveryStore::DefaultFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // Qt 6.4 has no state location. A recovery copy is state by the XDG rules: kept across
  // restarts, but neither a setting nor a document of the user's.
  const QString state = qEnvironmentVariable("XDG_STATE_HOME");
  return (QDir::isAbsolutePath(state) ? state : QDir::homePath() + "/.local/state") + "/glyphgrid";
#else
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recovery";
#endif
}

RecoveryStore::RecoveryStore(const QString& folder, QObject* parent)
    : QObject(parent),
      folder_(folder),
      file_(folder + "/" + NewSessionName()),
      lock_(LockFileOf(file_)),
      timer_(new QTimer(this)) {
  lock_.setStaleLockTime(0);
  timer_->setObjectName("RecoveryTimer");
  timer_->setSingleShot(true);
  timer_->setInterval(WriteDelay);
  connect(timer_, &QTimer::timeout, this, &RecoveryStore::WriteOnTime);
}

void RecoveryStore::Keep(const Animation& animation) {
  kept_ = animation;
  if (!timer_->isActive()) {
    timer_->start();
  }
}

std::optional<Error> RecoveryStore::Write() {
  timer_->stop();
  if (kept_ == written_) {
    return std::nullopt;
  }
  if (kept_ == Animation()) {
    QFile file(file_);
    if (file.exists() && !file.remove()) {
      return Error{Error::Kind::Unreadable, "cannot remove " + ShownFileName(file_) + ": " +
                                                file.errorString().toStdString()};
    }
  } else {
    if (std::optional<Error> failure = Claim()) {
      return failure;
    }
    if (std::optional<Error> failure =
            WritePatternFile(file_, DocumentText({kept_, std::nullopt}))) {
      return failure;
    }
    SyncFolder(folder_);
  }
  written_ = kept_;
  failing_ = false;
  return std::nullopt;
}

void RecoveryStore::WriteOnTime() {
  const std::optional<Error> failure = Write();
  if (failure && !std::exchange(failing_, true)) {
    emit WriteFailed("Cannot keep a recovery copy: " + QString::fromStdString(failure->message));
  }
}

// The lock comes before the first file, so no other editor ever sees this session's file
// unlocked while it runs.
std::optional<Error> RecoveryStore::Claim() {
  if (lock_.isLocked()) {
    return std::nullopt;
  }
  std::error_code failure;
  std::filesystem::create_directories(QFile::encodeName(folder_).toStdString(), failure);
  if (failure) {
    return Error{Error::Kind::Unreadable,
                 "cannot create the folder " + ShownFileName(folder_) + ": " + failure.message()};
  }
  if (!lock_.tryLock(0)) {
    return SaveFailure(lock_.fileName(), lock_.error() == QLockFile::PermissionError
                                             ? "Permission denied"
                                             : "it could not be written; is the disk full?");
  }
  RemoveOlderSessions();
  return std::nullopt;
}

// Only the ended session that wrote last can be recovered; the files of those before it go.
void RecoveryStore::RemoveOlderSessions() {
  bool latest_kept = false;
  for (const QFileInfo& session : OtherSessions(folder_, QFileInfo(file_).fileName())) {
    if (Running(session)) {
      continue;
    }
    if (latest_kept) {
      QFile::remove(session.filePath());
    }
    latest_kept = true;
  }
}

std::optional<QString> RecoveryStore::LastSessionFile() const {
  for (const QFileInfo& session : OtherSessions(folder_, QFileInfo(file_).fileName())) {
    if (!Running(session)) {
      return session.filePath();
    }
  }
  return std::nullopt;
}

std::variant<Animation, Error> RecoveryStore::Read(const QString& file) {
  std::variant<std::string, Error> bytes =
      ReadPatternFile(QFile::encodeName(file).toStdString(), ShownFileName(file),
                      FileAccess::RegularFilesOnly, DocumentTextLimit);
  if (const auto* failure = std::get_if<Error>(&bytes)) {
    return *failure;
  }
  std::variant<Document, Error> document = ParseDocument(std::get<std::string>(bytes));
  if (const auto* failure = std::get_if<Error>(&document)) {
    return Error{failure->kind,
                 "cannot recover from " + ShownFileName(file) + ": " + failure->message};
  }
  return std::get<Document>(document).animation;
}

}  // namespace glyphgrid
