#pragma once

#include <cstddef>
#include <optional>
#include <string_view>


// One statement: an optional label in column 1, the statement word and the text
// after it (a directive's or instruction's operands).
struct StatementLine {
  std::optional<std::string_view> label;  // as written, a trailing ':' included
  std::optional<std::string_view> word;
  std::optional<std::string_view> rest;
};

// Splits a line of the preprocessed source into words separated by space, tab and
// line feed, the way both passes read a statement. A word in column 1 that starts
// with a letter, '_' or the local label character is a label, up to a colon that a
// statement follows directly ("done:ret"); any other line starts with its
// statement word. A line holds a line feed only at its end, as the source
// buffer hands lines out.
StatementLine splitStatement(std::string_view line, char localLabelChar);
