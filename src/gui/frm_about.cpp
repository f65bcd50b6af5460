#include "gui/frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "core/app_info.h"
#include "gui/app_icon.h"
#include "gui/classic_font.h"
#include "gui/controls.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

// A horizontal line from x1 to x2 at y, in twips, `thickness` pixels thick.
consteval QRect LineRect(int x1, int x2, int y, int thickness) {
  return {TwipsToPixels(x1), TwipsToPixels(y), TwipsToPixels(x2) - TwipsToPixels(x1) + 1,
          thickness};
}

void MakeLine(QWidget* parent, const char* name, const QRect& rect, const QColor& colour) {
  auto* line = MakeControl<QWidget>(parent, name, rect);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  line->setAutoFillBackground(true);
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  line->raise();
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
  auto* label = MakeControl<QLabel>(parent, name, rect, text);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

frmAbout::frmAbout(Toolkit& toolkit, QWidget* parent)
    : frmAbout(toolkit, SystemSysInfoSources(), parent) {}

frmAbout::frmAbout(Toolkit& toolkit, SysInfoSources sources, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      toolkit_(toolkit),
      sources_(std::move(sources)) {
  setObjectName("frmAbout");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle("Kestrova");
  setWindowIcon(AppIcon());
  setFont(ClassicFont());
  setFixedSize(TwipsToPixels(5730), TwipsToPixels(2190));

  picIcon_ = MakeControl<QLabel>(this, "picIcon", TwipsRect(240, 240, 780, 780));
  picIcon_->setAlignment(Qt::AlignCenter);
  picIcon_->setPixmap(AppIcon().pixmap(picIcon_->size()));
  picIcon_->setAccessibleName(QStringLiteral("%1 icon").arg(ApplicationTitle));

  cmdOK_ = MakeControl<QPushButton>(this, "cmdOK", TwipsRect(1080, 1560, 1260, 345), "OK");
  cmdOK_->setDefault(true);
  cmdSysInfo_ = MakeControl<QPushButton>(this, "cmdSysInfo", TwipsRect(3120, 1560, 1245, 345),
                                         "&System Info...");

  lblTitle_ = MakeLabel(this, "lblTitle", "LED GLYPHGRID SYSTEM", TwipsRect(1320, 240, 3885, 480));
  QFont title_font = ClassicFont();
  title_font.setPointSize(12);
  title_font.setBold(true);
  lblTitle_->setFont(title_font);
  QPalette title_palette = lblTitle_->palette();
  title_palette.setColor(QPalette::WindowText, Qt::black);
  lblTitle_->setPalette(title_palette);

  // The grey line lies on top of the upper half of the white one: together an etched groove.
  MakeLine(this, "Line1_0", LineRect(105, 5654, 1320, 2), QColor(0xFF, 0xFF, 0xFF));
  MakeLine(this, "Line1_1", LineRect(120, 5684, 1320, 1), QColor(0x80, 0x80, 0x80));

  lblVersion_ = MakeLabel(this, "lblVersion", "Version. 1.0", TwipsRect(1050, 780, 3885, 225));

  setTabOrder(cmdOK_, cmdSysInfo_);
  cmdOK_->setFocus();

  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

  Form_Load();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
  // Escape presses OK, the cancel button, instead of QDialog's reject.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdOK_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmAbout::Form_Load() {
  setWindowTitle(QStringLiteral("About ") + ApplicationTitle);
  lblVersion_->setText(
      QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
  lblTitle_->setText(ApplicationTitle);
}

void frmAbout::cmdOK_Click() {
  close();
}

void frmAbout::cmdSysInfo_Click() {
  StartSysInfo();
}

void frmAbout::StartSysInfo() {
  const std::optional<std::string> program = SysInfoProgram(sources_);
  if (program && toolkit_.StartProgram(QString::fromLocal8Bit(*program))) {
    return;
  }
  toolkit_.ShowMessage(this, "System Information Is Unavailable At This Time", ApplicationTitle);
}

}  // namespace glyphgrid
