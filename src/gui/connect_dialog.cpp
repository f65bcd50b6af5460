#include "gui/connect_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSettings>

#include "gui/from_view.h"

namespace glyphgrid {

namespace {

constexpr const char* PortKey = "board/port";
constexpr const char* BaudKey = "board/baud";
constexpr const char* ProtocolKey = "board/protocol";

// termios reaches 4,000,000 on Linux; a board's USB serial port takes what the host sets.
constexpr qint32 MinBaud = 50;
constexpr qint32 MaxBaud = 4000000;

QComboBox* Box(const char* name, bool editable) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->setEditable(editable);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

}  // namespace

ConnectDialog::ConnectDialog(QWidget* parent)
    : QDialog(parent),
      port_(Box("cboPort", true)),
      baud_(Box("cboBaud", true)),
      protocol_(Box("cboProtocol", false)),
      note_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName("frmConnect");
  setWindowTitle("Connect to Board");
  setAttribute(Qt::WA_DeleteOnClose);
  const QSettings settings;
  ListPorts();
  port_->setEditText(settings.value(PortKey, port_->currentText()).toString());
  port_->setMinimumContentsLength(24);
  auto* refresh = new QPushButton("&Refresh");
  refresh->setObjectName("cmdRefresh");
  refresh->setAutoDefault(false);
  for (const qint32 rate : {9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600}) {
    baud_->addItem(QString::number(rate));
  }
  baud_->setValidator(new QIntValidator(MinBaud, MaxBaud, baud_));
  baud_->setEditText(QString::number(settings.value(BaudKey, DefaultBaud).toInt()));
  for (const OptionValue<BoardProtocol>& protocol : BoardProtocolValues) {
    protocol_->addItem(FromView(protocol.name), static_cast<int>(protocol.value));
  }
  const int chosen = protocol_->findText(settings.value(ProtocolKey).toString());
  protocol_->setCurrentIndex(
      chosen >= 0 ? chosen : protocol_->findData(static_cast<int>(DefaultBoardProtocol)));
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);

  auto* port_row = new QHBoxLayout;
  port_row->addWidget(port_, 1);
  port_row->addWidget(refresh);
  auto* form = new QFormLayout(this);
  auto* port_label = new QLabel("&Port:");
  port_label->setBuddy(port_);
  form->addRow(port_label, port_row);
  form->addRow("&Baud rate:", baud_);
  form->addRow("Pro&tocol:", protocol_);
  form->addRow(note_);
  form->addRow(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(refresh, &QPushButton::clicked, this, &ConnectDialog::ListPorts);
  connect(port_, &QComboBox::editTextChanged, this, &ConnectDialog::Check);
  connect(baud_, &QComboBox::editTextChanged, this, &ConnectDialog::Check);
  Check();
}

QString ConnectDialog::Port() const {
  return port_->currentText().trimmed();
}

qint32 ConnectDialog::Baud() const {
  return baud_->currentText().toInt();
}

BoardProtocol ConnectDialog::Protocol() const {
  return static_cast<BoardProtocol>(protocol_->currentData().toInt());
}

void ConnectDialog::accept() {
  QSettings settings;
  settings.setValue(PortKey, Port());
  settings.setValue(BaudKey, Baud());
  settings.setValue(ProtocolKey, protocol_->currentText());
  QDialog::accept();
}

// The typed path is kept: the list holds only the ports the system announces, and a
// pseudo-terminal is not among them.
void ConnectDialog::ListPorts() {
  const QString typed = port_->currentText();
  port_->clear();
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    port_->addItem(info.systemLocation());
    const QString about = QStringList{info.description(), info.manufacturer()}.join(", ");
    port_->setItemData(port_->count() - 1, about, Qt::ToolTipRole);
  }
  if (!typed.isEmpty()) {
    port_->setEditText(typed);
  }
  Check();
}

void ConnectDialog::Check() {
  QString problem;
  if (Port().isEmpty()) {
    problem = port_->count() == 0 ? "No serial port was found: type the port's path."
                                  : "Choose or type the board's port.";
  } else if (!baud_->lineEdit()->hasAcceptableInput()) {
    problem = QString("The baud rate is a whole number from %1 to %2.").arg(MinBaud).arg(MaxBaud);
  }
  note_->setText(problem);
  note_->setVisible(!problem.isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

}  // namespace glyphgrid
