#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "gui/board_link.h"
#include "gui/connect_dialog.h"
#include "gui/export_settings.h"
#include "gui/form1.h"
#include "gui/from_view.h"

namespace glyphgrid {

namespace {

// A failure stays in view long enough to be read after a glance back from the board.
constexpr int FailureShownMs = 15000;
constexpr int NoticeShownMs = 5000;

}  // namespace

void Form1::CreateBoardMenu() {
  board_status_ = new QLabel(this);
  board_status_->setObjectName("BoardStatus");
  board_status_->setContentsMargins(0, 0, 6, 0);
  statusBar()->addPermanentWidget(board_status_);
  QMenu* board = menuBar()->addMenu("&Board");
  board->addAction("&Connect...", this, &Form1::ShowConnect)->setObjectName("actionConnect");
  disconnect_ = board->addAction("&Disconnect", this, &Form1::DisconnectBoard);
  disconnect_->setObjectName("actionDisconnect");
  disconnect_->setEnabled(false);
  connect(board_link_, &BoardLink::Connected, this, [this](const QString& status) {
    board_status_->setText(status);
    WarnOfMismatch("");
  });
  connect(board_link_, &BoardLink::Failed, this, [this](const QString& message) {
    disconnect_->setEnabled(false);
    board_status_->clear();
    ShowStatusMessage(message, FailureShownMs);
  });
  connect(board_link_, &BoardLink::Refused, this, [this] {
    if (!WarnOfMismatch(" refused the frame; it")) {
      ShowStatusMessage("The board refused a frame: garbled on the line?", FailureShownMs);
    }
  });
}

bool Form1::WarnOfMismatch(const QString& what) {
  const std::optional<BoardHello>& board = board_link_->Board();
  const std::optional<std::string> mismatch =
      board ? HelloMismatch(*board, LoadExportProfile()) : std::nullopt;
  if (mismatch) {
    ShowStatusMessage("The board" + what + " " + FromView(*mismatch), FailureShownMs);
  }
  return mismatch.has_value();
}

void Form1::ShowConnect() {
  auto* dialog = new ConnectDialog(this);
  dialog->setWindowModality(Qt::WindowModal);
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { ConnectBoard(dialog->Port(), dialog->Baud(), dialog->Protocol()); });
  dialog->open();
}

void Form1::ConnectBoard(const QString& port, qint32 baud, BoardProtocol protocol) {
  board_status_->setText(QString("Connecting to %1...").arg(ShownPort(port)));
  disconnect_->setEnabled(true);
  // A failure to open is reported before Open returns.
  board_link_->Open(port, baud, protocol);
  SendFrame();
}

void Form1::DisconnectBoard() {
  if (board_link_->IsOpen()) {
    board_link_->Close();
    ShowStatusMessage(QString("Disconnected from %1").arg(board_link_->PortName()), NoticeShownMs);
  }
  disconnect_->setEnabled(false);
  board_status_->clear();
}

bool Form1::ShowOnBoard(const LampMatrix& lamps, const WiringProfile& profile) {
  board_link_->Show(lamps, profile);
  return board_link_->IsOpen();
}

void Form1::SendFrame() {
  if (board_link_->IsOpen()) {
    board_link_->Show(lamps_, LoadExportProfile());
  }
}

}  // namespace glyphgrid
