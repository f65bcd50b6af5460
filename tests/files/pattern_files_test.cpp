#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <csignal>

#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const QByteArray TopLeftLit =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const QString StartCaption = "www.glyphgrid.example";

QByteArray ReadAll(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Lets writes grow a file to a few bytes only, as on a full disk, while the object lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  void (*handler_)(int);
  rlimit saved_{};
};

class PatternFilesTest : public Form1Fixture {
 protected:
  QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
  // Runs the operation with the dialog answering `name` and returns the error messages shown.
  std::vector<FakeToolkit::Call> Run(void (Form1::*operation)(), std::optional<QString> name) {
    toolkit_.calls.clear();
    toolkit_.file_names = {name};
    (form1_.get()->*operation)();
    return toolkit_.CallsOf("error");
  }
  QTemporaryDir folder_;
};

TEST_F(PatternFilesTest, SaveWritesTheDataLineOfTheCurrentLampsAndHidesTheViewer) {
  form1_->Command5_Click();
  form1_->SetLampColour(63, LampRed);  // after the last View Data
  for (const QString& name : {PathOf("heart.bas"), PathOf("no-extension")}) {
    WriteAll(name, QByteArray(500, 'x'));
    EXPECT_TRUE(Run(&Form1::SavePattern, name).empty());
    EXPECT_EQ(ReadAll(name), TopLeftLit + "\r\n");
    EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name);
    EXPECT_EQ(toolkit_.CallsOf("save").at(0).text, "Bas Files (*.bas*)");
    EXPECT_FALSE(form1_->Viewer().isVisible());
    EXPECT_EQ(form1_->Viewer().Text1().Text(), TopLeftLit);
  }
  EXPECT_EQ(QDir(folder_.path()).count(), 4u);  // with . and ..
}

TEST_F(PatternFilesTest, CancelledSaveWritesNothingButHasRegeneratedAndHiddenTheViewer) {
  form1_->Command5_Click();
  form1_->SetLampColour(63, LampRed);
  EXPECT_TRUE(Run(&Form1::SavePattern, std::nullopt).empty());
  EXPECT_EQ(form1_->windowTitle(), StartCaption);
  EXPECT_TRUE(QDir(folder_.path()).isEmpty());
  EXPECT_FALSE(form1_->Viewer().isVisible());
  EXPECT_EQ(form1_->Viewer().Text1().Text(), TopLeftLit);
}

TEST_F(PatternFilesTest, FailedSaveShowsTheReasonAndLeavesTheOldFileAndCaption) {
  const QString existing = PathOf("old.bas");
  WriteAll(existing, "old contents");
  for (const QString& name : {PathOf("no/such/folder.bas"), existing}) {
    std::vector<FakeToolkit::Call> errors;
    {
      const bool full_disk = name == existing;
      std::optional<FileSizeLimit> limit;
      if (full_disk) {
        limit.emplace(4);
      }
      errors = Run(&Form1::SavePattern, name);
    }
    ASSERT_EQ(errors.size(), 1u) << name.toStdString();
    EXPECT_TRUE(errors[0].text.contains(name)) << errors[0].text.toStdString();
    EXPECT_EQ(form1_->windowTitle(), StartCaption);
    EXPECT_EQ(ReadAll(existing), "old contents");
  }
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"old.bas"});
}

TEST_F(PatternFilesTest, NewDisplayOffersToSaveOrClear) {
  struct Case {
    std::deque<bool> answers;
    bool cleared;
    std::size_t save_dialogs;
  };
  const Case cases[] = {{{true}, false, 1}, {{false, false}, false, 0}, {{false, true}, true, 0}};
  for (const Case& c : cases) {
    form1_->SetLampColour(10, LampGreen);
    toolkit_.calls.clear();
    toolkit_.answers = c.answers;
    form1_->NewDisplay();
    const auto questions = toolkit_.CallsOf("question");
    ASSERT_EQ(questions.size(), c.answers.size());
    EXPECT_EQ(questions[0].text, "Do you want to save the Current display file!");
    EXPECT_EQ(questions.back().title, "Kestrova");
    EXPECT_EQ(form1_->Lamps().Colour(10), c.cleared ? LampGrey : LampGreen);
    EXPECT_EQ(toolkit_.CallsOf("save").size(), c.save_dialogs);
  }
}

