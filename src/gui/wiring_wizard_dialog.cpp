#include "gui/wiring_wizard_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/profile_export.h"
#include "core/profile_presets.h"
#include "gui/export_settings.h"
#include "gui/form1.h"
#include "gui/from_view.h"
#include "gui/toolkit.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

constexpr int PictureLamp = 10;  // pixels a lamp takes in a picture
constexpr int PictureSide = LampsPerRow * PictureLamp;

QPixmap Picture(const LampMatrix& lamps) {
  QPixmap pixmap(PictureSide, PictureSide);
  pixmap.fill(Qt::black);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
    // Lamp 63 is the top left.
    const QRectF cell((LampsPerRow - 1 - LampColumn(lamp)) * PictureLamp,
                      (LampsPerRow - 1 - LampRow(lamp)) * PictureLamp, PictureLamp, PictureLamp);
    painter.setBrush(ToQColor(lamps.Colour(lamp)));
    painter.drawEllipse(cell.adjusted(1, 1, -1, -1));
  }
  return pixmap;
}

QPushButton* Button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

WiringWizard::WiringWizard(Toolkit& toolkit, const WiringProfile& current,
                           ShowPattern show_on_board, QWidget* parent)
    : QDialog(parent),
      toolkit_(toolkit),
      current_(current),
      show_on_board_(std::move(show_on_board)),
      two_colours_(new QCheckBox("The board has red &and green lamps")),
      corner_question_(new QLabel("The lamp in the F's corner shows:")),
      corner_green_(new QRadioButton("&Green")),
      corner_red_(new QRadioButton("&Red")),
      grid_(new QPlainTextEdit) {
  setObjectName("frmWiringWizard");
  setWindowTitle("Find Wiring");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* intro = new QLabel(
      show_on_board_
          ? "The board now shows a test pattern: an F with its top-left corner marked. Click the "
            "picture that looks like what the board shows."
          : "No board is connected. Copy the test pattern's export, run it on your board, and "
            "click the picture that looks like what the board shows, or paste what it showed as "
            "a grid.");
  intro->setObjectName("lblIntro");
  intro->setWordWrap(true);
  two_colours_->setObjectName("chkTwoColours");
  two_colours_->setChecked(PlaneCount(current.planes) == 2);
  corner_green_->setObjectName("optCornerGreen");
  corner_red_->setObjectName("optCornerRed");
  corner_green_->setChecked(true);
  auto* corner = new QHBoxLayout;
  corner->addWidget(corner_question_);
  corner->addWidget(corner_green_);
  corner->addWidget(corner_red_);
  corner->addStretch();

  auto* pictures = new QGridLayout;
  for (int orientation = 0; orientation < OrientationCount; ++orientation) {
    auto* picture = new QToolButton;
    picture->setObjectName(QString("cmdPicture%1").arg(orientation));
    const QString name =
        "The board shows it " + QString::fromStdString(OrientationName(orientation));
    picture->setAccessibleName(name);
    picture->setToolTip(name);
    picture->setIconSize(QSize(PictureSide, PictureSide));
    picture->setFocusPolicy(Qt::StrongFocus);
    connect(picture, &QToolButton::clicked, this, [this, orientation] { Choose(orientation); });
    pictures->addWidget(picture, orientation / 4, orientation % 4);
    pictures_[static_cast<std::size_t>(orientation)] = picture;
  }
  auto* none = Button("&None of These", "cmdNoneOfThese");
  connect(none, &QPushButton::clicked, this, &WiringWizard::NoneOfThese);

  auto* without_board = new QGroupBox("Without a board");
  auto* copy = Button("&Copy Test Export", "cmdCopyExport");
  connect(copy, &QPushButton::clicked, this, &WiringWizard::CopyExport);
  grid_->setObjectName("txtGrid");
  grid_->setAccessibleName("What the board showed, as a grid");
  grid_->setPlaceholderText("Paste what the board showed: 8 rows of . R G O, top row first");
  grid_->setTabChangesFocus(true);
  grid_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Room for the 8 rows and a little more: the pictures above matter more.
  grid_->setFixedHeight(grid_->fontMetrics().lineSpacing() * 10 + 2 * grid_->frameWidth() +
                        2 * static_cast<int>(grid_->document()->documentMargin()));
  auto* use_grid = Button("&Use Grid", "cmdUseGrid");
  connect(use_grid, &QPushButton::clicked, this, &WiringWizard::UseGrid);
  auto* without_layout = new QVBoxLayout(without_board);
  without_layout->addWidget(copy, 0, Qt::AlignLeft);
  without_layout->addWidget(grid_);
  without_layout->addWidget(use_grid, 0, Qt::AlignLeft);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(two_colours_);
  layout->addLayout(corner);
  layout->addLayout(pictures);
  layout->addWidget(none, 0, Qt::AlignLeft);
  layout->addWidget(without_board);
  layout->addWidget(buttons);

  connect(two_colours_, &QCheckBox::toggled, this, [this] {
    shown_ = TestProfile(current_, TwoColours());
    ShowTest();
  });
  shown_ = TestProfile(current_, TwoColours());
  ShowTest();
}

