#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <filesystem>

#include "support/form1_fixture.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

const QString TopLeftLit =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const char* const TopLeft =
    "R.......\n........\n........\n........\n........\n........\n........\n........";
const std::string Blank = "........\n........";
const QString StartCaption = "www.glyphgrid.example";
const QString Filter = "|Bas Files (*.bas*)|";

class PatternFilesTest : public Form1Fixture {
 protected:
  QString PathOf(const std::string& name) const {
    return QString::fromStdString(folder_.Path(name));
  }
  // Triggers the File menu's action with the dialog answering `name`; the calls to the toolkit.
  QStringList Run(const char* action, std::optional<QString> name) {
    toolkit_.calls.clear();
    toolkit_.file_names = {name};
    form1_->findChild<QAction*>(action)->trigger();
    return toolkit_.calls;
  }
  TemporaryFolder folder_;
};

TEST_F(PatternFilesTest, SaveWritesTheDataLineOfTheCurrentLampsAndHidesTheViewer) {
  form1_->Command5_Click();
  form1_->SetLamps(FromGrid(TopLeft), "Set");  // after the last View Data
  EXPECT_EQ(Run("actionSave", std::nullopt), QStringList("save" + Filter));
  EXPECT_EQ(form1_->windowTitle(), StartCaption);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
  EXPECT_FALSE(form1_->Viewer().isVisible());
  EXPECT_EQ(ViewerText(), TopLeftLit);
  for (const std::string name : {"heart.bas", "no-extension"}) {
    folder_.Write(name, std::string(500, 'x'));
    form1_->Command5_Click();
    form1_->Viewer().SetText("stale");
    EXPECT_EQ(Run("actionSave", PathOf(name)), QStringList("save" + Filter));
    EXPECT_EQ(folder_.Read(name), TopLeftLit.toStdString() + "\r\n");
    EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + PathOf(name));
    EXPECT_FALSE(form1_->Viewer().isVisible());
    EXPECT_EQ(ViewerText(), TopLeftLit);
  }
}

TEST_F(PatternFilesTest, NewDisplayOffersToSaveOrClear) {
  const QString save = "question|Do you want to save the Current display file!|Kestrova";
  const QString clear = "question|Do you want to clear the Display!|Kestrova";
  const std::tuple<std::deque<bool>, bool, QStringList> cases[] = {
      {{true}, false, {save, "save" + Filter}},
      {{false, false}, false, {save, clear}},
      {{false, true}, true, {save, clear}},
  };
  for (const auto& [answers, cleared, calls] : cases) {
    form1_->SetLamps(FromGrid(TopLeft), "Set");
    form1_->DuplicateFrame();
    toolkit_.calls.clear();
    toolkit_.answers = answers;
    form1_->findChild<QAction*>("actionNew")->trigger();
    EXPECT_EQ(toolkit_.calls, calls);
    EXPECT_EQ(form1_->Frames() == Animation(), cleared);  // one blank frame
  }
}

TEST_F(PatternFilesTest, LoadSetsLampsViewerTextAndUpperCaseCaption) {
  const std::string text =
      "&B11110000, &B00000000, &B00000000, &B00000000\r\n"
      "&B10101010, &B00000000, &B00000000, &B00000000\r\n";
  const char* two_lines =
      "........\nGG......\n........\nG.......\nR.......\nO.......\nR.......\nO.......";
  const std::tuple<std::string, std::string, const char*> loads[] = {
      {"Two-Lines.bas", text, two_lines},
      {"empty.bas", "", two_lines},
      {"nul.bas", std::string(4, '\0'), two_lines},
      {"big.bas", std::string(MaxPatternTextSize, '1'),
       "OOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO"},
      // A saved DATA line, white space after it, sets every lamp; one that is not exactly that is
      // read as planes.
      {"saved.bas", TopLeftLit.toStdString() + "\r\n \t\n", TopLeft},
      {"two.bas", TopLeftLit.toStdString() + "\n" + TopLeftLit.toStdString(),
       "........\n........\n........\n........\n........\n........\n........\n........"},
  };
  form1_->SetLamps(
      FromGrid("........\n.G......\n........\n........\n........\n........\n........\n........"),
      "Set");
  for (const auto& [file, bytes, lamps] : loads) {
    const QString name = QString::fromStdString(folder_.Write(file, bytes));
    EXPECT_EQ(Run("actionOpen", name),
              QStringList("open|Glyphgrid Documents and Bas Files (*.glyphgrid *.bas*)|"));
    EXPECT_EQ(form1_->Lamps(), FromGrid(lamps)) << file;
    EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name.toUpper());
    EXPECT_FALSE(form1_->Viewer().isVisible());
    EXPECT_EQ(ViewerText().toStdString(), bytes);
  }
}

// A hand-made heartbeat, saved and opened in a new window, comes back the same.
TEST_F(PatternFilesTest, AHeartbeatSavedComesBackInANewWindow) {
  const std::string small = "........\n........\n..R..R..\n.RRRRRR.\n..RRRR..\n...RR...\n" + Blank;
  toolkit_.numbers = {80, 80, 80, 400};
  for (const std::string& lamps : {small, ".RR..RR.\nRRRRRRRR\nRRRRRRRR\n" + small.substr(27),
                                   small, Blank + "\n" + Blank + "\n" + Blank + "\n" + Blank}) {
    form1_->SetLamps(FromGrid(lamps), "Set");
    form1_->AskDelay();
    form1_->AddFrame();
  }
  form1_->DeleteFrame();
  for (const char* const file : {"heart.glyphgrid", "heart.bas"}) {
    Run(std::string_view(file).ends_with("glyphgrid") ? "actionSaveDocument" : "actionSave",
        PathOf(file));
    Form1 opened(toolkit_);
    toolkit_.file_names = {PathOf(file)};
    opened.findChild<QAction*>("actionOpen")->trigger();
    EXPECT_EQ(opened.Frames(), form1_->Frames()) << folder_.Read(file);
    EXPECT_EQ(opened.windowTitle(), "Kestrova -" + PathOf(file).toUpper());
    EXPECT_TRUE(opened.findChild<QDockWidget*>("FramesDock")->isVisibleTo(&opened));
  }
  EXPECT_TRUE(folder_.Read("heart.bas").ends_with("\r\nREM DELAYS 80, 80, 80, 400\r\n"));
}

// Each dialog starts where the last file was picked, opened or saved; a cancel changes nothing.
TEST_F(PatternFilesTest, FileDialogsStartInTheFolderOfTheLastFilePicked) {
  std::filesystem::create_directories(folder_.Path("a"));
  std::filesystem::create_directories(folder_.Path("b"));
  Run("actionSave", PathOf("a/saved.bas"));
  toolkit_.start_folders.clear();
  Run("actionOpen", std::nullopt);
  Run("actionImport", QString::fromStdString(folder_.Write("b/picked.bas", "")));
  Run("actionSaveColourPattern", std::nullopt);
  std::filesystem::remove_all(folder_.Path("b"));
  Run("actionOpen", std::nullopt);  // the folder is gone: the dialog chooses
  EXPECT_EQ(toolkit_.start_folders, QStringList({PathOf("a"), PathOf("a"), PathOf("b"), ""}));
}

}  // namespace
}  // namespace glyphgrid
