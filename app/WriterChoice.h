#pragma once

#include <optional>
#include <string>
#include <string_view>

// The writer plug-in an output file's name asks for when the user names no
// plug-in: quarn -o game.8xp game.asm writes a TI-83 Plus program. Only the
// extension counts, exactly as the writers spell it. It chooses the one shipped
// writer that makes such files; where several do, the default writer if it is one
// of them (.86p), else none (.86P).
std::optional<std::string> writerForOutputFile(std::string_view path, std::string_view defaultPlugin);
