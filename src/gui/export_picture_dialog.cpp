#include "gui/export_picture_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include "gui/file_choice.h"
#include "gui/form1.h"
#include "gui/pattern_file.h"
#include "gui/toolkit.h"
#include "media/lamp_pictures.h"

namespace glyphgrid {

namespace {

constexpr int PreviewSide = 216;

}  // namespace

ExportPictureDialog::ExportPictureDialog(Toolkit& toolkit, const Animation& animation, int frame,
                                         QWidget* parent)
    : QDialog(parent),
      toolkit_(toolkit),
      animation_(animation),
      frame_(frame),
      kind_(new QComboBox),
      lamp_size_(new QSpinBox),
      preview_(new QLabel),
      note_(new QLabel) {
  setObjectName("frmExportPicture");
  setWindowTitle("Export Picture");
  setAttribute(Qt::WA_DeleteOnClose);
  kind_->setObjectName("cboKind");
  kind_->addItems(
      {"PNG of this frame", "PNG sprite sheet, one row", "PNG sprite sheet, grid", "Animated GIF"});
  lamp_size_->setObjectName("spnLampSize");
  lamp_size_->setRange(MinLampSize, MaxLampSize);
  lamp_size_->setValue(DefaultLampSize);
  lamp_size_->setSuffix(" px");
  preview_->setObjectName("picPreview");
  preview_->setAccessibleName("Preview");
  preview_->setFixedSize(PreviewSide, PreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Save)->setText("&Save...");
  buttons->button(QDialogButtonBox::Save)->setObjectName("cmdSave");
  auto* form = new QFormLayout(this);
  // The dialog grows with the note rather than squeezing the preview.
  form->setSizeConstraint(QLayout::SetFixedSize);
  form->addRow(nullptr, preview_);
  form->addRow("&Picture:", kind_);
  form->addRow("&Lamp size:", lamp_size_);
  form->addRow(note_);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ExportPictureDialog::SavePicture);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(kind_, &QComboBox::currentIndexChanged, this, &ExportPictureDialog::ShowPreview);
  connect(lamp_size_, &QSpinBox::valueChanged, this, &ExportPictureDialog::ShowPreview);
  ShowPreview();
}

void ExportPictureDialog::ShowPreview() {
  const int lamp_size = lamp_size_->value();
  const RgbaImage frame = RenderLamps(animation_.At(frame_).Lamps(), lamp_size);
  const QImage image(frame.pixels.data(), frame.width, frame.height, frame.width * 4,
                     QImage::Format_RGBA8888);
  // A picture larger than the preview is shown smaller; a smaller one as it is, pixel for pixel.
  const QPixmap pixmap = QPixmap::fromImage(image);
  preview_->setPixmap(
      frame.width <= PreviewSide
          ? pixmap
          : pixmap.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  const QString size = QString("%1 x %1 pixels").arg(frame.width);
  const int count = animation_.FrameCount();
  const QString frames = QString(count == 1 ? "%1 frame" : "%1 frames").arg(count);
  switch (kind_->currentIndex()) {
    case FramePng:
      note_->setText(QString("Frame %1 of %2, %3.").arg(frame_ + 1).arg(count).arg(size));
      break;
    case AnimatedGif:
      note_->setText(QString("%1 of %2, each for its delay, looping.").arg(frames, size));
      break;
    default:
      note_->setText(QString("%1 of %2 in one picture.").arg(frames, size));
  }
}

void ExportPictureDialog::SavePicture() {
  const int kind = kind_->currentIndex();
  const int lamp_size = lamp_size_->value();
  const std::span<const Frame> frames =
      kind == FramePng ? animation_.Frames().subspan(static_cast<std::size_t>(frame_), 1)
                       : animation_.Frames();
  // Thousands of frames take seconds to draw.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const std::variant<std::string, Error> picture =
      kind == AnimatedGif ? LampAnimationGif(frames, lamp_size)
                          : LampSheetPng(frames, lamp_size,
                                         kind == RowSheet ? SheetLayout::Row : SheetLayout::Grid);
  QGuiApplication::restoreOverrideCursor();
  if (const Error* error = std::get_if<Error>(&picture)) {
    toolkit_.ShowError(this,
                       "Cannot export the picture: " + QString::fromStdString(error->message) + ".",
                       MessageTitle);
    return;
  }
  const QString extension = kind == AnimatedGif ? "gif" : "png";
  const std::optional<QString> chosen = ChooseFileToSave(
      toolkit_, this, kind == AnimatedGif ? "GIF Animations (*.gif)" : "PNG Pictures (*.png)");
  if (!chosen) {
    return;
  }
  // A name typed without an extension gets the picture's.
  const QString name = QFileInfo(*chosen).suffix().isEmpty() ? *chosen + "." + extension : *chosen;
  if (const std::optional<Error> failure = WritePatternFile(name, std::get<std::string>(picture))) {
    toolkit_.ShowError(this, ErrorText(*failure), MessageTitle);
    return;
  }
  accept();
}

}  // namespace glyphgrid
