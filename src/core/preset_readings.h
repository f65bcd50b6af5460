#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/error.h"

namespace glyphgrid {

// What the presets make of a text that the preferred profile could not read, each distinct
// reading once with the first preset that gave it, for Paste and Import to choose from.
template <typename Value>
class PresetReadings {
 public:
  struct Reading {
    Value value;
    std::string label;  // the preset's name
  };

  // `of_text_syntax`: the preset writes in the syntax the text is written in.
  void Add(const Value& value, std::string_view label, bool of_text_syntax) {
    const auto found = std::ranges::find(readings_, value, &Entry::value);
    if (found == readings_.end()) {
      readings_.push_back({value, std::string(label), of_text_syntax});
    } else if (of_text_syntax) {
      found->of_text_syntax = true;
    }
  }

  // The only reading, or the only one that a preset of the text's own syntax gives; otherwise an
  // error naming the presets, or saying that `preferred` failed (`why`) and no preset reads it.
  std::variant<Reading, Error> Choose(const std::string& preferred, const Error& why) const {
    const auto of_syntax = std::ranges::count(readings_, true, &Entry::of_text_syntax);
    if (of_syntax == 1) {
      return Chosen(*std::ranges::find(readings_, true, &Entry::of_text_syntax));
    }
    if (readings_.size() == 1) {
      return Chosen(readings_.front());
    }
    if (readings_.empty()) {
      return Error{Error::Kind::BadInput,
                   "does not read as " + preferred + " (" + why.message + ") nor as any preset"};
    }
    std::string names;
    for (std::size_t i = 0; i < readings_.size(); ++i) {
      names += (i == 0                      ? ""
                : i + 1 == readings_.size() ? " and as "
                                            : ", as ") +
               readings_[i].label;
    }
    return Error{Error::Kind::BadInput, "reads as " + names + ", which give different patterns"};
  }

 private:
  struct Entry {
    Value value;
    std::string label;
    bool of_text_syntax;
  };

  static Reading Chosen(const Entry& entry) { return {entry.value, entry.label}; }

  std::vector<Entry> readings_;
};

}  // namespace glyphgrid
