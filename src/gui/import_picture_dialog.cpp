#include "gui/import_picture_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "gui/from_view.h"
#include "gui/lamp_preview.h"

namespace glyphgrid {

namespace {

constexpr int ViewSide = 192;

QComboBox* ChoiceBox(const char* name, const QStringList& items) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->addItems(items);
  return box;
}

QSpinBox* CornerBox(const char* name, int size) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(0, size - 1);
  return box;
}

}  // namespace

// The picture's first frame, scaled to the view keeping its aspect (small pictures grown pixel by
// pixel so their pixels stay sharp), with the crop's 8 x 8 square outlined.
class PictureView : public QWidget {
 public:
  explicit PictureView(const RgbaImage& image)
      : image_(image.pixels.data(), image.width, image.height, image.width * 4,
               QImage::Format_RGBA8888) {
    setObjectName("picPicture");
    setAccessibleName("Picture");
    setFixedSize(ViewSide, ViewSide);
  }

  void ShowCrop(std::optional<QPoint> corner) {
    crop_ = corner;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().mid());
    const QSize size = image_.size().scaled(ViewSide, ViewSide, Qt::KeepAspectRatio);
    const QRect target(QPoint((ViewSide - size.width()) / 2, (ViewSide - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size.width() < image_.width());
    painter.drawImage(target, image_);
    if (crop_) {
      const double scale = static_cast<double>(size.width()) / image_.width();
      painter.setPen(QPen(Qt::cyan, 2));
      painter.drawRect(QRectF(target.left() + crop_->x() * scale, target.top() + crop_->y() * scale,
                              LampsPerRow * scale, LampsPerRow * scale));
    }
  }

 private:
  QImage image_;  // over the picture's own pixels, which the dialog keeps
  std::optional<QPoint> crop_;
};

ImportPictureDialog::ImportPictureDialog(Picture picture, int delay, QWidget* parent)
    : QDialog(parent),
      picture_(std::move(picture)),
      delay_(delay),
      view_(new PictureView(picture_.frames.at(0).image)),
      preview_(new LampPreview("picResult", "Lamps")),
      scale_(ChoiceBox("cboScale", {"Fit", "Nearest", "Crop"})),
      crop_x_(CornerBox("spnCropX", picture_.frames[0].image.width)),
      crop_y_(CornerBox("spnCropY", picture_.frames[0].image.height)),
      threshold_(new QSlider(Qt::Horizontal)),
      threshold_value_(new QLabel),
      auto_threshold_(new QCheckBox("&Auto")),
      invert_(new QCheckBox("&Invert")),
      colours_(ChoiceBox("cboColours", {"Colour", "Mono"})),
      sheet_(ChoiceBox("cboSheet", {"None", "Row", "Grid"})),
      note_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setObjectName("frmImportPicture");
  setWindowTitle("Import Picture");
  setAttribute(Qt::WA_DeleteOnClose);
  threshold_->setObjectName("sldThreshold");
  threshold_->setAccessibleName("Threshold");
  threshold_->setRange(0, 255);
  threshold_->setPageStep(16);
  threshold_value_->setObjectName("lblThreshold");
  threshold_value_->setMinimumWidth(threshold_value_->fontMetrics().horizontalAdvance("000"));
  auto_threshold_->setObjectName("chkAuto");
  auto_threshold_->setChecked(true);
  invert_->setObjectName("chkInvert");
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  auto* pictures = new QHBoxLayout;
  pictures->addWidget(view_);
  pictures->addWidget(preview_, 0, Qt::AlignCenter);
  auto* threshold = new QHBoxLayout;
  threshold->addWidget(threshold_);
  threshold->addWidget(threshold_value_);
  threshold->addWidget(auto_threshold_);
  auto* form = new QFormLayout(this);
  form->addRow(pictures);
  form->addRow("&Scale:", scale_);
  form->addRow("Crop &X:", crop_x_);
  form->addRow("Crop &Y:", crop_y_);
  // A row of several controls takes no mnemonic by itself: the label is the slider's buddy.
  auto* threshold_label = new QLabel("&Threshold:");
  threshold_label->setBuddy(threshold_);
  form->addRow(threshold_label, threshold);
  form->addRow(nullptr, invert_);
  form->addRow("&Colours:", colours_);
  form->addRow("S&heet:", sheet_);
  form->addRow(note_);
  form->addRow(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QComboBox* box : {scale_, colours_, sheet_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &ImportPictureDialog::Remake);
  }
  for (QSpinBox* box : {crop_x_, crop_y_}) {
    connect(box, &QSpinBox::valueChanged, this, &ImportPictureDialog::Remake);
  }
  connect(threshold_, &QSlider::valueChanged, this, &ImportPictureDialog::Remake);
  for (QCheckBox* box : {auto_threshold_, invert_}) {
    connect(box, &QCheckBox::toggled, this, &ImportPictureDialog::Remake);
  }
  Remake();
}

void ImportPictureDialog::Remake() {
  const bool sheet = sheet_->currentIndex() != 0;
  const bool crop = !sheet && scale_->currentIndex() == static_cast<int>(PictureScale::Crop);
  scale_->setEnabled(!sheet);
  crop_x_->setEnabled(crop);
  crop_y_->setEnabled(crop);
  threshold_->setEnabled(!auto_threshold_->isChecked());
  view_->ShowCrop(crop ? std::optional(QPoint(crop_x_->value(), crop_y_->value())) : std::nullopt);
  const PictureMapping mapping{
      .scale = static_cast<PictureScale>(scale_->currentIndex()),
      .crop_x = crop_x_->value(),
      .crop_y = crop_y_->value(),
      .threshold = auto_threshold_->isChecked() ? std::nullopt : std::optional(threshold_->value()),
      .invert = invert_->isChecked(),
      .colours = static_cast<PictureColours>(colours_->currentIndex()),
      .sheet = static_cast<SpriteSheet>(sheet_->currentIndex())};
  std::variant<MappedPicture, Error> mapped = MapPicture(picture_, mapping, delay_);
  frames_.clear();
  if (const Error* error = std::get_if<Error>(&mapped)) {
    const QString message = FromView(error->message);
    note_->setText(message.left(1).toUpper() + message.mid(1) + ".");
  } else {
    MappedPicture& result = std::get<MappedPicture>(mapped);
    frames_ = std::move(result.frames);
    if (auto_threshold_->isChecked()) {
      // The slider shows the threshold found; moving it is off until Auto is unchecked.
      const QSignalBlocker quiet(threshold_);
      threshold_->setValue(result.threshold);
    }
    note_->setText(frames_.size() == 1 ? QString("OK inserts 1 frame.")
                                       : QString("OK inserts %1 frames.").arg(frames_.size()));
  }
  threshold_value_->setNum(threshold_->value());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!frames_.empty());
  preview_->Show(frames_.empty() ? LampMatrix() : frames_[0].Lamps());
}

}  // namespace glyphgrid
