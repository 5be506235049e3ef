#include "frontend/MacroDefinition.h"

#include <string>

#include "base/TextScan.h"

namespace {

// Reads "(a, b, ...)" starting at the "(" into the definition's parameters.
// Returns the position after the ")", or nothing when the list was dropped; the
// code of the problem, if any, goes into the result.
std::optional<std::size_t> parseParameters(std::string_view text, std::size_t position, ParsedDefine& result) {
  MacroDef& definition = *result.definition;
  position = skipSpacesFrom(text, position + 1);
  while (position < text.size() && text[position] != ')') {
    if (definition.paramCount == MacroDef::MAX_PARAMS) {
      result.error = ERR_TOO_MANY_MACRO_PARAMETERS;
      return std::nullopt;
    }
    const std::size_t nameEnd = wordEnd(text, position);
    definition.params[static_cast<std::size_t>(definition.paramCount++)] =
        std::string(text.substr(position, nameEnd - position));
    position = skipSpacesFrom(text, nameEnd);
    if (position < text.size() && text[position] == ',') {
      position = skipSpacesFrom(text, position + 1);
    } else if (position < text.size() && text[position] != ')') {
      result.error = ERR_BAD_MACRO_ARGUMENTS;
      return std::nullopt;
    }
  }
  if (position == text.size()) {
    return std::nullopt;
  }
  return position + 1;
}

}  // namespace

ParsedDefine parseMacroDefinition(std::string_view text) {
  ParsedDefine result;
  const std::size_t nameStart = skipSpacesFrom(text, 0);
  // A name may take a directive's dot along (".db"): such a word is then
  // expanded like any other name.
  const bool dotted = nameStart < text.size() && text[nameStart] == '.';
  const std::size_t nameEnd = wordEnd(text, dotted ? nameStart + 1 : nameStart);
  result.name = text.substr(nameStart, nameEnd - nameStart);
  if (result.name.empty() || result.name == ".") {
    result.error = ERR_MACRO_NAME_EXPECTED;
    return result;
  }
  result.definition.emplace();
  std::size_t bodyStart = nameEnd;
  if (nameEnd < text.size() && text[nameEnd] == '(') {
    const std::optional<std::size_t> listEnd = parseParameters(text, nameEnd, result);
    if (!listEnd) {
      result.definition.reset();
      return result;
    }
    bodyStart = *listEnd;
  }
  result.definition->body = std::string(text.substr(skipSpacesFrom(text, bodyStart)));
  return result;
}
