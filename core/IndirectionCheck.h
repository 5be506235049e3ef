#pragma once

#include <string_view>

// True when an argument is wholly enclosed in one pair of parentheses, such as
// (label) or ((x)): the table had no indirect form for the instruction, so the
// parentheses were read as grouping in an expression, which is rarely what the
// programmer meant. Quotes and the characters of character constants are not
// looked at.
bool looksLikeIndirection(std::string_view argument);
