#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Tells most words apart from every macro name by their first character and their
// length, without hashing them: a line none of whose words passes needs no
// expansion at all. Names are counted, so that removing one of two names that
// share a first character keeps the other one passing.
class MacroNameFilter {
public:
  void add(std::string_view name) { count(name, 1); }
  void remove(std::string_view name) { count(name, -1); }

  // False only when no macro name starts with this character.
  bool mayStart(char c) const { return byFirst_[static_cast<unsigned char>(c)] != 0; }
  // The characters that macro names start with, each once.
  std::string_view starts() const { return starts_; }
  // False only when no macro has this name.
  bool mayName(std::string_view word) const {
    return !word.empty() && byFirst_[firstOf(word)] != 0 && byLength_[lengthOf(word)] != 0;
  }

private:
  static constexpr std::size_t LONG = 64;  // names this long or longer share one count

  static std::size_t firstOf(std::string_view name) { return static_cast<unsigned char>(name.front()); }
  static std::size_t lengthOf(std::string_view name) { return std::min(name.size(), LONG); }

  void count(std::string_view name, int step) {
    if (name.empty()) {
      return;
    }
    std::uint32_t& first = byFirst_[firstOf(name)];
    if (first == 0) {
      starts_.push_back(name.front());
    }
    first += static_cast<std::uint32_t>(step);
    if (first == 0) {
      starts_.erase(starts_.find(name.front()), 1);
    }
    byLength_[lengthOf(name)] += static_cast<std::uint32_t>(step);
  }

  std::array<std::uint32_t, 256> byFirst_{};
  std::array<std::uint32_t, LONG + 1> byLength_{};
  std::string starts_;
};
