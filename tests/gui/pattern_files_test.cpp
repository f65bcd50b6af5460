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
const QString StartCaption = "www.glyphgrid.example";
const QString Filter = "|Bas Files (*.bas*)|";
const QString OpenFilter =
    "|Glyphgrid Documents and Bas Files (*.glyphgrid *.bas*);;Glyphgrid Documents "
    "(*.glyphgrid);;Bas Files (*.bas*)|";

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
    const Animation before = form1_->Frames();
    toolkit_.calls.clear();
    toolkit_.answers = answers;
    form1_->findChild<QAction*>("actionNew")->trigger();
    EXPECT_EQ(toolkit_.calls, calls);
    EXPECT_EQ(form1_->Frames(), cleared ? Animation() : before);
    form1_->Undo();  // New is one step
    EXPECT_EQ(form1_->Frames().FrameCount(), before.FrameCount() - (cleared ? 0 : 1));
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
    EXPECT_EQ(Run("actionOpen", name), QStringList("open" + OpenFilter));
    EXPECT_EQ(form1_->Lamps(), FromGrid(lamps)) << file;
    EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name.toUpper());
    EXPECT_FALSE(form1_->Viewer().isVisible());
    EXPECT_EQ(ViewerText().toStdString(), bytes);
  }
}

// A hand-made heartbeat, saved and opened in a new window, comes back the same: in all four
// colours from a document, in red from the DATA lines.
TEST_F(PatternFilesTest, AHeartbeatSavedComesBackInANewWindow) {
  const std::string small =
      "........\n........\n..R..R..\n.RRRRRR.\n..RRRR..\n...RR...\n........\n........";
  const std::string big =
      ".RR..RR.\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\n.RRRRRR.\n..RRRR..\n...RR...\n........";
  // the action, the file, its last frame, and what the file holds
  const std::tuple<const char*, const char*, std::string, std::string> saves[] = {
      {"actionSaveDocument", "heart.glyphgrid", "G......O\n" + small.substr(9),
       "\"format\": \"glyphgrid\""},
      {"actionSave", "heart.bas", small, "\r\nREM DELAYS 80, 80, 80, 400\r\n"},
  };
  for (const auto& [action, file, last, held] : saves) {
    form1_ = std::make_unique<Form1>(toolkit_);
    toolkit_.numbers = {80, 80, 80, 400};
    for (const std::string& lamps : {small, big, small, last}) {
      if (form1_->Lamps() != LampMatrix()) {
        form1_->AddFrame();
      }
      form1_->SetLamps(FromGrid(lamps), "Set");
      form1_->AskDelay();
    }
    ASSERT_EQ(form1_->Frames().FrameCount(), 4);
    const QString name = PathOf(file);
    Run(action, name);
    EXPECT_NE(folder_.Read(file).find(held), std::string::npos) << folder_.Read(file);
    Form1 opened(toolkit_);
    toolkit_.file_names = {name};
    opened.findChild<QAction*>("actionOpen")->trigger();
    EXPECT_EQ(opened.Frames(), form1_->Frames()) << file;
    EXPECT_EQ(opened.windowTitle(), "Kestrova -" + name.toUpper());
    EXPECT_TRUE(opened.findChild<QDockWidget*>("FramesDock")->isVisibleTo(&opened));
  }
}

// A file that cannot be read as what it holds changes nothing and says why.
TEST_F(PatternFilesTest, AnUnreadableOpenChangesNothing) {
  const std::pair<std::string, QString> files[] = {
      {"{\"format\": \"glyphgrid\", \"version\": 99}", "Cannot open \"%1\": document line 1"},
      {std::string(MaxPatternTextSize + 1, '1'), "Cannot read \"%1\": it is larger than 1 MiB"},
  };
  form1_->AddFrame();
  const Animation before = form1_->Frames();
  for (const auto& [bytes, message] : files) {
    const QString name = QString::fromStdString(folder_.Write("bad.glyphgrid", bytes));
    const QStringList calls = Run("actionOpen", name);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[1].startsWith("error|" + message.arg(name))) << calls[1];
    EXPECT_EQ(form1_->Frames(), before);
    EXPECT_EQ(form1_->windowTitle(), StartCaption);
  }
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
