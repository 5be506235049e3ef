#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "job/AssemblyJob.h"

// One directive statement as its handlers see it: the job, the operand text (the
// rest of the line after the directive word, nothing when the word ends the line)
// and the line's index in the source buffer.
struct DirectiveLine {
  AssemblyJob& job;
  std::optional<std::string_view> rest;
  int lineIndex;

  // Pass 2 must handle this line.
  void mark() const { job.source->setEmits(lineIndex, 1); }
  void report(DiagnosticCode code, DiagnosticArg arg = {}) const { job.report(code, lineIndex, arg); }
  // The operand's value in word context.
  std::uint16_t evaluateWord(std::optional<std::string_view> text) const { return job.evaluate(text, lineIndex); }
  // The operand's value in byte context (values above a byte are warned about).
  std::uint16_t evaluateByte(std::string_view text) const;

  // Pass 1: the line will emit `count` bytes of data.
  void countData(std::uint64_t count) const;
  // Pass 2: writes the bytes and moves the location counter past them.
  void emit(OutputImage& image, std::span<const std::uint8_t> bytes) const;
  void emitByte(OutputImage& image, std::uint8_t byte) const { emit(image, {&byte, 1}); }
  void emitRepeated(OutputImage& image, std::uint8_t byte, std::size_t count) const;
};
