#pragma once

#include <optional>
#include <string_view>

#include "frontend/MacroTable.h"
#include "job/DiagnosticCodes.h"

// What a #DEFINE line defines: the name and its definition, or the code of the
// problem that dropped it (none when the line ended inside the parameter list,
// which drops the definition without a diagnostic).
struct ParsedDefine {
  std::string_view name;
  std::optional<MacroDef> definition;
  std::optional<DiagnosticCode> error;
};

// Parses the text after "#DEFINE" (without the line end): a name, directly
// followed by an optional parameter list in parentheses, then the body.
ParsedDefine parseMacroDefinition(std::string_view text);
