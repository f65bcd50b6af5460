#include "gui/board_link.h"

#include <span>

#include "core/error.h"
#include "gui/from_view.h"

namespace glyphgrid {

QString ShownPort(const QString& port) {
  return FromView(Escaped(port.toStdString()));
}

BoardLink::BoardLink(QObject* parent) : QObject(parent) {
  answer_timer_.setSingleShot(true);
  connect(&answer_timer_, &QTimer::timeout, this, &BoardLink::TimedOut);
  connect(&port_, &QSerialPort::readyRead, this, &BoardLink::ReadAnswer);
  connect(&port_, &QSerialPort::bytesWritten, this, [this](qint64 count) {
    if (pacer_) {
      Write(pacer_->Written(static_cast<std::size_t>(count)));
    }
  });
  connect(&port_, &QSerialPort::errorOccurred, this, &BoardLink::PortFailed);
}

BoardLink::~BoardLink() {
  Close();
}

void BoardLink::Open(const QString& port, qint32 baud, BoardProtocol protocol) {
  Close();
  port_name_ = ShownPort(port);
  protocol_ = protocol;
  port_.setPortName(port);
  if (!port_.open(QIODevice::ReadWrite)) {
    emit Failed(QString("Cannot open %1: %2").arg(port_name_, port_.errorString()));
    return;
  }
  const bool set = port_.setBaudRate(baud) && port_.setDataBits(QSerialPort::Data8) &&
                   port_.setParity(QSerialPort::NoParity) &&
                   port_.setStopBits(QSerialPort::OneStop) &&
                   port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!set) {
    const QString reason = port_.errorString();
    port_.close();
    emit Failed(QString("Cannot set %1 to %2 baud: %3").arg(port_name_).arg(baud).arg(reason));
    return;
  }
  pacer_.emplace(protocol);
  Write(pacer_->Start());
  if (!AnswersFrames(protocol)) {
    emit Connected(QString("Connected to %1 (uno-r4-live)").arg(port_name_));
  }
}

void BoardLink::Close() {
  answer_timer_.stop();
  pacer_.reset();
  board_.reset();
  if (port_.isOpen()) {
    // What the port still holds is thrown away: closing must not wait for it to drain.
    port_.clear();
    port_.close();
  }
}

void BoardLink::Show(const LampMatrix& lamps, const WiringProfile& profile) {
  if (pacer_) {
    Write(pacer_->Offer(FrameBytes(protocol_, lamps, profile)));
  }
}

void BoardLink::Write(const FramePacer::Bytes& bytes) {
  if (!pacer_) {
    return;
  }
  if (!bytes.empty()) {
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
      // The port may have reported the failure itself, and closed the link.
      if (pacer_) {
        Fail(QString("Cannot write to %1: %2").arg(port_name_, port_.errorString()));
      }
      return;
    }
    answer_timer_.start(AnswerTimeoutMs);
  } else if (!pacer_->Waiting()) {
    answer_timer_.stop();
  }
}

void BoardLink::ReadAnswer() {
  const QByteArray bytes = port_.readAll();
  if (!pacer_) {
    return;
  }
  FramePacer::Reply reply = pacer_->Received(std::span(
      reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
  if (!reply.answer) {
    return;
  }
  const BoardAnswer& answer = *reply.answer;
  if (answer.kind == BoardAnswer::Kind::BadHello) {
    Fail(QString("The board on %1 answered \"%2\", not a glyphgrid line")
             .arg(port_name_, FromView(Escaped(answer.line))));
    return;
  }
  if (answer.kind == BoardAnswer::Kind::Hello) {
    if (answer.hello.version != GlyphgridProtocolVersion) {
      // Only the version is checked here: the profile, the rest of the mismatch, can change.
      Fail(QString("The board on %1 %2")
               .arg(port_name_, FromView(*HelloMismatch(answer.hello, WiringProfile()))));
      return;
    }
    board_ = answer.hello;
    QStringList colours;
    for (const std::string& colour : board_->colours) {
      colours << FromView(colour);
    }
    emit Connected(QString("Connected to %1: %2x%3 %4")
                       .arg(port_name_)
                       .arg(board_->columns)
                       .arg(board_->rows)
                       .arg(colours.join(',')));
  } else if (answer.kind == BoardAnswer::Kind::Nak) {
    emit Refused();
  }
  Write(reply.next);
}

void BoardLink::PortFailed(QSerialPort::SerialPortError error) {
  // While the link is closed, errors are Open's to report, or come from closing a port that has
  // gone already.
  if (!pacer_ || error == QSerialPort::NoError) {
    return;
  }
  // The system's words for a vanished device ("Input/output error", or a stale errno) don't
  // say what happened.
  const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
                    error == QSerialPort::ReadError;
  Fail(gone ? QString("Lost %1: the port stopped working (cable pulled?)").arg(port_name_)
            : QString("Lost %1: %2").arg(port_name_, port_.errorString()));
}

void BoardLink::TimedOut() {
  if (!pacer_) {
    return;
  }
  if (const FramePacer::Bytes again = pacer_->Overdue(); !again.empty()) {
    Write(again);
  } else if (pacer_->Greeting()) {
    Fail(QString("No answer from %1 in 3 s: is the glyphgrid firmware on it?").arg(port_name_));
  } else if (AnswersFrames(protocol_)) {
    Fail(QString("The board on %1 stopped answering (1 s)").arg(port_name_));
  } else {
    Fail(QString("%1 took no frame in 1 s").arg(port_name_));
  }
}

void BoardLink::Fail(const QString& message) {
  Close();
  emit Failed(message);
}

}  // namespace glyphgrid
