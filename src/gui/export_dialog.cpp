#include "gui/export_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <map>

#include "core/animation_export.h"
#include "core/profile_presets.h"
#include "gui/classic_font.h"
#include "gui/export_lamp_grid.h"
#include "gui/export_settings.h"
#include "gui/file_choice.h"
#include "gui/form1.h"
#include "gui/from_view.h"
#include "gui/pattern_file.h"
#include "gui/toolkit.h"

namespace glyphgrid {

namespace {

template <typename T, std::size_t N>
void Fill(QComboBox* box, const OptionValue<T> (&values)[N]) {
  for (const OptionValue<T>& entry : values) {
    box->addItem(FromView(entry.name), QVariant::fromValue(static_cast<int>(entry.value)));
  }
}

void FillSides(QComboBox* box, const std::array<Side, 2>& sides) {
  box->clear();
  for (const Side side : sides) {
    box->addItem(FromView(NameOf(SideValues, side)), static_cast<int>(side));
  }
}

template <typename T>
void Select(QComboBox* box, T value) {
  box->setCurrentIndex(box->findData(static_cast<int>(value)));
}

template <typename T>
T Selected(const QComboBox* box) {
  return static_cast<T>(box->currentData().toInt());
}

QString SaveFilter(Syntax syntax) {
  QString filter;
  if (IsBasicSyntax(syntax)) {
    filter = "BASIC Files (*.bas)";
  } else if (IsCSyntax(syntax)) {
    filter = "C Files (*.c *.h *.ino)";
  } else if (syntax == Syntax::Python) {
    filter = "Python Files (*.py)";
  } else {
    filter = "Text Files (*.txt)";
  }
  return filter + ";;All Files (*)";
}

QLabel* Label(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

Plane PlaneOf(Planes planes) {
  return planes == Planes::Green ? Plane::Green : Plane::Red;
}

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(name);
  return control;
}

}  // namespace

ExportDialog::ExportDialog(Toolkit& toolkit, const Animation& animation, int frame, QWidget* parent)
    : QDialog(parent),
      toolkit_(toolkit),
      animation_(animation),
      frame_(frame),
      profile_(LoadExportProfile()),
      presets_(Named(new QListWidget, "presetList")),
      description_(Named(new QLabel, "description")),
      scan_(Named(new QComboBox, "scanBox")),
      first_(Named(new QComboBox, "firstBox")),
      msb_(Named(new QComboBox, "msbBox")),
      planes_(Named(new QComboBox, "planesBox")),
      syntax_(Named(new QComboBox, "syntaxBox")),
      invert_(Named(new QCheckBox("&Invert: 0 for a lit lamp"), "invertBox")),
      zero_(Named(new QCheckBox("&Zero unit at the end"), "zeroBox")),
      header_(Named(new QCheckBox("&Header file (C syntaxes)"), "headerBox")),
      progmem_(Named(new QCheckBox("&PROGMEM, in AVR flash (C syntaxes)"), "progmemBox")),
      delays_(Named(new QCheckBox("&Delays with the frames"), "delaysBox")),
      offset_(Named(new QSpinBox, "offsetBox")),
      name_(Named(new QLineEdit, "nameEdit")),
      preview_(Named(new QPlainTextEdit, "preview")),
      grid_(Named(new ExportLampGrid(animation.At(frame).Lamps(), nullptr), "lampGrid")),
      readout_(Named(new QLabel, "bitReadout")),
      notice_(Named(new QLabel, "notice")),
      copy_(Named(new QPushButton("&Copy"), "copyButton")),
      save_(Named(new QPushButton("&Save..."), "saveButton")) {
  setObjectName("ExportDialog");
  setWindowTitle("Export Pattern");
  setFont(ClassicFont());
  setAttribute(Qt::WA_DeleteOnClose);
  CreateControls();
  ShowOptions();
  Refresh();
}

void ExportDialog::CreateControls() {
  for (const ProfilePreset& preset : ProfilePresets()) {
    presets_->addItem(FromView(preset.name));
  }
  presets_->addItem("Custom");
  presets_->setAccessibleName("Profile");
  presets_->setMaximumWidth(150);
  presets_->setFixedHeight(presets_->sizeHintForRow(0) * presets_->count() +
                           2 * presets_->frameWidth());
  description_->setWordWrap(true);
  Fill(scan_, ScanValues);
  Fill(planes_, PlanesValues);
  Fill(syntax_, SyntaxValues);

  auto* options = new QFormLayout;
  options->addRow(Label("Sc&an:", scan_), scan_);
  options->addRow(Label("&First unit:", first_), first_);
  options->addRow(Label("&MSB lamp:", msb_), msb_);
  options->addRow(Label("P&lanes:", planes_), planes_);
  options->addRow(Label("S&yntax:", syntax_), syntax_);
  options->addRow(Label("&Name:", name_), name_);
  offset_->setRange(0, MaxOffset);
  offset_->setToolTip("The matrix column where the pattern's left column stands (uno-r4)");
  options->addRow(Label("Matrix &offset:", offset_), offset_);
  options->addRow(invert_);
  options->addRow(zero_);
  options->addRow(header_);
  options->addRow(progmem_);
  options->addRow(delays_);

  auto* choice = new QVBoxLayout;
  choice->addWidget(Label("P&rofile:", presets_));
  choice->addWidget(presets_);
  choice->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(choice);
  top->addLayout(options, 1);

  preview_->setReadOnly(true);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview_->setMinimumWidth(520);
  // A header with PROGMEM is seven lines, the array's wrapped over two or three.
  preview_->setFixedHeight(preview_->fontMetrics().lineSpacing() * 10);
  name_->setMaxLength(static_cast<int>(MaxNameLength) + 1);
  notice_->setWordWrap(true);
  readout_->setWordWrap(true);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* lamps = new QHBoxLayout;
  lamps->addWidget(grid_);
  lamps->addWidget(readout_, 1);

  auto* close = Named(new QPushButton("Close"), "closeButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {copy_, save_, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(description_);
  layout->addWidget(Label("Pre&view:", preview_));
  layout->addWidget(preview_);
  layout->addLayout(lamps);
  layout->addWidget(notice_);
  layout->addLayout(buttons);

  connect(presets_, &QListWidget::currentRowChanged, this, &ExportDialog::PresetChosen);
  for (QComboBox* box : {scan_, first_, msb_, planes_, syntax_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &ExportDialog::OptionsChanged);
  }
  for (QCheckBox* box : {invert_, zero_, header_, progmem_, delays_}) {
    connect(box, &QCheckBox::toggled, this, &ExportDialog::OptionsChanged);
  }
  connect(offset_, &QSpinBox::valueChanged, this, &ExportDialog::OptionsChanged);
  connect(name_, &QLineEdit::textEdited, this, &ExportDialog::OptionsChanged);
  connect(grid_, &ExportLampGrid::PointedLampChanged, this, &ExportDialog::ShowPointedLamp);
  connect(copy_, &QPushButton::clicked, this, &ExportDialog::CopyExport);
  connect(save_, &QPushButton::clicked, this, &ExportDialog::SaveExport);
  connect(close, &QPushButton::clicked, this, &ExportDialog::close);
}

void ExportDialog::ShowOptions() {
  showing_ = true;
  Select(scan_, profile_.scan);
  FillSides(first_, FirstSides(profile_.scan));
  FillSides(msb_, MsbSides(profile_.scan));
  Select(first_, profile_.first);
  Select(msb_, profile_.msb);
  Select(planes_, profile_.planes);
  Select(syntax_, profile_.syntax);
  invert_->setChecked(profile_.invert);
  zero_->setChecked(profile_.zero);
  // Off a C syntax the boxes keep their state for the next C syntax, but do not apply.
  // The UNO R4 keeps constants in flash without PROGMEM.
  const bool c_syntax = IsCSyntax(profile_.syntax);
  const bool flash = c_syntax && profile_.syntax != Syntax::UnoR4;
  header_->setEnabled(c_syntax);
  progmem_->setEnabled(flash);
  if (c_syntax) {
    header_->setChecked(profile_.header);
  }
  if (flash) {
    progmem_->setChecked(profile_.progmem);
  }
  // uno-r4 always writes the delays, hex never; one frame writes them only as wide words.
  delays_->setEnabled(profile_.syntax != Syntax::UnoR4 && profile_.syntax != Syntax::Hex &&
                      WritesDelays({.syntax = profile_.syntax}, animation_.FrameCount()));
  delays_->setChecked(profile_.delays);
  offset_->setEnabled(profile_.syntax == Syntax::UnoR4);
  offset_->setValue(profile_.offset);
  if (name_->text().toStdString() != profile_.name) {
    name_->setText(QString::fromStdString(profile_.name));
  }
  const ProfilePreset* preset = PresetOf(profile_);
  const auto presets = ProfilePresets();
  presets_->setCurrentRow(preset ? static_cast<int>(preset - presets.data())
                                 : static_cast<int>(presets.size()));
  description_->setText(preset ? FromView(preset->description)
                               : QStringLiteral("Custom: the options as set above."));
  showing_ = false;
}

void ExportDialog::PresetChosen(int row) {
  const auto presets = ProfilePresets();
  if (showing_ || row < 0 || row >= static_cast<int>(presets.size())) {
    return;
  }
  const WiringProfile chosen = profile_;
  profile_ = presets[static_cast<std::size_t>(row)].profile;
  profile_.name = chosen.name;
  const bool c_syntax = IsCSyntax(profile_.syntax);
  const bool matrix = profile_.syntax == Syntax::UnoR4;
  profile_.header = c_syntax && header_->isChecked();
  profile_.progmem = c_syntax && !matrix && progmem_->isChecked();
  profile_.delays = matrix || chosen.delays;
  profile_.offset = matrix ? chosen.offset : DefaultOffset;
  ShowOptions();
  Refresh();
}

void ExportDialog::OptionsChanged() {
  if (showing_) {
    return;
  }
  const Scan scan = Selected<Scan>(scan_);
  // A new scan keeps the sides' places in their lists: left first becomes top first.
  const auto side = [&](QComboBox* box, std::array<Side, 2> (*sides)(Scan)) {
    return scan == profile_.scan ? Selected<Side>(box)
                                 : sides(scan)[static_cast<std::size_t>(box->currentIndex())];
  };
  const Syntax syntax = Selected<Syntax>(syntax_);
  profile_ = {scan,
              side(first_, FirstSides),
              side(msb_, MsbSides),
              Selected<Planes>(planes_),
              invert_->isChecked(),
              syntax,
              zero_->isChecked(),
              name_->text().toStdString(),
              IsCSyntax(syntax) && header_->isChecked(),
              IsCSyntax(syntax) && syntax != Syntax::UnoR4 && progmem_->isChecked(),
              syntax == Syntax::UnoR4 || delays_->isChecked(),
              syntax == Syntax::UnoR4 ? offset_->value() : DefaultOffset};
  ShowOptions();
  Refresh();
}

void ExportDialog::Refresh() {
  if (const std::optional<Error> error = CheckProfile(profile_)) {
    exported_ = {};
    preview_->setPlainText(QString::fromStdString(error->message));
  } else {
    SaveExportProfile(profile_);
    exported_ = ExportAnimationText(animation_, profile_, frame_);
    preview_->setPlainText(QString::fromStdString(exported_.text));
  }
  copy_->setEnabled(!exported_.text.empty());
  save_->setEnabled(!exported_.text.empty());
  ShowPointedLamp();
  ShowNotice();
}

// What the export leaves out of the pattern, and what the chosen syntax asks of the compiler.
void ExportDialog::ShowNotice() {
  QStringList notes;
  for (int index = 0; !exported_.text.empty() && index < animation_.FrameCount(); ++index) {
    const std::optional<std::string> left_out =
        LeftOutColours(animation_.At(index).Lamps(), profile_);
    if (left_out) {
      const QString frame = animation_.FrameCount() > 1
                                ? QStringLiteral(" (frame %1 and maybe others)").arg(index + 1)
                                : QString();
      notes << "Note: " + QString::fromStdString(*left_out) + frame + ".";
      break;
    }
  }
  if (profile_.syntax == Syntax::CBinary) {
    notes << "c-binary's 0b literals need C23 or C++14 (or a compiler that takes them as an "
             "extension).";
  }
  notice_->setText(notes.join("\n"));
  notice_->setVisible(!notes.isEmpty());
}

void ExportDialog::ShowPointedLamp() {
  const std::optional<LampIndex> lamp = grid_->PointedLamp();
  QList<QTextEdit::ExtraSelection> marks;
  std::map<int, QString> parts;  // by unit, so that they read in the export's order
  if (lamp && !exported_.units.empty()) {
    const bool two_planes = PlaneCount(profile_.planes) == 2;
    for (const Plane plane : {Plane::Red, Plane::Green}) {
      const std::optional<BitPosition> position = LampBit(profile_, *lamp, plane);
      if (!position) {
        continue;
      }
      const QString mask = QString::number(1 << position->bit, 16).toUpper().rightJustified(2, '0');
      parts[position->unit] =
          (two_planes ? plane == Plane::Red ? "red: " : "green: " : "") +
          QStringLiteral("byte %1, bit %2 = 0x%3").arg(position->unit).arg(position->bit).arg(mask);
      // One lamp's byte and bit read as one unit: lines break only between units.
      parts[position->unit].replace(' ', QChar::Nbsp);
      const TextSpan digits = BitDigits(exported_, profile_.syntax, *position);
      QTextEdit::ExtraSelection mark;
      mark.cursor = QTextCursor(preview_->document());
      mark.cursor.setPosition(static_cast<int>(digits.start));
      mark.cursor.setPosition(static_cast<int>(digits.start + digits.length),
                              QTextCursor::KeepAnchor);
      mark.format.setBackground(palette().color(QPalette::Highlight));
      mark.format.setForeground(palette().color(QPalette::HighlightedText));
      marks << mark;
    }
  }
  preview_->setExtraSelections(marks);
  if (lamp && !exported_.text.empty() && IsWordSyntax(profile_.syntax)) {
    parts[0] = WordBitText(*lamp);
  }
  QStringList texts;
  for (const auto& [unit, text] : parts) {
    texts << text;
  }
  readout_->setText(texts.isEmpty() ? QStringLiteral("Point at a lamp, or click one, to see which "
                                                     "byte and bit of the export it is.")
                                    : texts.join("; "));
}

// Where a lamp stands in a frame's wide words, which the preview does not mark.
QString ExportDialog::WordBitText(LampIndex lamp) const {
  if (profile_.syntax == Syntax::CUint64) {
    const std::optional<BitPosition> position = LampBit(profile_, lamp, PlaneOf(profile_.planes));
    return position ? QStringLiteral("bit %1 of the frame's value")
                          .arg(position->unit * LampsPerRow + position->bit)
                    : QString();
  }
  const int row = LampsPerRow - 1 - LampRow(lamp);
  const int column = profile_.offset + LampsPerRow - 1 - LampColumn(lamp);
  const int matrix_lamp = MatrixColumns * row + column;
  return QStringLiteral("word %1, bit %2 (matrix row %3, column %4)")
      .arg(matrix_lamp / 32)
      .arg(31 - matrix_lamp % 32)
      .arg(row + 1)
      .arg(column + 1);
}

void ExportDialog::CopyExport() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(exported_.text));
}

void ExportDialog::SaveExport() {
  const std::optional<QString> name = ChooseFileToSave(toolkit_, this, SaveFilter(profile_.syntax));
  if (!name) {
    return;
  }
  if (const std::optional<Error> failure =
          WritePatternFile(*name, ExportFileText(exported_.text, profile_.syntax))) {
    toolkit_.ShowError(this, ErrorText(*failure), MessageTitle);
  }
}

}  // namespace glyphgrid
