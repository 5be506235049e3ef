#include "core/QuotedString.h"

std::optional<std::uint8_t> QuotedStringReader::next() {
  if (closed_ || position_ >= text_.size()) {
    return std::nullopt;
  }
  const char c = text_[position_];
  if (c == '"') {
    ++position_;
    closed_ = true;
    return std::nullopt;
  }
  if (c != '\\') {
    ++position_;
    return static_cast<std::uint8_t>(c);
  }
  if (position_ + 1 >= text_.size()) {
    position_ = text_.size();
    return std::nullopt;
  }
  const char escaped = text_[position_ + 1];
  position_ += 2;
  return escaped == '0' ? std::uint8_t{0} : static_cast<std::uint8_t>(escaped);
}
