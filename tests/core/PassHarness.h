#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/TestJob.h"

// A small instruction table in the file format: enough Z80 forms to exercise every
// modifier, indexed displacements and the order of entries.
extern const std::vector<std::string> SMALL_TABLE;

// Assembles source lines in-process against a table given as entry lines, the way
// a job runs pass 1 and pass 2, with no preprocessor in between: every line is a
// statement of the file /src/test.asm, numbered from 1.
class PassHarness {
public:
  explicit PassHarness(std::vector<std::string> sourceLines, const std::vector<std::string>& tableLines = SMALL_TABLE);

  // Pass 1, then pass 2 only when pass 1 left no errors.
  void assemble();

  std::string hex() const;  // the image as "DD 21 34 12"
  // The codes of the diagnostics printed so far, in order.
  std::vector<int> codes() const;
  std::uint16_t symbolValue(const std::string& key) const;

  TestJob job;
  OutputImage image;
};

// The numbered diagnostics in console text, in order.
std::vector<int> diagnosticCodesIn(const std::string& consoleText);
