#include "frontend/MacroExpander.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/TextScan.h"

MacroExpander::MacroExpander(const MacroTable& macros, Reporter report)
    : macros_(macros), report_(std::move(report)) {}

void MacroExpander::expand(std::string_view line, BoundedLine& out) {
  out.clear();
  expanding_.clear();
  bodyCut_ = false;
  if (mayCallAMacro(line)) {
    expandCalls(line, out);
  } else {
    out.append(line);
  }
  if (out.full() || bodyCut_) {
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
         macros_.mayName(slice(line, position, nameEnd(line, position)));
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

// A dot starts a name when a word follows it directly and none stands before it.
bool startsDottedName(std::string_view line, std::size_t position) {
  return line[position] == '.' && position + 1 < line.size() && isWordChar(line[position + 1]) &&
         (position == 0 || !isWordChar(line[position - 1]));
}

void MacroExpander::expandCalls(std::string_view line, BoundedLine& out) {
  std::size_t position = 0;
  // Once the line is full nothing more fits, and a rescan would only cost time.
  while (position < line.size() && !out.full()) {
    const char c = line[position];
    if (isWordChar(c) || startsDottedName(line, position)) {
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
// position after the word and its arguments. A dotted word that names no macro
// gives up its dot only: the word after it may name one.
std::size_t MacroExpander::expandWord(std::string_view line, std::size_t start, BoundedLine& out) {
  std::size_t position = nameEnd(line, start);
  const std::string_view name = slice(line, start, position);
  const MacroDef* definition = expandable(name);
  if (definition == nullptr && name.front() == '.') {
    out.push('.');
    return start + 1;
  }
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
    expandBody(*definition, name, start > 0 && line[start - 1] == '.', out);
  }
  return position;
}

// The definition of a name that may be expanded here: a macro, and not one whose
// expansion is being scanned, which would never end.
const MacroDef* MacroExpander::expandable(std::string_view name) const {
  if (!macros_.mayName(name) || std::ranges::find(expanding_, name) != expanding_.end()) {
    return nullptr;
  }
  return macros_.find(name);
}

// The body with the call's arguments in place is scanned again, with this macro
// left alone. Past the nesting limit the text is kept as it is and reported.
void MacroExpander::expandBody(const MacroDef& definition, std::string_view name, bool afterDot,
                               BoundedLine& out) {
  if (expanding_.size() == MAX_NESTING) {
    report_(ERR_MACRO_NESTED_TOO_DEEPLY, name);
    substituteBody(definition, out);
    return;
  }
  BoundedLine& body = bodies_[expanding_.size()];
  body.clear();
  substituteBody(definition, body);
  bodyCut_ = bodyCut_ || body.full();
  std::string_view text = body.view();
  if (afterDot && text.starts_with('.')) {
    text.remove_prefix(1);
  }
  expanding_.push_back(name);
  expandCalls(text, out);
  expanding_.pop_back();
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
