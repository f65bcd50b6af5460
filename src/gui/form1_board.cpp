#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "gui/board_link.h"
#include "gui/connect_dialog.h"
#include "gui/export_settings.h"
#include "gui/form1.h"

namespace glyphgrid {

namespace {

// A failure stays in view long enough to be read after a glance back from the board.
constexpr int FailureShownMs = 15000;
constexpr int NoticeShownMs = 5000;

}  // namespace

void Form1::CreateBoardMenu() {
  // Beside the lamp description, and like it out of view while a message needs the whole bar.
  board_status_ = new QLabel(this);
  board_status_->setObjectName("BoardStatus");
  board_status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar()->addWidget(board_status_, 1);
  QMenu* board = menuBar()->addMenu("&Board");
  board->addAction("&Connect...", this, &Form1::ShowConnect)->setObjectName("actionConnect");
  disconnect_ = board->addAction("&Disconnect", this, &Form1::DisconnectBoard);
  disconnect_->setObjectName("actionDisconnect");
  disconnect_->setEnabled(false);
  board->addAction("Find &Wiring...", this, &Form1::FindWiring)->setObjectName("actionFindWiring");
  connect(board_link_, &BoardLink::Connected, this,
          [this](const QString& status) { board_status_->setText(status); });
  connect(board_link_, &BoardLink::Failed, this, [this](const QString& message) {
    disconnect_->setEnabled(false);
    board_status_->clear();
    ShowStatusMessage(message, FailureShownMs);
  });
  connect(board_link_, &BoardLink::Refused, this, [this] {
    const QString mismatch = BoardMismatch(LoadExportProfile());
    ShowStatusMessage(mismatch.isEmpty() ? "The board refused a frame: garbled on the line?"
                                         : "Refused by the board: " + mismatch,
                      FailureShownMs);
  });
}

// Short enough for the narrow window's status bar, unlike the whole story of HelloMismatch.
QString Form1::BoardMismatch(const WiringProfile& profile) const {
  const std::optional<BoardHello>& board = board_link_->Board();
  if (!board) {
    return {};
  }
  if (board->columns != LampsPerRow || board->rows != LampsPerRow) {
    return QString("it is %1x%2, not 8x8").arg(board->columns).arg(board->rows);
  }
  const auto takes = static_cast<int>(board->colours.size());
  const int writes = PlaneCount(profile.planes);
  if (takes == writes) {
    return {};
  }
  return QString("it takes %1 colour plane%2, the export profile writes %3")
      .arg(takes)
      .arg(takes == 1 ? "" : "s")
      .arg(writes);
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

// A frame the board would refuse is not sent, so a mismatch is one message, not a NAK a change.
void Form1::SendFrame() {
  if (!board_link_->IsOpen()) {
    return;
  }
  const WiringProfile profile = LoadExportProfile();
  if (const QString mismatch = BoardMismatch(profile); !mismatch.isEmpty()) {
    ShowStatusMessage("Not sent to the board: " + mismatch, FailureShownMs);
    return;
  }
  board_link_->Show(lamps_, profile);
}

}  // namespace glyphgrid
