#pragma once

#include <QDialog>

#include "core/board_protocol.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace glyphgrid {

// Board > Connect...: the serial port (found, or a path typed, such as a pseudo-terminal's), the
// baud rate and the protocol the board speaks. It starts with the last choice that was accepted.
// OK is off while the choice cannot be used; the note says why.
class ConnectDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConnectDialog(QWidget* parent);

  QString Port() const;
  qint32 Baud() const;
  BoardProtocol Protocol() const;

  void accept() override;

 private:
  void ListPorts();
  void Check();

  QComboBox* port_;
  QComboBox* baud_;
  QComboBox* protocol_;
  QLabel* note_;
  QDialogButtonBox* buttons_;
};

}  // namespace glyphgrid
