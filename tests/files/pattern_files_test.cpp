#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "support/form1_fixture.h"

namespace glyphgrid {
namespace {

const QByteArray TopLeftLit =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
const QString Filter = "Bas Files (*.bas*)";
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

// Lets writes grow a file only to a few bytes, as on a full disk, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit saved_{};
  void (*previous_handler_)(int);
};

class PatternFilesTest : public Form1Fixture {
 protected:
  QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
  QTemporaryDir folder_;
};

TEST_F(PatternFilesTest, SaveWritesTheDataLineOfTheCurrentLamps) {
  form1_->Command5_Click();
  form1_->SetLampColour(63, LampRed);  // after the last View Data
  const QString name = PathOf("heart.bas");
  toolkit_.file_names = {name};
  form1_->SavePattern();
  EXPECT_EQ(ReadAll(name), TopLeftLit + "\r\n");
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name);
  EXPECT_EQ(toolkit_.CallsOf("save").at(0).text, Filter);
  EXPECT_FALSE(form1_->Viewer().isVisible());
  EXPECT_EQ(form1_->Viewer().Text1().Text(), TopLeftLit);
}

TEST_F(PatternFilesTest, SaveReplacesAnExistingFileAndKeepsANameWithoutExtension) {
  const QString name = PathOf("pattern");
  WriteAll(name, QByteArray(500, 'x'));
  form1_->SetLampColour(63, LampRed);
  toolkit_.file_names = {name};
  form1_->SavePattern();
  EXPECT_EQ(ReadAll(name), TopLeftLit + "\r\n");
  EXPECT_FALSE(QFile::exists(name + ".bas"));
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name);
  EXPECT_TRUE(toolkit_.CallsOf("error").empty());
}

TEST_F(PatternFilesTest, CancelledSaveWritesNothingButHasRegeneratedAndHiddenTheViewer) {
  form1_->Command5_Click();
  form1_->SetLampColour(63, LampRed);
  toolkit_.file_names = {std::nullopt};
  form1_->SavePattern();
  EXPECT_EQ(form1_->windowTitle(), StartCaption);
  EXPECT_TRUE(QDir(folder_.path()).isEmpty());
  EXPECT_TRUE(toolkit_.CallsOf("error").empty());
  EXPECT_FALSE(form1_->Viewer().isVisible());
  EXPECT_EQ(form1_->Viewer().Text1().Text(), TopLeftLit);
}

TEST_F(PatternFilesTest, FailedSaveShowsTheReasonAndLeavesTheOldFileAndCaption) {
  struct Case {
    const char* what;
    QString name;
    bool full_disk;
  };
  const QString existing = PathOf("old.bas");
  WriteAll(existing, "old contents");
  const Case cases[] = {{"missing folder", PathOf("no/such/folder.bas"), false},
                        {"full disk", existing, true}};
  for (const Case& c : cases) {
    toolkit_.calls.clear();
    toolkit_.file_names = {c.name};
    if (c.full_disk) {
      FileSizeLimit limit(4);
      form1_->SavePattern();
    } else {
      form1_->SavePattern();
    }
    const auto errors = toolkit_.CallsOf("error");
    ASSERT_EQ(errors.size(), 1u) << c.what;
    EXPECT_TRUE(errors[0].text.contains(c.name)) << errors[0].text.toStdString();
    EXPECT_EQ(form1_->windowTitle(), StartCaption) << c.what;
    EXPECT_EQ(ReadAll(existing), "old contents") << c.what;
  }
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"old.bas"});
}

TEST_F(PatternFilesTest, NewDisplayOffersToSaveOrClear) {
  struct Case {
    const char* what;
    std::deque<bool> answers;
    bool cleared;
    std::size_t save_dialogs;
  };
  const Case cases[] = {
      {"Yes, then cancel the save", {true}, false, 1},
      {"No, then No", {false, false}, false, 0},
      {"No, then Yes", {false, true}, true, 0},
  };
  for (const Case& c : cases) {
    form1_->SetLampColour(10, LampGreen);
    toolkit_.calls.clear();
    toolkit_.answers = c.answers;
    form1_->NewDisplay();
    const auto questions = toolkit_.CallsOf("question");
    ASSERT_GE(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "Do you want to save the Current display file!");
    EXPECT_EQ(questions[0].title, "Kestrova");
    if (questions.size() > 1) {
      EXPECT_EQ(questions[1].text, "Do you want to clear the Display!");
    }
    EXPECT_EQ(questions.size(), c.answers.size()) << c.what;
    EXPECT_EQ(form1_->Lamps().Colour(10), c.cleared ? LampGrey : LampGreen) << c.what;
    EXPECT_EQ(toolkit_.CallsOf("save").size(), c.save_dialogs) << c.what;
  }
}

TEST_F(PatternFilesTest, LoadSetsLampsViewerTextAndUpperCaseCaption) {
  const QByteArray text =
      "&B11110000, &B00000000, &B00000000, &B00000000\r\n"
      "&B10101010, &B00000000, &B00000000, &B00000000\r\n";
  const QString name = PathOf("Two-Lines.bas");
  WriteAll(name, text);
  form1_->SetLampColour(6, LampGreen);
  toolkit_.file_names = {name};
  form1_->LoadPattern();
  const LampColour column7[] = {LampOrange, LampRed,  LampOrange, LampRed,
                                LampGreen,  LampGrey, LampGreen,  LampGrey};
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(form1_->Lamps().Colour(8 * row + 7), column7[row]) << "row " << row;
  }
  EXPECT_EQ(form1_->Lamps().Colour(6), LampGreen);
  EXPECT_EQ(form1_->Viewer().Text1().Text(), QString::fromLatin1(text));
  EXPECT_FALSE(form1_->Viewer().isVisible());
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name.toUpper());
  EXPECT_EQ(toolkit_.CallsOf("open").at(0).text, Filter);
  form1_->Viewer().Command1_Click();
  EXPECT_EQ(ClipboardText(), QString::fromLatin1(text));
}

