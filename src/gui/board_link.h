#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <optional>

#include "core/board_protocol.h"
#include "core/frame_pacer.h"
#include "core/glyphgrid_protocol.h"
#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The editor's serial link to a board: it shows patterns there as they are offered, at most one
// frame in flight and the latest pattern waiting (FramePacer). Every write is asynchronous and no
// call waits for the port, so a slow or stuck board never holds up the window. Any failure (the
// port does not open, a write fails, the cable is pulled, no answer within a second) closes the
// link and is reported by Failed.
class BoardLink : public QObject {
  Q_OBJECT

 public:
  explicit BoardLink(QObject* parent = nullptr);
  ~BoardLink() override;

  // Opens `port` (a path such as /dev/ttyACM0, or a name the system lists) at `baud`, 8N1, closing
  // the link that was open. glyphgrid greets the board first: Connected follows its answer.
  void Open(const QString& port, qint32 baud, BoardProtocol protocol);
  // Says nothing: whoever closes it knows.
  void Close();
  bool IsOpen() const { return pacer_.has_value(); }
  // The port's name as messages show it.
  const QString& PortName() const { return port_name_; }
  // What a glyphgrid board said it is; nothing before its answer and with uno-r4-live.
  const std::optional<BoardHello>& Board() const { return board_; }

  // Shows `lamps` on the board, their bytes in `profile`'s order (uno-r4-live: at its offset).
  // Nothing happens while the link is closed.
  void Show(const LampMatrix& lamps, const WiringProfile& profile);

 signals:
  // "Connected to /dev/ttyACM0: 8x8 red,green".
  void Connected(const QString& status);
  void Failed(const QString& message);
  // The board refused a frame (glyphgrid NAK); the link stays open.
  void Refused();

 private:
  void Write(const FramePacer::Bytes& bytes);
  void ReadAnswer();
  void PortFailed(QSerialPort::SerialPortError error);
  void TimedOut();
  void Fail(const QString& message);

  QSerialPort port_;
  QTimer answer_timer_;
  BoardProtocol protocol_ = DefaultBoardProtocol;
  QString port_name_;
  std::optional<FramePacer> pacer_;
  std::optional<BoardHello> board_;
};

// A port's name made safe for a one-line message: control characters escaped.
QString ShownPort(const QString& port);

}  // namespace glyphgrid
