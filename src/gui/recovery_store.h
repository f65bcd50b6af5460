#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <optional>
#include <variant>

#include "core/animation.h"
#include "core/error.h"

class QTimer;

namespace glyphgrid {

// Keeps this session's animation in a file of its own in the recovery folder, so that the next
// session can bring them back after a close, a crash or a power cut. Each session's file has a
// lock file beside it while its editor runs: editors side by side never take each other's work
// for an ended session, and never remove it.
class RecoveryStore : public QObject {
  Q_OBJECT

 public:
  // $XDG_STATE_HOME/glyphgrid, or ~/.local/state/glyphgrid, on Linux and the BSDs; the
  // application's local data folder elsewhere.
  static QString DefaultFolder();

  // Touches nothing on disk until there is a pattern to keep.
  explicit RecoveryStore(const QString& folder, QObject* parent = nullptr);

  // The animation to keep: written within WriteDelay of the first change since the last write, so
  // that a stream of changes cannot put the write off.
  void Keep(const Animation& animation);
  // Writes the animation kept unless the file holds it already. One grey frame, what every
  // session starts with, is nothing to recover: it removes the file, so the session before is
  // offered.
  std::optional<Error> Write();

  // The file of the ended session that wrote last; nothing when there is none.
  std::optional<QString> LastSessionFile() const;
  static std::variant<Animation, Error> Read(const QString& file);

  static constexpr int WriteDelay = 2000;

 signals:
  // A timed write failed, the first since one that succeeded: said once, not at every change.
  void WriteFailed(const QString& message);

 private:
  void WriteOnTime();
  std::optional<Error> Claim();
  void RemoveOlderSessions();

  QString folder_;
  QString file_;
  QLockFile lock_;
  QTimer* timer_;
  Animation kept_;
  // What the file holds; one grey frame while there is no file.
  Animation written_;
  // Since the last write that failed, none has succeeded.
  bool failing_ = false;
};

}  // namespace glyphgrid
