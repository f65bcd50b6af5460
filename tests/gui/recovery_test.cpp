#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "core/document_file.h"
#include "gui/recovery_store.h"
#include "support/form1_fixture.h"

namespace glyphgrid {

// Each test starts on an empty recovery folder of the test run's own.
struct RecoveryTest : Form1Fixture {
  RecoveryTest() { std::filesystem::remove_all(Folder()); }
  static std::string Folder() { return RecoveryStore::DefaultFolder().toStdString(); }
  std::mt19937 random_{7};
  const LampMatrix first_ = RandomPattern(random_, 4), second_ = RandomPattern(random_, 4);
};

// Recover brings back the ended session that wrote last, whole and as one step, or says why not
// and changes nothing.
TEST_F(RecoveryTest, RecoversTheLastEndedSessionOrSaysWhyNot) {
  auto other = std::make_unique<Form1>(toolkit_);
  other->SetLamps(first_, "Draw");
  other->close();  // written, but its editor still runs: nothing to recover
  form1_->RecoverLastSession();
  other.reset();
  Form1(toolkit_).close();  // a session that draws nothing keeps what the one before left
  form1_->SetLamps(second_, "Draw");
  EXPECT_FALSE(form1_->findChild<RecoveryStore*>()->Write());  // this session's own copy
  form1_->RecoverLastSession();
  EXPECT_EQ(form1_->Lamps(), first_);
  form1_->Undo();
  EXPECT_EQ(form1_->Lamps(), second_);

  // The latest file, left by a killed editor: whole, empty, cut short, too large.
  const std::string grid = DocumentText({Animation({Frame(first_)}), std::nullopt});
  for (const std::string& file :
       {grid, std::string(), grid.substr(0, 40), std::string(MaxPatternTextSize + 1, '.')}) {
    std::ofstream(Folder() + "/session-1.glyphgrid") << file;
    std::ofstream(Folder() + "/session-1.lock") << "99999999\n";
    form1_->SetLamps(second_, "Draw");
    form1_->RecoverLastSession();
    EXPECT_EQ(form1_->Lamps(), file == grid ? first_ : second_) << file.size();
  }
  // The running session's "nothing to recover", and the three bad files.
  EXPECT_EQ(toolkit_.calls.filter("message|").size() + toolkit_.calls.filter("error|").size(), 4);
}

// A failed write is said once in the status bar, never in a box and never on close; with nothing
// changed since the last write nothing is written, so nothing can fail.
TEST_F(RecoveryTest, SaysAFailedWriteOnceAndWritesOnlyAChange) {
  auto* timer = form1_->findChild<QTimer*>("RecoveryTimer");
  timer->setInterval(0);
  form1_->SetLamps(second_, "Draw");
  QTRY_VERIFY(std::filesystem::exists(Folder()));
  std::filesystem::remove_all(Folder());
  std::ofstream(Folder()) << "a file where the folder was";
  for (const LampMatrix& lamps : {second_, first_, RandomPattern(random_, 4)}) {
    form1_->SetLamps(lamps, "Draw");
    QTRY_VERIFY(!timer->isActive());
    EXPECT_EQ(form1_->statusBar()->currentMessage().isEmpty(), lamps != first_);
    form1_->statusBar()->clearMessage();
  }
  form1_->close();
  EXPECT_EQ(form1_->statusBar()->currentMessage() + toolkit_.calls.join(""), "end||");
}

}  // namespace glyphgrid
