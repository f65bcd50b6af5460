#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QStatusBar>
#include <QTest>

#include "core/lamp_geometry.h"
#include "core/profile_presets.h"
#include "fake_board/fake_board.h"
#include "gui/board_link.h"
#include "gui/connect_dialog.h"
#include "gui/export_settings.h"
#include "gui/from_view.h"
#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

using std::chrono::milliseconds;

class BoardTest : public Form1Fixture {
 protected:
  // Board > Connect... as a user does it; the board first gets the frame shown.
  void Connect(const FakeBoard& board, BoardProtocol protocol) {
    form1_->show();
    form1_->findChild<QAction*>("actionConnect")->trigger();
    auto* dialog = form1_->findChild<ConnectDialog*>();
    dialog->findChild<QComboBox*>("cboPort")->setEditText(QString::fromStdString(board.Path()));
    dialog->findChild<QComboBox*>("cboProtocol")
        ->setCurrentText(FromView(NameOf(BoardProtocolValues, protocol)));
    dialog->accept();
    ASSERT_TRUE(QTest::qWaitFor([&board] { return board.Frames().size() == 1; }, 1000));
  }
  void Press(LampIndex lamp) {
    const TwipRect r = LampBounds(lamp);
    form1_->Form_MouseDown(Qt::LeftButton, {}, r.left + r.width / 2.0f, r.top + r.height / 2.0f);
  }
};

TEST_F(BoardTest, DrawnLampsArriveAsTheBoardShowsThemAndABurstEndsWithItsLastPattern) {
  const std::tuple<BoardProtocol, std::vector<std::string>, const char*, bool> boards[] = {
      {BoardProtocol::Glyphgrid, {"red"}, "basic", false},
      {BoardProtocol::Glyphgrid, {"red", "green"}, "ht16k33", true},
      {BoardProtocol::UnoR4Live, {"red"}, "uno-r4", false},
  };
  for (const auto& [protocol, colours, preset, garbage] : boards) {
    const WiringProfile& profile = FindProfilePreset(preset)->profile;
    SaveExportProfile(profile);
    FakeBoard board({protocol, colours, profile, {}});
    board.AnswerGarbage(garbage);
    Connect(board, protocol);
    const auto pressed = std::chrono::steady_clock::now();
    Press(20);
    ASSERT_TRUE(QTest::qWaitFor([&board] { return board.Frames().size() == 2; }, 1000)) << preset;
    EXPECT_LT(board.Frames()[1].at - pressed, milliseconds(100)) << preset;
    EXPECT_EQ(board.Frames()[1].lamps, form1_->Lamps()) << preset;
    for (int press = 0; press < 1000; ++press) {
      Press(press * 7 % LampCount);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&, &board = board] { return board.Frames().back().lamps == form1_->Lamps(); }, 1000));
    QTest::qWait(50);
    EXPECT_LE(board.Frames().size(), 5u) << preset;
    form1_->findChild<QAction*>("actionDisconnect")->trigger();
  }
}

// The failure is in the status bar within about a second; the event loop runs on meanwhile (a
// 10 ms ticker counts).
TEST_F(BoardTest, ABoardThatFallsSilentOrGoesIsReportedWhileTheEditorRuns) {
  const std::tuple<void (*)(FakeBoard&), QString, int> faults[] = {
      {[](FakeBoard& board) { board.StopAnswering(true); }, "stopped answering", 50},
      {[](FakeBoard& board) { board.HangUp(); }, "cable pulled", 0},
  };
  for (const auto& [fault, message, ticks_meanwhile] : faults) {
    FakeBoard board;
    Connect(board, BoardProtocol::Glyphgrid);
    fault(board);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(10);
    Press(9);
    EXPECT_TRUE(QTest::qWaitFor(
        [&, &message = message] { return form1_->statusBar()->currentMessage().contains(message); },
        1500));
    EXPECT_GE(ticks, ticks_meanwhile) << message;
    EXPECT_FALSE(form1_->Board().IsOpen()) << message;
  }
}

}  // namespace
}  // namespace glyphgrid
