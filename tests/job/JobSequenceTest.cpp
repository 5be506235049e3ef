#include <gtest/gtest.h>

#include <new>
#include <string>

#include "job/FileError.h"
#include "tests/support/TestJob.h"

namespace {

// Records which stages ran and lets a test decide what each stage does to the status.
class RecordingJob : public TestJob {
public:
  JobStatus afterPreprocess = STATUS_OK;
  JobStatus afterPassOne = STATUS_OK;
  JobStatus afterPassTwo = STATUS_OK;
  std::string stages;

  void preprocess(const std::string&, MacroTable*) override { stage("pre", afterPreprocess); }
  void passOne() override { stage(" one", afterPassOne); }
  void passTwo(OutputImage& image) override {
    image.writeByte(0xC9);
    stage(" two", afterPassTwo);
  }
  void writeOutput(const std::string& path, OutputImage& image) override {
    stages += " out";
    TestJob::writeOutput(path, image);
  }

private:
  void stage(const char* name, JobStatus raiseTo) {
    stages += name;
    if (raiseTo > status) {
      status = raiseTo;
    }
  }
};

struct SequenceCase {
  JobStatus afterPreprocess, afterPassOne, afterPassTwo;
  std::string stages;
};

class ImageJobSequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(ImageJobSequence, RunsStagesWhileTheStatusAllows) {
  RecordingJob job;
  job.afterPreprocess = GetParam().afterPreprocess;
  job.afterPassOne = GetParam().afterPassOne;
  job.afterPassTwo = GetParam().afterPassTwo;
  job.displayPath = "prog.asm";
  job.run("/abs/prog.asm");
  EXPECT_EQ(job.stages, GetParam().stages);
  EXPECT_EQ(job.consoleText().rfind("Assembling prog.asm\n", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImageJobSequence,
    testing::Values(SequenceCase{STATUS_OK, STATUS_OK, STATUS_OK, "pre one two out"},
                    SequenceCase{STATUS_WARNINGS, STATUS_WARNINGS, STATUS_WARNINGS, "pre one two out"},
                    // Preprocessor errors still let pass 1 report its own.
                    SequenceCase{STATUS_ERRORS, STATUS_OK, STATUS_OK, "pre one"},
                    SequenceCase{STATUS_OK, STATUS_ERRORS, STATUS_OK, "pre one"},
                    SequenceCase{STATUS_OK, STATUS_OK, STATUS_ERRORS, "pre one two"},
                    SequenceCase{STATUS_CANCELED, STATUS_OK, STATUS_OK, "pre"},
                    SequenceCase{STATUS_FILE_ERROR, STATUS_OK, STATUS_OK, "pre"}));

TEST(ImageJobSequence, OutputStepSeesTheImageFromItsStart) {
  RecordingJob job;
  job.run("/abs/prog.asm");
  EXPECT_EQ(job.written, std::vector<std::uint8_t>{0xC9});
}

class SymbolRecordingJob : public SymbolFileJob {
public:
  using SymbolFileJob::SymbolFileJob;
  std::string stages;
  void preprocess(const std::string&, MacroTable*) override { stages += "pre"; }
  void passOne() override { stages += " one"; }
  void passTwo(OutputImage&) override { stages += " two"; }
  void writeOutput(const std::string&) override { stages += " out"; }
};

TEST(SymbolJobSequence, NeverRunsPassTwoAndPrintsNoAssemblingLine) {
  SymbolRecordingJob job(3, nullptr);
  auto console = std::make_unique<CapturingConsole>();
  const CapturingConsole& captured = *console;
  job.console = std::move(console);
  job.run("/abs/prog.asm");
  EXPECT_EQ(job.stages, "pre one out");
  EXPECT_EQ(captured.text(), "");
}

TEST(GuardStage, FileErrorEndsTheStageWithFileStatus) {
  TestJob job;
  bool after = false;
  job.guardStage([&] {
    throw FileError("disk went away");
    after = true;
  });
  EXPECT_EQ(job.status, STATUS_FILE_ERROR);
  EXPECT_FALSE(after);
}

TEST(GuardStage, MemoryExhaustionEndsTheStageWithMemoryStatus) {
  TestJob job;
  job.guardStage([] { throw std::bad_alloc(); });
  EXPECT_EQ(job.status, STATUS_NO_MEMORY);
}

TEST(OutputImage, GrowsAndOverwrites) {
  OutputImage image;
  const std::uint8_t bytes[] = {1, 2, 3, 4};
  image.write(bytes);
  image.seek(2);
  image.writeByte(9);
  EXPECT_EQ(image.length(), 4u);
  image.seek(3);
  std::uint8_t byte = 0;
  EXPECT_EQ(image.read(byte), 1);
  EXPECT_EQ(byte, 4);
  EXPECT_EQ(image.read(byte), 0);
  EXPECT_EQ(std::vector<std::uint8_t>(image.bytes().begin(), image.bytes().end()),
            (std::vector<std::uint8_t>{1, 2, 9, 4}));
}

}  // namespace
