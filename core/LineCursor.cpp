#include "core/LineCursor.h"

#include <string>

std::optional<std::string_view> LineCursor::next() {
  if (static_cast<std::size_t>(index_ + 1) >= source_.lines().size()) {
    return std::nullopt;
  }
  const auto line = source_.readLine(std::string::npos);
  if (line) {
    ++index_;
  }
  return line;
}
