#pragma once

#include <optional>
#include <string_view>

#include "core/TableEntry.h"
#include "job/OutputImage.h"

class AssemblyJob;

// Pass 2 for one instruction line: cuts the operand text into arguments along the
// entry's pattern, evaluates them, merges them
// by the entry's modifier and writes the opcode and argument bytes. `pc` is the
// instruction's address during every evaluation and moves past the instruction at
// the end. With checkIndirection an argument wholly in parentheses is warned about.
void encodeInstruction(AssemblyJob& job, const TableEntry& entry, std::optional<std::string_view> operands, int lineIndex,
                       OutputImage& image, bool checkIndirection);

// Arguments longer than this are cut (error 210).
inline constexpr std::size_t ARGUMENT_MAX = 127;
