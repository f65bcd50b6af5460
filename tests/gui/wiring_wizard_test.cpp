#include "gui/wiring_wizard_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>

#include "core/glyphgrid_protocol.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "gui/export_settings.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

class WiringWizardTest : public Form1Fixture {
 protected:
  WiringWizardTest() { QSettings().clear(); }
};

// A MAX7219 module reading rows top first, left lamp the most significant bit, mounted turned a
// quarter and mirrored.
LampMatrix BoardShows(const std::vector<std::uint8_t>& units) {
  return Oriented(LampsFromUnits(units, FindProfilePreset("c-rows")->profile), 5);
}

TEST_F(WiringWizardTest, ThePictureTheUserSeesGivesTheProfileTheBoardNeeds) {
  LampMatrix board;
  WiringWizard wizard(
      toolkit_, LoadExportProfile(),
      [&](const LampMatrix& lamps, const WiringProfile& profile) {
        board = BoardShows(FramePayload(lamps, profile));
      },
      nullptr);
  for (int orientation = 0; orientation < OrientationCount; ++orientation) {
    if (Oriented(WiringTestPattern(false), orientation) == board) {
      wizard.findChild<QToolButton*>(QString("cmdPicture%1").arg(orientation))->click();
    }
  }
  ASSERT_EQ(toolkit_.calls.size(), 1);
  EXPECT_TRUE(toolkit_.calls[0].startsWith("message|")) << toolkit_.calls[0];
  std::mt19937 random(5);
  for (int i = 0; i < 20; ++i) {
    const LampMatrix picture = RandomPattern(random, 2);
    EXPECT_EQ(BoardShows(FramePayload(picture, LoadExportProfile())), picture);
  }
}

TEST_F(WiringWizardTest, PastedGridsWithoutABoard) {
  form1_->findChild<QAction*>("actionFindWiring")->trigger();
  auto* wizard = form1_->findChild<WiringWizard*>("frmWiringWizard");
  ASSERT_NE(wizard, nullptr);
  wizard->findChild<QCheckBox*>("chkTwoColours")->setChecked(true);
  wizard->findChild<QPushButton*>("cmdCopyExport")->click();
  EXPECT_EQ(std::get<LampMatrix>(ImportPattern(ClipboardText().toStdString(), wizard->Shown())),
            WiringTestPattern(true));
  // Mirrored top to bottom with the planes swapped: interleaved planes cannot swap, one after
  // the other can.
  const QString seen =
      "........\n..G.....\n..G.....\n..G.....\n..GGGG..\n..G.....\n..GGGGG.\nR.......";
  for (const char* press : {"cmdUseGrid", "cmdNoneOfThese", "cmdUseGrid"}) {
    wizard->findChild<QPlainTextEdit*>("txtGrid")->setPlainText(seen);
    wizard->findChild<QPushButton*>(press)->click();
  }
  ASSERT_EQ(toolkit_.calls.size(), 3);
  EXPECT_TRUE(toolkit_.calls[0].startsWith("error|")) << toolkit_.calls[0];
  EXPECT_EQ(LoadExportProfile().planes, Planes::GreenRed);
}

}  // namespace
}  // namespace glyphgrid