TEST_F(PatternFilesTest, LoadThatCannotReadChangesNothing) {
  struct Case {
    const char* what;
    QString name;
    std::optional<QByteArray> contents;
  };
  const Case cases[] = {
      {"missing file", PathOf("missing.bas"), std::nullopt},
      {"a folder", folder_.path(), std::nullopt},
      {"over 1 MiB", PathOf("huge.bas"), QByteArray(1024 * 1024 + 1, '1')},
  };
  form1_->SetLampColour(7, LampOrange);
  form1_->Command5_Click();
  const LampMatrix lamps = form1_->Lamps();
  const QString viewer_text = form1_->Viewer().Text1().Text();
  for (const Case& c : cases) {
    if (c.contents) {
      WriteAll(c.name, *c.contents);
    }
    toolkit_.calls.clear();
    toolkit_.file_names = {c.name};
    form1_->LoadPattern();
    const auto errors = toolkit_.CallsOf("error");
    ASSERT_EQ(errors.size(), 1u) << c.what;
    EXPECT_TRUE(errors[0].text.contains(c.name)) << errors[0].text.toStdString();
    EXPECT_EQ(form1_->Lamps(), lamps) << c.what;
    EXPECT_EQ(form1_->Viewer().Text1().Text(), viewer_text) << c.what;
    EXPECT_EQ(form1_->windowTitle(), StartCaption) << c.what;
  }
}

TEST_F(PatternFilesTest, LoadOfAFileOfExactlyOneMiBIsAccepted) {
  const QString name = PathOf("big.bas");
  WriteAll(name, QByteArray(1024 * 1024, '1'));
  toolkit_.file_names = {name};
  form1_->LoadPattern();
  EXPECT_TRUE(toolkit_.CallsOf("error").empty());
  EXPECT_EQ(form1_->Lamps().Colour(0), LampOrange);
}

TEST_F(PatternFilesTest, EmptyFileEmptiesTheViewerAndChangesNoLamp) {
  const QString name = PathOf("empty.bas");
  WriteAll(name, "");
  form1_->SetLampColour(30, LampRed);
  const LampMatrix lamps = form1_->Lamps();
  toolkit_.file_names = {name};
  form1_->LoadPattern();
  EXPECT_EQ(form1_->Viewer().Text1().Text(), "");
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name.toUpper());
  EXPECT_EQ(form1_->Lamps(), lamps);
}

TEST_F(PatternFilesTest, CancelledLoadStaysSilent) {
  toolkit_.file_names = {std::nullopt};
  form1_->LoadPattern();
  EXPECT_EQ(toolkit_.calls.size(), 1u);
  EXPECT_EQ(form1_->windowTitle(), StartCaption);
  EXPECT_EQ(form1_->ExistingViewer(), nullptr);
}

TEST_F(PatternFilesTest, ColourPatternLoadsBackEveryColour) {
  const LampColour colours[] = {LampGrey, LampRed, LampGreen, LampOrange};
  for (LampIndex i = 0; i < LampCount; ++i) {
    form1_->SetLampColour(i, colours[(i * 7 + i / 5) % 4]);
  }
  const LampMatrix saved = form1_->Lamps();
  const QString name = PathOf("colours.bas");
  toolkit_.file_names = {name, name};
  form1_->findChild<QAction*>("actionSaveColourPattern")->trigger();
  EXPECT_EQ(form1_->windowTitle(), "Kestrova -" + name);
  EXPECT_EQ(ReadAll(name).size(), 768);
  toolkit_.answers = {true};
  form1_->ClearDisplay();
  form1_->findChild<QAction*>("actionOpen")->trigger();
  EXPECT_EQ(form1_->Lamps(), saved);
}

TEST_F(PatternFilesTest, FileMenuHasItsShortcutsWithExitLast) {
  struct Entry {
    const char* action;
    const char* shortcut;
  };
  const Entry entries[] = {{"actionNew", "Ctrl+N"},
                           {"actionOpen", "Ctrl+O"},
                           {"actionSave", "Ctrl+S"},
                           {"actionSaveColourPattern", "Ctrl+Shift+S"}};
  for (const Entry& e : entries) {
    EXPECT_EQ(form1_->findChild<QAction*>(e.action)->shortcut(), QKeySequence(e.shortcut));
  }
  const QList<QAction*> file_actions =
      form1_->findChild<QAction*>("actionNew")->associatedObjects().isEmpty()
          ? QList<QAction*>()
          : qobject_cast<QWidget*>(form1_->findChild<QAction*>("actionNew")->associatedObjects()[0])
                ->actions();
  ASSERT_FALSE(file_actions.isEmpty());
  EXPECT_EQ(file_actions.back()->objectName(), "actionExit");
}

}  // namespace
}  // namespace glyphgrid
