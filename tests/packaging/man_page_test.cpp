#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/operation_argument.h"

namespace glyphgrid {
namespace {

// The man page as a reader sees it: plain ASCII, no hyphenation, one line per paragraph.
std::string RenderedManPage() {
  const std::string command =
      "groff -man -Tascii -P-cbou -rLL=1000n -rHY=0 '" GLYPHGRID_CLI_MAN_PAGE "' 2>&1";
  const std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(command.c_str(), "r"), &pclose);
  std::string text;
  char buffer[4096];
  while (pipe && !std::feof(pipe.get())) {
    text.append(buffer, std::fread(buffer, 1, sizeof buffer, pipe.get()));
  }
  return text;
}

void AppendSplit(const std::string& text, const std::string& separator,
                 std::vector<std::string>& parts) {
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
       start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
}

// Every command, option and operation that --help names, and the frame limit.
std::vector<std::string> NamesInHelp() {
  const std::string usage = UsageText();
  std::vector<std::string> names;
  std::smatch commands;
  EXPECT_TRUE(std::regex_search(usage, commands, std::regex(R"(\(([a-z|]+)\))")));
  AppendSplit(commands[1], "|", names);
  const std::regex option(R"(--[a-z]+)");
  for (std::sregex_iterator it(usage.begin(), usage.end(), option); it != std::sregex_iterator();
       ++it) {
    names.push_back(it->str());
  }
  AppendSplit(OperationNames(", "), ", ", names);
  names.push_back("1 to " + std::to_string(MaxFrames));
  return names;
}

TEST(ManPageTest, DocumentsEverythingTheHelpNames) {
  const std::string page = RenderedManPage();
  ASSERT_NE(page.find("glyphgrid-cli"), std::string::npos) << page;
  const std::vector<std::string> names = NamesInHelp();
  ASSERT_GE(names.size(), 3u);
  for (const std::string& name : names) {
    EXPECT_NE(page.find(name), std::string::npos) << "the man page does not mention " << name;
  }
}

}  // namespace
}  // namespace glyphgrid
