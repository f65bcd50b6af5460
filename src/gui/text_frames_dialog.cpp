#include "gui/text_frames_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/marquee.h"
#include "gui/from_view.h"
#include "gui/lamp_preview.h"

namespace glyphgrid {

namespace {

QSpinBox* NumberBox(const char* name, int value, int minimum, int maximum) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  box->setValue(value);
  return box;
}

}  // namespace

TextFramesDialog::TextFramesDialog(int delay, QWidget* parent)
    : QDialog(parent),
      text_(new QLineEdit),
      gap_(NumberBox("spnGap", 1, 0, MaxMarqueeGap)),
      step_(NumberBox("spnStep", 1, 1, MaxMarqueeStep)),
      delay_(NumberBox("spnDelay", delay, MinDelay, MaxDelay)),
      direction_(new QComboBox),
      colour_(new QComboBox),
      fixed_(new QCheckBox("&Fixed width")),
      note_(new QLabel),
      preview_(new LampPreview("picPreview", "Preview")),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName("frmTextFrames");
  setWindowTitle("Text to Frames");
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName("txtText");
  direction_->setObjectName("cboDirection");
  direction_->addItems({"Left", "Right", "Up", "Down"});
  colour_->setObjectName("cboColour");
  colour_->addItem("Red", LampRed);
  colour_->addItem("Green", LampGreen);
  colour_->addItem("Orange", LampOrange);
  fixed_->setObjectName("chkFixed");
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  auto* form = new QFormLayout(this);
  form->addRow(nullptr, preview_);
  form->addRow("&Text:", text_);
  form->addRow("&Gap:", gap_);
  form->addRow("&Step:", step_);
  form->addRow("&Direction:", direction_);
  form->addRow("&Colour:", colour_);
  form->addRow("De&lay (ms):", delay_);
  form->addRow(nullptr, fixed_);
  form->addRow(note_);
  form->addRow(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(text_, &QLineEdit::textChanged, this, &TextFramesDialog::Remake);
  for (QSpinBox* box : {gap_, step_, delay_}) {
    connect(box, &QSpinBox::valueChanged, this, &TextFramesDialog::Remake);
  }
  for (QComboBox* box : {direction_, colour_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &TextFramesDialog::Remake);
  }
  connect(fixed_, &QCheckBox::toggled, this, &TextFramesDialog::Remake);
  connect(&playback_, &QTimer::timeout, this, &TextFramesDialog::ShowNext);
  Remake();
}

void TextFramesDialog::Remake() {
  const MarqueeOptions options{
      .gap = gap_->value(),
      .fixed = fixed_->isChecked(),
      .step = step_->value(),
      .direction = static_cast<MarqueeDirection>(direction_->currentIndex()),
      .colour = colour_->currentData().toInt(),
      .delay = delay_->value()};
  std::variant<MarqueeResult, Error> made = Marquee(text_->text().toStdString(), options);
  frames_.clear();
  shown_ = 0;
  if (const Error* error = std::get_if<Error>(&made)) {
    const QString message = FromView(error->message);
    note_->setText(message.left(1).toUpper() + message.mid(1) + ".");
  } else {
    MarqueeResult& result = std::get<MarqueeResult>(made);
    frames_ = std::move(result.frames);
    QStringList missing;
    for (const std::string& name : result.missing) {
      missing << FromView(name);
    }
    note_->setText(missing.isEmpty() ? QString()
                                     : "No glyph for " + missing.join(", ") + ", shown as a box.");
  }
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!frames_.empty());
  playback_.start(delay_->value());
  preview_->Show(frames_.empty() ? LampMatrix() : frames_[0].Lamps());
}

void TextFramesDialog::ShowNext() {
  if (!frames_.empty()) {
    shown_ = (shown_ + 1) % frames_.size();
    preview_->Show(frames_[shown_].Lamps());
  }
}

}  // namespace glyphgrid
