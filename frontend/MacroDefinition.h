#pragma once

#include <optional>
#include <string_view>

#include "frontend/MacroTable.h"

// What a #DEFINE line defines: the name and its definition, or the code of the
// problem that dropped it (0 when the line ended inside the parameter list, which
// drops the definition without a diagnostic).
struct ParsedDefine {
  std::string_view name;
  std::optional<MacroDef> definition;
  int errorCode = 0;
};

// Parses the text after "#DEFINE" (without the line end): a name, directly
// followed by an optional parameter list in parentheses, then the body.
ParsedDefine parseMacroDefinition(std::string_view text);
