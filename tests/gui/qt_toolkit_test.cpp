#include "gui/qt_toolkit.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(QtToolkitTest, StartsARealProgramAndReportsOneThatCannotStart) {
  const TemporaryFolder folder;
  const std::string started = folder.Path("started");
  const std::string program = folder.Write("touch-started", "#!/bin/sh\ntouch '" + started + "'\n",
                                           std::filesystem::perms::owner_all);
  QtToolkit toolkit;
  EXPECT_TRUE(toolkit.StartProgram(QString::fromStdString(program)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(started); }, 5000));
  EXPECT_FALSE(toolkit.StartProgram(QString::fromStdString(folder.Path("missing"))));
  EXPECT_FALSE(toolkit.StartProgram(""));
}

TEST(QtToolkitTest, MessageLinesBreakOnlyAtSpaces) {
  const QString longest = "/" + QString(LongestWholeWord - 3, 'a') + "/b";
  EXPECT_EQ(WithWordsWhole("as c-rows in /a b - c/ d- " + longest + "c"),
            u"as c-\u2060rows in /\u2060a b - c/ d- "_s + longest + "c");
  EXPECT_EQ(WithWordsWhole(longest), QString(longest).replace("/", u"/\u2060"_s));
}

}  // namespace
}  // namespace glyphgrid
