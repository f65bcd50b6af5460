#include "gui/editor_arguments.h"

#include <algorithm>
#include <string_view>

#include "core/app_info.h"

namespace glyphgrid {

namespace {

struct QtOption {
  std::string_view name;
  bool takes_value;
};

// The options QGuiApplication and QApplication read themselves, which the man page promises.
constexpr QtOption QtOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-display", true},
    {"-geometry", true},        {"-style", true},
    {"-stylesheet", true},      {"-session", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-nograb", false},         {"-dograb", false},
    {"-sync", false},
};

Error Usage(const std::string& message) {
  return {Error::Kind::BadInput, message};
}

std::string Quoted(std::string_view text) {
  return "'" + Escaped(text) + "'";
}

// Qt takes "--style" as it takes "-style".
const QtOption* FindQtOption(std::string_view argument) {
  if (argument.starts_with("--")) {
    argument.remove_prefix(1);
  }
  const auto* found = std::ranges::find(QtOptions, argument, &QtOption::name);
  return found == std::ranges::end(QtOptions) ? nullptr : found;
}

}  // namespace

std::variant<EditorArguments, Error> ParseEditorArguments(
    const std::vector<std::string>& arguments) {
  EditorArguments parsed;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || !argument.starts_with('-')) {
      if (parsed.file) {
        return Usage("unexpected argument " + Quoted(argument) + " (the editor opens one file)");
      }
      parsed.file = argument;
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      parsed.action = EditorAction::Help;
      return parsed;
    }
    if (argument == "--version") {
      parsed.action = EditorAction::Version;
      return parsed;
    }
    if (argument == "-") {
      return Usage("unexpected argument '-' (the editor reads no standard input)");
    }
    const QtOption* qt_option = FindQtOption(argument);
    if (qt_option == nullptr) {
      return Usage("unknown option " + Quoted(argument));
    }
    if (qt_option->takes_value && ++i == arguments.size()) {
      return Usage(argument + ": missing value");
    }
  }
  return parsed;
}

std::string EditorUsageText() {
  return "Usage: glyphgrid [Qt options] [[--] FILE]\n"
         "       glyphgrid --help | --version\n"
         "\n"
         "Opens the editor for 8 x 8 LED dot-matrix patterns, and FILE in it when given: a\n"
         "document (.glyphgrid), a saved DATA file or colour planes, as File > Open reads them.\n"
         "\n"
         "Options:\n"
         "  -h, --help  print this help and exit\n"
         "  --version   print the version and exit\n"
         "\n"
         "Qt's own options, such as -platform NAME, -display DISPLAY, -style NAME and -reverse,\n"
         "are passed to Qt.\n";
}

std::string EditorVersionText() {
  return "glyphgrid " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + "." +
         std::to_string(VersionRevision) + "\n";
}

}  // namespace glyphgrid
