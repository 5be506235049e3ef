#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/TestJob.h"

// Runs directive statements through the handlers of both passes the way the
// passes hand them over, with no preprocessor, instruction table or pass in
// between. A line may start with "name:" in column 1; pass 1 then defines the
// label at the location counter, and pass 2 notes how many bytes the image held
// there, so both passes can be compared.
class DirectiveHarness {
public:
  explicit DirectiveHarness(std::vector<std::string> lines);

  void passOne();
  // Pass 2 over the lines pass 1 marked, from the state pass 2 starts in.
  void passTwo();
  // Both passes, the second only when the first left no errors (as a job runs them).
  void assemble();
  // Pass 2 regardless of errors, to see what the pass-2 halves do on their own.
  void assembleAll();

  std::vector<std::uint8_t> bytes() const;
  // The codes of the diagnostics printed so far, in order.
  std::vector<int> diagnosticCodes() const;
  std::uint16_t labelValue(std::string_view name) const;
  // The image length pass 2 had reached at the label's line.
  std::size_t imageOffsetAt(std::string_view name) const;
  bool marked(int lineIndex) const { return job.source->emitsOf(lineIndex) != 0; }

  TestJob job;
  OutputImage image;
  std::uint16_t pcAfterPassOne = 0;

private:
  struct Statement {
    std::string_view label;
    std::string_view word;
    std::optional<std::string_view> rest;
  };
  static Statement split(std::string_view line);

  std::vector<std::string> lines_;
  std::vector<std::pair<std::string, std::size_t>> offsets_;
};

std::string hexBytes(const std::vector<std::uint8_t>& bytes);
