#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The optional argument of a diagnostic: the text for messages with "%s" and for
// the user's own error and warning directives, or the number for "%d".
class DiagnosticArg {
public:
  DiagnosticArg() = default;
  DiagnosticArg(std::string_view text) : text_(text) {}
  DiagnosticArg(const char* text) : text_(text ? text : "") {}
  DiagnosticArg(const std::string& text) : text_(text) {}

  static DiagnosticArg number(std::int32_t value) {
    DiagnosticArg arg;
    arg.number_ = value;
    return arg;
  }

  std::string_view text() const { return text_; }
  std::int32_t number() const { return number_; }

private:
  std::string_view text_;
  std::int32_t number_ = 0;
};
