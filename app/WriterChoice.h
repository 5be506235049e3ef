#pragma once

#include <optional>
#include <string_view>

// The writer plug-in an output file's name asks for when the user names no
// plug-in: quarn -o game.8xp game.asm writes a TI-83 Plus program. Only the
// extension counts, exactly as the writers spell it; extensions that more than
// one writer uses (such as .86P) choose none.
std::optional<std::string_view> writerForOutputFile(std::string_view path);
