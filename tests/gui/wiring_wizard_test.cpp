#include "gui/wiring_wizard_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

#include "core/glyphgrid_protocol.h"
#include "core/profile_import.h"
#include "gui/export_settings.h"
#include "support/form1_fixture.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

// A bi-colour board taking rows from the bottom, each plane whole, green first, left lamp the
// least significant bit, mounted turned a quarter and mirrored.
LampMatrix BoardShows(const std::vector<std::uint8_t>& units) {
  const WiringProfile layout{Scan::Rows, Side::Bottom, Side::Right, Planes::GreenRed};
  if (units.size() != 2 * UnitsPerPlane) {
    return {};  // refused, as the firmware refuses a length it does not take
  }
  return Oriented(LampsFromUnits(units, layout), 5);
}

TEST_F(Form1Fixture, WiringWizardFindsTheWiringOfABoard) {
  QSettings().clear();
  form1_->findChild<QAction*>("actionFindWiring")->trigger();
  EXPECT_NE(form1_->findChild<WiringWizard*>("frmWiringWizard"), nullptr);
  LampMatrix board;
  WiringWizard wizard(
      toolkit_, LoadExportProfile(),
      [&](const LampMatrix& lamps, const WiringProfile& profile) {
        board = BoardShows(FramePayload(lamps, profile));
      },
      nullptr);
  wizard.findChild<QCheckBox*>("chkTwoColours")->setChecked(true);
  wizard.findChild<QPushButton*>("cmdCopyExport")->click();
  EXPECT_EQ(std::get<LampMatrix>(ImportPattern(ClipboardText().toStdString(),
                                               TestProfile(LoadExportProfile(), true))),
            WiringTestPattern(true));
  wizard.findChild<QPlainTextEdit*>("txtGrid")->setPlainText(
      QString::fromStdString(GridText(board)));
  wizard.findChild<QPushButton*>("cmdUseGrid")->click();  // the planes come interleaved: no F
  // With one plane after the other the board shows the F, its colours swapped.
  wizard.findChild<QPushButton*>("cmdNoneOfThese")->click();
  wizard.findChild<QRadioButton*>("optCornerRed")->setChecked(true);
  const QString seen = QString::fromStdString(GridText(board)).replace('G', 'R');
  for (int orientation = 0; orientation < OrientationCount; ++orientation) {
    if (seen == QString::fromStdString(GridText(Oriented(WiringTestPattern(false), orientation)))) {
      wizard.findChild<QToolButton*>(QString("cmdPicture%1").arg(orientation))->click();
    }
  }
  ASSERT_EQ(toolkit_.calls.size(), 3);
  EXPECT_TRUE(toolkit_.calls[0].startsWith("error|")) << toolkit_.calls[0];
  EXPECT_TRUE(toolkit_.calls[2].startsWith("message|")) << toolkit_.calls[2];
  EXPECT_EQ(BoardShows(FramePayload(FromGrid(Sample), LoadExportProfile())), FromGrid(Sample));
}

}  // namespace
}  // namespace glyphgrid
