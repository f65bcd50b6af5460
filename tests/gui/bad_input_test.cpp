#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "support/form1_fixture.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

const char* const TopLeft =
    "R.......\n........\n........\n........\n........\n........\n........\n........";

// Lets writes grow a file to 4 bytes only, as on a full disk, while it lives.
class FullDisk {
 public:
  FullDisk() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit limit{4, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  void (*handler_)(int);
  rlimit saved_{};
};

class BadInputTest : public Form1Fixture {
 protected:
  BadInputTest() {
    form1_->SetLamps(FromGrid(TopLeft), "Set");
    form1_->Command5_Click();
  }
  QString Path(const std::string& name) const { return QString::fromStdString(folder_.Path(name)); }
  // What the File menu's action shows when its dialog answers `name`; the lamps, the viewer's
  // text and the caption stay as they were.
  QString ErrorOf(const char* action, const QString& name) {
    const QString viewer_text = ViewerText();
    const QString caption = form1_->windowTitle();
    toolkit_.calls.clear();
    toolkit_.file_names = {name};
    form1_->findChild<QAction*>(action)->trigger();
    EXPECT_EQ(form1_->Lamps(), FromGrid(TopLeft)) << name;
    EXPECT_EQ(ViewerText(), viewer_text) << name;
    EXPECT_EQ(form1_->windowTitle(), caption) << name;
    return toolkit_.calls.size() == 2 ? toolkit_.calls[1] : toolkit_.calls.join(" / ");
  }
  TemporaryFolder folder_;
};

TEST_F(BadInputTest, OpenRefusesWhatItCannotReadWithoutWaitingAndChangesNothing) {
  ASSERT_EQ(mkfifo(folder_.Path("pipe.bas").c_str(), 0600), 0);
  std::filesystem::create_symlink(folder_.Path("pipe.bas"), folder_.Path("link.bas"));
  folder_.Write("huge.bas", std::string(MaxPatternTextSize + 1, '1'));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, folder_.Path("socket.bas").c_str(), sizeof address.sun_path - 1);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(socket);
  const QString cannot_open = "error|Cannot open \"%1\": %2|Kestrova";
  const std::tuple<QString, QString, QString> cases[] = {
      {Path("missing.bas"), Path("missing.bas"), "No such file or directory"},
      {Path(""), Path(""), "it is a folder, not a file"},
      {Path("pipe.bas"), Path("pipe.bas"), "it is a named pipe, not a file"},
      {Path("link.bas"), Path("link.bas"), "it is a named pipe, not a file"},
      {"/dev/zero", "/dev/zero", "it is a device, not a file"},
      {Path("socket.bas"), Path("socket.bas"), "it is a socket, not a file"},
      {Path("new\nline \x1b.bas"), Path("new\\nline \\x1b.bas"), "No such file or directory"},
  };
  for (const auto& [name, shown, reason] : cases) {
    EXPECT_EQ(ErrorOf("actionOpen", name), cannot_open.arg(shown, reason));
  }
  EXPECT_EQ(ErrorOf("actionOpen", Path("huge.bas")),
            "error|Cannot read \"" + Path("huge.bas") +
                "\": it is larger than 1 MiB, too large for a pattern|Kestrova");
}

