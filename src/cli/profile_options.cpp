#include "cli/profile_options.h"

#include <algorithm>

#include "cli/quoted.h"
#include "cli/whole_number.h"
#include "core/profile_presets.h"

namespace glyphgrid {

namespace {

constexpr std::string_view FlagOptions[] = {"--invert", "--header", "--progmem"};
constexpr std::string_view ProfileOption = "--profile";
constexpr std::string_view ValueOptions[] = {ProfileOption, "--scan",   "--first", "--msb",
                                             "--planes",    "--syntax", "--zero",  "--name",
                                             "--delays",    "--offset"};

Error Usage(const std::string& message) {
  return {Error::Kind::BadInput, message};
}

std::vector<std::string_view> PresetNames() {
  std::vector<std::string_view> names;
  for (const ProfilePreset& preset : ProfilePresets()) {
    names.push_back(preset.name);
  }
  return names;
}

// Sets `field` to the value named `name`, or says which names the option takes.
template <typename T, std::size_t N>
std::optional<Error> SetNamed(const OptionValue<T> (&values)[N], const std::string& option,
                              const std::string& name, T& field) {
  const std::optional<T> value = ValueNamed(values, name);
  if (!value) {
    return Usage(option + ": unknown value " + Quoted(name) + " (expected " +
                 Alternatives(NamesOf(values)) + ")");
  }
  field = *value;
  return std::nullopt;
}

std::optional<Error> Apply(const std::string& option, const std::string& value,
                           WiringProfile& profile) {
  if (option == "--scan") {
    return SetNamed(ScanValues, option, value, profile.scan);
  }
  if (option == "--first") {
    return SetNamed(SideValues, option, value, profile.first);
  }
  if (option == "--msb") {
    return SetNamed(SideValues, option, value, profile.msb);
  }
  if (option == "--planes") {
    return SetNamed(PlanesValues, option, value, profile.planes);
  }
  if (option == "--syntax") {
    return SetNamed(SyntaxValues, option, value, profile.syntax);
  }
  if (option == "--zero") {
    return SetNamed(YesNoValues, option, value, profile.zero);
  }
  if (option == "--delays") {
    return SetNamed(YesNoValues, option, value, profile.delays);
  }
  if (option == "--offset") {
    const std::optional<int> offset = ParseWholeNumber(value, 0, MaxOffset);
    if (!offset) {
      return NotInRange(option, 0, MaxOffset, value);
    }
    profile.offset = *offset;
    return std::nullopt;
  }
  if (option == "--name") {
    profile.name = value;
  } else if (option == "--header") {
    profile.header = true;
  } else if (option == "--progmem") {
    profile.progmem = true;
  } else {
    profile.invert = true;
  }
  return std::nullopt;
}

}  // namespace

std::variant<bool, Error> TakeProfileOption(const std::vector<std::string>& arguments,
                                            std::size_t& i, ProfileArguments& taken) {
  const std::string& option = arguments[i];
  if (std::ranges::find(FlagOptions, option) != std::ranges::end(FlagOptions)) {
    taken.emplace_back(option, "");
    return true;
  }
  if (std::ranges::find(ValueOptions, option) == std::ranges::end(ValueOptions)) {
    return false;
  }
  if (i + 1 == arguments.size()) {
    return Usage(option + ": missing value");
  }
  taken.emplace_back(option, arguments[++i]);
  return true;
}

std::variant<WiringProfile, Error> ResolveProfile(const ProfileArguments& taken, bool used) {
  if (!taken.empty() && !used) {
    return Usage(taken.front().first +
                 ": only export, send and --from export take profile options");
  }
  const ProfilePreset* preset = ProfilePresets().data();
  for (const auto& [option, value] : taken) {
    if (option == ProfileOption && !(preset = FindProfilePreset(value))) {
      return Usage(option + ": unknown profile " + Quoted(value) + " (expected " +
                   Alternatives(PresetNames()) + ")");
    }
  }
  WiringProfile profile = preset->profile;
  for (const auto& [option, value] : taken) {
    if (option == ProfileOption) {
      continue;
    }
    if (std::optional<Error> error = Apply(option, value, profile)) {
      return *error;
    }
  }
  if (std::optional<Error> error = CheckProfile(profile, "--")) {
    return *error;
  }
  return profile;
}

std::string ProfileOptionsText(const WiringProfile& profile) {
  std::string text = "--scan " + std::string(NameOf(ScanValues, profile.scan)) + " --first " +
                     std::string(NameOf(SideValues, profile.first)) + " --msb " +
                     std::string(NameOf(SideValues, profile.msb)) + " --planes " +
                     std::string(NameOf(PlanesValues, profile.planes)) + " --syntax " +
                     std::string(NameOf(SyntaxValues, profile.syntax)) + " --zero " +
                     std::string(NameOf(YesNoValues, profile.zero));
  for (const auto& [on, flag] :
       {std::pair{profile.invert, " --invert"}, std::pair{profile.header, " --header"},
        std::pair{profile.progmem, " --progmem"}}) {
    if (on) {
      text += flag;
    }
  }
  if (!profile.delays) {
    text += " --delays no";
  }
  if (profile.syntax == Syntax::UnoR4) {
    text += " --offset " + std::to_string(profile.offset);
  }
  if (profile.name != DefaultProfileName) {
    text += " --name " + profile.name;
  }
  return text;
}

std::string ProfilesText() {
  std::string text;
  for (const ProfilePreset& preset : ProfilePresets()) {
    std::string name(preset.name);
    name.resize(std::max<std::size_t>(name.size() + 1, 13), ' ');
    text +=
        name + std::string(preset.description) + "\n  " + ProfileOptionsText(preset.profile) + "\n";
  }
  return text;
}

std::string ProfileUsageText(const Wrap& wrap) {
  const auto line = [&wrap](std::string_view option, const std::string& text) {
    std::string start = "  " + std::string(option);
    start.resize(std::max<std::size_t>(17, start.size() + 1), ' ');
    return wrap(start, text);
  };
  return "Profile options (export, --from export and send; the glyphgrid-cli profiles command\n"
         "lists the presets with their settings):\n" +
         line("--profile NAME", "the preset, basic by default: " + Alternatives(PresetNames())) +
         line("--scan S", Alternatives(NamesOf(ScanValues)) + ": one unit per lamp column or row") +
         line("--first SIDE", "the unit that comes first: left or right, top or bottom") +
         line("--msb SIDE", "the lamp that is a unit's top bit: bottom or top, left or right") +
         line("--planes P", Alternatives(NamesOf(PlanesValues))) +
         line("--invert", "0 for a lit lamp (the zero unit stays 0)") +
         line("--syntax S",
              Alternatives(NamesOf(SyntaxValues)) + "; c-binary's 0b literals need C23 or C++14") +
         line("--zero yes|no", "one more unit, always 0, at the end") +
         line("--name ID",
              "the array or variable name of the C syntaxes and python: no keyword of C, C++ "
              "or Python, at most " +
                  std::to_string(MaxNameLength) + " characters") +
         line("--header",
              "C syntaxes: a header any number of C files can include "
              "(include guard, <stdint.h>, static arrays)") +
         line("--progmem",
              "c-hex, c-binary and c-uint64: the arrays in an AVR's flash (PROGMEM, read with "
              "pgm_read_byte)") +
         line("--delays yes|no",
              "with several frames, and always for c-uint64 and uno-r4: write each frame's "
              "delay too (yes by default; hex never writes them)") +
         line("--offset N", "uno-r4 and send --protocol uno-r4-live: the matrix column, 0 to " +
                                std::to_string(MaxOffset) +
                                ", of the pattern's left column (2 by default, the middle)") +
         "Several frames make one text: C arrays of frames and NAME_delays, a Python list of\n"
         "bytes and NAME_delays, a DATA line a frame and REM DELAYS, or a hex line a frame.\n";
}

}  // namespace glyphgrid
