#include "frontend/MacroExpander.h"

#include <algorithm>
#include <utility>

#include "base/TextScan.h"

MacroExpander::MacroExpander(const MacroTable& macros, Reporter report)
    : macros_(macros), report_(std::move(report)) {}

void MacroExpander::expand(std::string_view line, BoundedLine& out) {
  out.clear();
  if (mayCallAMacro(line)) {
    expandCalls(line, out);
  } else {
    out.append(line);
  }
  if (out.full()) {
    report_(ERR_LINE_TOO_LONG, {});
  }
}

// Only a character that starts some macro name, at the start of a word, needs a
// closer look. Words in quoted text are looked at too: that can only send a line
// the long way without need, never let a call through unexpanded.
bool MacroExpander::mayCallAMacro(std::string_view line) const {
  for (std::size_t position = nextNameStart(line, 0); position < line.size();
       position = nextNameStart(line, position + 1)) {
    if (mayCallAt(line, position)) {
      return true;
    }
  }
  return false;
}

// Whether a call may start at `position` of the line: a word starts there that
// may name a macro.
bool MacroExpander::mayCallAt(std::string_view line, std::size_t position) const {
  return (position == 0 || !isWordChar(line[position - 1])) &&
         macros_.mayName(slice(line, position, wordEnd(line, position)));
}

// Where the next character that starts a macro name stands, or the line's size.
// When all names start alike (the built-in names do), that one character is
// searched for directly.
std::size_t MacroExpander::nextNameStart(std::string_view line, std::size_t from) const {
  const std::string_view starts = macros_.nameStarts();
  if (starts.size() == 1) {
    return std::min(line.find(starts.front(), from), line.size());
  }
  while (from < line.size() && !macros_.mayStartName(line[from])) {
    ++from;
  }
  return from;
}

void MacroExpander::expandCalls(std::string_view line, BoundedLine& out) {
  std::size_t position = 0;
  while (position < line.size()) {
    const char c = line[position];
    if (isWordChar(c)) {
      position = expandWord(line, position, out);
    } else if (c == '"') {
      const std::size_t end = quotedTextEnd(line, position, QuoteEscape::NONE);
      out.append(line.substr(position, end - position));
      position = end;
    } else {
      out.push(c);
      ++position;
    }
  }
}

// Copies the word at start, or expands it when it names a macro; returns the
// position after the word and its arguments.
std::size_t MacroExpander::expandWord(std::string_view line, std::size_t start, BoundedLine& out) {
  std::size_t position = wordEnd(line, start);
  const std::string_view name = slice(line, start, position);
  const MacroDef* definition = macros_.mayName(name) ? macros_.find(name) : nullptr;
  if (definition == nullptr) {
    out.append(name);
    return position;
  }
  arguments_.clear();
  if (position < line.size() && line[position] == '(') {
    position = collectArguments(line, position, name);
  }
  if (std::cmp_not_equal(arguments_.size(), definition->paramCount)) {
    report_(ERR_WRONG_ARGUMENT_COUNT, name);
  } else {
    substituteBody(*definition, out);
  }
  return position;
}

// Gathers the arguments of a call whose "(" is at `open`. A "," ends an argument
// at any depth of parentheses; the ")" that balances the opening one ends the
// call. Returns the position after that ")", or the line's end when the call is
// never closed.
std::size_t MacroExpander::collectArguments(std::string_view line, std::size_t open, std::string_view macroName) {
  std::size_t position = open;
  int nesting = 1;
  while (true) {
    position = skipSpacesFrom(line, position + 1);
    const std::size_t start = position;
    while (position < line.size() && line[position] != ',') {
      if (line[position] == '(') {
        ++nesting;
      } else if (line[position] == ')' && --nesting == 0) {
        break;
      }
      ++position;
    }
    arguments_.push_back(line.substr(start, position - start));
    if (position == line.size()) {
      report_(ERR_BAD_MACRO_ARGUMENTS, macroName);
      return position;
    }
    if (line[position] == ')') {
      return position + 1;
    }
  }
}

void MacroExpander::substituteBody(const MacroDef& definition, BoundedLine& out) const {
  const std::string_view body = definition.body;
  std::size_t position = 0;
  while (position < body.size()) {
    if (!isWordChar(body[position])) {
      out.push(body[position++]);
      continue;
    }
    const std::size_t end = wordEnd(body, position);
    const std::string_view word = body.substr(position, end - position);
    std::string_view replacement = word;
    for (int i = 0; i < definition.paramCount; ++i) {
      if (definition.params[static_cast<std::size_t>(i)] == word) {
        replacement = arguments_[static_cast<std::size_t>(i)];
        break;
      }
    }
    out.append(replacement);
    position = end;
  }
}
