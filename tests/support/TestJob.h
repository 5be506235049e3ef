#pragma once

#include <string>
#include <vector>

#include "job/AssemblyJob.h"

// A console that keeps what it is given.
class CapturingConsole : public ConsoleSink {
public:
  void print(std::string_view text) override { text_ += text; }
  void printError(std::string_view text) override { errorText_ += text; }
  const std::string& text() const { return text_; }
  const std::string& errorText() const { return errorText_; }

private:
  std::string text_;
  std::string errorText_;  // what would go to standard error
};

// An image job whose output step keeps the assembled bytes, for tests that run the
// stages in-process. Its console captures everything.
class TestJob : public ImageJob {
public:
  explicit TestJob(std::int32_t optionFlags = OPT_CHECK_INDIRECTION_AND_CASE) : ImageJob(optionFlags, nullptr) {
    auto capturing = std::make_unique<CapturingConsole>();
    capture_ = capturing.get();
    console = std::move(capturing);
  }
  void writeOutput(const std::string&, OutputImage& image) override {
    written.assign(image.bytes().begin(), image.bytes().end());
  }
  const std::string& consoleText() const { return capture_->text(); }

  static constexpr std::int32_t OPT_CHECK_INDIRECTION_AND_CASE = 3;
  std::vector<std::uint8_t> written;

private:
  CapturingConsole* capture_;
};
