#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Finds the file a name written in the source refers to, for #INCLUDE and
// .INCBIN alike. Surrounding white space, then double quotes at both ends, are
// dropped and '\' separators become '/'. The name is looked for first as it
// stands, relative to the current directory (the main source's directory, also
// for names inside included files), then in each include directory in turn.
// Returns the path to open, or nothing for an empty name or one found nowhere.
// The current directory never changes.
std::optional<std::string> resolveWrittenName(std::string_view text,
                                              std::span<const std::string> includeDirectories);