TEST_F(BadInputTest, SaveNeverReplacesWhatIsNotAFileAndKeepsTheOldFileWhenItFails) {
  ASSERT_EQ(mkfifo(folder_.Path("pipe.bas").c_str(), 0600), 0);
  const bool device = mknod(folder_.Path("null.bas").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  std::filesystem::create_directory(folder_.Path("folder.bas"));
  folder_.Write("old.bas", "old contents");
  const QString cannot_save = "error|Cannot save \"%1\": %2|Kestrova";
  const std::tuple<std::string, QString, bool> cases[] = {
      {"pipe.bas", "it is a named pipe, not a file", false},
      {"null.bas", "it is a device, not a file", false},
      {"folder.bas", "it is a folder, not a file", false},
      {"no/such/folder.bas", "No such file or directory", false},
      {"old.bas", "only part of it could be written; is the disk full?", true},
  };
  for (const auto& [name, reason, full_disk] : cases) {
    if (name == "null.bas" && !device) {
      std::cout << "[ SKIPPED  ] no device node: mknod needs root\n";
      continue;
    }
    std::optional<FullDisk> limit;
    if (full_disk) {
      limit.emplace();
    }
    EXPECT_EQ(ErrorOf("actionSaveColourPattern", Path(name)), cannot_save.arg(Path(name), reason));
  }
  namespace fs = std::filesystem;
  EXPECT_TRUE(fs::is_fifo(folder_.Path("pipe.bas")));
  EXPECT_TRUE(!device || fs::is_character_file(folder_.Path("null.bas")));
  EXPECT_EQ(folder_.Read("old.bas"), "old contents");
  // A link is followed and kept, and the file keeps its permissions.
  folder_.Write("target.bas", "",
                fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(folder_.Path("target.bas"), folder_.Path("link.bas"));
  toolkit_.file_names = {Path("link.bas")};
  form1_->findChild<QAction*>("actionSaveColourPattern")->trigger();
  EXPECT_TRUE(fs::is_symlink(folder_.Path("link.bas")));
  EXPECT_EQ(folder_.Read("target.bas").substr(0, 12), "&B00000001, ");
  EXPECT_EQ(fs::status(folder_.Path("target.bas")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(BadInputTest, ImportPictureRefusesWhatIsNoPictureAndChangesNothing) {
  folder_.Write("notes.png", "not a picture");
  const std::pair<QString, QString> cases[] = {
      {Path("notes.png"), "Cannot read \"%1\": it is not a PNG, GIF, JPEG or BMP picture"},
      {Path(""), "Cannot open \"%1\": it is a folder, not a file"},
      {GLYPHGRID_TEST_DATA "/huge.png",
       "Cannot read \"%1\": it declares 100000 x 100000 pixels, more than 16384 a side"},
  };
  for (const auto& [name, message] : cases) {
    EXPECT_EQ(ErrorOf("actionImportPicture", name), "error|" + message.arg(name) + "|Kestrova");
    EXPECT_EQ(form1_->Frames().FrameCount(), 1);
  }
}

using PermissionsTest = BadInputTest;

TEST_F(PermissionsTest, AnUnreadableFileAndAReadOnlyFolderAreReported) {
  const char* folder = std::getenv("GLYPHGRID_PERMISSIONS_FOLDER");
  if (folder == nullptr) {
    GTEST_SKIP() << "run by tests/support/as_nobody.sh";
  }
  const QString unreadable = QString(folder) + "/unreadable.bas";
  EXPECT_EQ(ErrorOf("actionOpen", unreadable),
            "error|Cannot open \"" + unreadable + "\": Permission denied|Kestrova");
  const QString read_only = QString(folder) + "/read-only/new.bas";
  EXPECT_TRUE(ErrorOf("actionSaveColourPattern", read_only)
                  .startsWith("error|Cannot save \"" + read_only + "\": "));
}

// The editor's executable with no display to connect to: what needs none must not need one, and
// a usage error must end it before it tries.
TEST(EditorArgumentsTest, AnsweredWithoutADisplay) {
  const TemporaryFolder folder;
  // arguments, exit status, the start of what it prints (on standard error for status 2)
  const std::tuple<std::string, int, std::string> runs[] = {
      {"--version", 0, "glyphgrid 1.0.0\n"},
      {"-platform offscreen -h", 0, "Usage: glyphgrid "},
      {"--colour", 2, "glyphgrid: unknown option '--colour'\nUsage: glyphgrid "},
      {"a.bas -- -b.bas", 2, "glyphgrid: unexpected argument '-b.bas' (the editor opens one file)"},
  };
  for (const auto& [arguments, status, printed] : runs) {
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 '" +
        std::string(GLYPHGRID_EDITOR) + "' " + arguments + " >'" + folder.Path("out") + "' 2>'" +
        folder.Path("err") + "'";
    const int result = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(result) ? WEXITSTATUS(result) : -1, status) << arguments;
    EXPECT_TRUE(folder.Read(status == 0 ? "out" : "err").starts_with(printed)) << arguments;
    EXPECT_EQ(folder.Read(status == 0 ? "err" : "out"), "") << arguments;
  }
}

}  // namespace
}  // namespace glyphgrid