bool WiringWizard::TwoColours() const {
  return two_colours_->isChecked();
}

void WiringWizard::ShowTest() {
  const bool two_colours = TwoColours();
  const LampMatrix test = WiringTestPattern(two_colours);
  for (int orientation = 0; orientation < OrientationCount; ++orientation) {
    pictures_[static_cast<std::size_t>(orientation)]->setIcon(Picture(Oriented(test, orientation)));
  }
  // Disabled rather than hidden, so that the layout keeps its size.
  corner_question_->setEnabled(two_colours);
  corner_green_->setEnabled(two_colours);
  corner_red_->setEnabled(two_colours);
  if (show_on_board_) {
    show_on_board_(test, shown_);
  }
}

void WiringWizard::Choose(int orientation) {
  Finish({orientation, TwoColours() && corner_red_->isChecked()});
}

void WiringWizard::NoneOfThese() {
  if (!TwoColours()) {
    toolkit_.ShowError(this,
                       "If the board shows none of the 8 pictures, it is not getting the test "
                       "pattern's bytes: check that it runs the glyphgrid firmware (or the "
                       "copied export) and its wiring, and whether it has two colours. If it "
                       "shows the F dark among lit lamps, it lights a lamp for 0: check Invert "
                       "in File > Export..., then find the wiring again.",
                       MessageTitle);
    return;
  }
  // A two-colour board that shows neither an F nor its corner takes its planes laid out the
  // other way: interleaved or one after the other.
  shown_ = OtherPlaneLayout(shown_);
  ShowTest();
  toolkit_.ShowMessage(this,
                       QString("The test pattern now goes with its planes %1%2. Click the picture "
                               "the board shows now.")
                           .arg(FromView(NameOf(PlanesValues, shown_.planes)))
                           .arg(show_on_board_ ? "" : " (copy its export again)"),
                       MessageTitle);
}

void WiringWizard::CopyExport() {
  if (std::optional<Error> error = CheckProfile(shown_)) {
    toolkit_.ShowError(this,
                       "Cannot export the test pattern: " + QString::fromStdString(error->message),
                       MessageTitle);
    return;
  }
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(ExportText(WiringTestPattern(TwoColours()), shown_)));
}

void WiringWizard::UseGrid() {
  std::variant<WiringAnswer, Error> answer =
      AnswerFromGrid(grid_->toPlainText().trimmed().toStdString(), TwoColours());
  if (const Error* error = std::get_if<Error>(&answer)) {
    toolkit_.ShowError(this, "Cannot use the grid: " + QString::fromStdString(error->message),
                       MessageTitle);
    return;
  }
  Finish(std::get<WiringAnswer>(answer));
}

void WiringWizard::Finish(const WiringAnswer& answer) {
  std::variant<WiringProfile, Error> found = FoundWiring(shown_, answer);
  if (const Error* error = std::get_if<Error>(&found)) {
    toolkit_.ShowError(this, "Cannot find the wiring: " + QString::fromStdString(error->message),
                       MessageTitle);
    return;
  }
  const WiringProfile& profile = std::get<WiringProfile>(found);
  SaveExportProfile(profile);
  toolkit_.ShowMessage(this,
                       QString("The board shows the editor's picture the right way round with "
                               "%1 (%2). Export and the board use it from now on.")
                           .arg(QString::fromStdString(ProfileLabel(profile)),
                                QString::fromStdString(WiringOptionsText(profile))),
                       MessageTitle);
  accept();
}

}  // namespace glyphgrid