TEST_F(PatternFilesTest, LoadSetsLampsViewerTextAndUpperCaseCaption) {
  const QByteArray text =
      "&B11110000, &B00000000, &B00000000, &B00000000\r\n"
      "&B10101010, &B00000000, &B00000000, &B00000000\r\n";
  const QString name = PathOf("Two-Lines.bas");
  WriteAll(name, text);
  form1_->SetLampColour(6, LampGreen);
  EXPECT_TRUE(Run(&Form1::LoadPattern, name).empty());
  const LampColour column7[] = {LampOrange, LampRed,  LampOrange, LampRed,
                                LampGreen,  LampGrey, LampGreen,  LampGrey};
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(form1_->Lamps().Colour(8 * row + 7), column7[row]) << "row " << row;
  }
  EXPECT_EQ(form1_->Lamps().Colour(6), LampGreen);
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name.toUpper());
  EXPECT_EQ(toolkit_.CallsOf("open").at(0).text, "Bas Files (*.bas*)");
  EXPECT_FALSE(form1_->Viewer().isVisible());
  form1_->Viewer().Command1_Click();
  EXPECT_EQ(ClipboardText(), QString::fromLatin1(text));
}

TEST_F(PatternFilesTest, LoadThatCannotReadChangesNothingAndCancelStaysSilent) {
  WriteAll(PathOf("huge.bas"), QByteArray(1024 * 1024 + 1, '1'));
  form1_->SetLampColour(7, LampOrange);
  form1_->Command5_Click();
  const LampMatrix lamps = form1_->Lamps();
  const QString viewer_text = form1_->Viewer().Text1().Text();
  for (const QString& name : {PathOf("missing.bas"), folder_.path(), PathOf("huge.bas")}) {
    const auto errors = Run(&Form1::LoadPattern, name);
    ASSERT_EQ(errors.size(), 1u) << name.toStdString();
    EXPECT_TRUE(errors[0].text.contains(name)) << errors[0].text.toStdString();
    EXPECT_EQ(form1_->Lamps(), lamps);
    EXPECT_EQ(form1_->Viewer().Text1().Text(), viewer_text);
    EXPECT_EQ(form1_->windowTitle(), StartCaption);
  }
  EXPECT_TRUE(Run(&Form1::LoadPattern, std::nullopt).empty());
  EXPECT_EQ(toolkit_.calls.size(), 1u);
}

TEST_F(PatternFilesTest, EmptyAndOneMiBFilesLoad) {
  WriteAll(PathOf("empty.bas"), "");
  WriteAll(PathOf("big.bas"), QByteArray(1024 * 1024, '1'));
  form1_->SetLampColour(30, LampRed);
  EXPECT_TRUE(Run(&Form1::LoadPattern, PathOf("empty.bas")).empty());
  EXPECT_EQ(form1_->Viewer().Text1().Text(), "");
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + PathOf("empty.bas").toUpper());
  EXPECT_EQ(form1_->Lamps().Colour(30), LampRed);
  EXPECT_TRUE(Run(&Form1::LoadPattern, PathOf("big.bas")).empty());
  EXPECT_EQ(form1_->Lamps().Colour(30), LampOrange);
}

TEST_F(PatternFilesTest, ColourPatternLoadsBackEveryColourThroughTheFileMenu) {
  const LampColour colours[] = {LampGrey, LampRed, LampGreen, LampOrange};
  for (LampIndex i = 0; i < LampCount; ++i) {
    form1_->SetLampColour(i, colours[(i * 7 + i / 5) % 4]);
  }
  const LampMatrix saved = form1_->Lamps();
  const QString name = PathOf("colours.bas");
  toolkit_.file_names = {name, name};
  form1_->findChild<QAction*>("actionSaveColourPattern")->trigger();
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name);
  toolkit_.answers = {true};
  form1_->ClearDisplay();
  form1_->findChild<QAction*>("actionOpen")->trigger();
  EXPECT_EQ(form1_->Lamps(), saved);

  QStringList shortcuts;
  for (QAction* action : form1_->menuBar()->actions().at(0)->menu()->actions()) {
    shortcuts << action->shortcut().toString();
  }
  EXPECT_EQ(shortcuts, QStringList({"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "", "Ctrl+Q"}));
}

}  // namespace
}  // namespace glyphgrid
