#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/error.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The profile options as given, each with its value ("" for --invert), in order.
using ProfileArguments = std::vector<std::pair<std::string, std::string>>;

// When arguments[i] is a profile option (--profile, --scan, --first, --msb, --planes, --invert,
// --syntax, --zero, --name, --header, --progmem), records it with its value, leaves i on the last
// argument it used and returns true.
std::variant<bool, Error> TakeProfileOption(const std::vector<std::string>& arguments,
                                            std::size_t& i, ProfileArguments& taken);

// The --profile preset (basic by default) with the other options applied over it in order. Any
// value that is not one of the option's names, or that does not fit the others, is an error
// naming the option and the allowed values; so are profile options when `used` is false.
std::variant<WiringProfile, Error> ResolveProfile(const ProfileArguments& taken, bool used);

// The options that give this profile: "--scan columns --first left ...".
std::string ProfileOptionsText(const WiringProfile& profile);

// The text the profiles command prints: every preset, its description and its options.
std::string ProfilesText();

// Fills lines for --help: the first starts with `first`, the others with as many blanks.
using Wrap = std::function<std::string(std::string_view first, std::string_view text)>;

// The profile options' part of --help.
std::string ProfileUsageText(const Wrap& wrap);

}  // namespace glyphgrid
