#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "app/AssemblerApp.h"
#include "app/CommandLine.h"
#include "platform/FileSystem.h"

namespace {

CommandLine parse(std::vector<std::string_view> arguments) { return parseCommandLine(arguments); }

struct UsageCase {
  std::vector<std::string_view> arguments;
  bool usageError;
};

class CommandLineUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CommandLineUsage, AcceptsOrRejects) {
  EXPECT_EQ(parse(GetParam().arguments).usageError, GetParam().usageError);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineUsage,
    testing::Values(UsageCase{{}, true}, UsageCase{{"prog.asm"}, false}, UsageCase{{"-p", "prog.asm"}, true},
                    UsageCase{{"-p", "heron", "prog.asm"}, false}, UsageCase{{"-x", "prog.asm"}, true},
                    UsageCase{{"-", "prog.asm"}, true}, UsageCase{{"other", "prog.asm"}, true},
                    UsageCase{{"-S", "prog.asm"}, true}, UsageCase{{"-hexdump", "prog.asm"}, false},
                    UsageCase{{"-s", "-h", "-p", "tern", "prog.asm"}, false}, UsageCase{{"-s"}, false},
                    // The scan stops at the first bad argument; what follows is not looked at.
                    UsageCase{{"-x", "-p", "prog.asm"}, true}));

TEST(CommandLine, LastArgumentIsAlwaysTheSource) {
  const CommandLine line = parse({"-s"});
  EXPECT_EQ(line.sourcePath, "-s");
  EXPECT_FALSE(line.symbolOutput);
}

TEST(CommandLine, OnlyTheLetterAfterTheMinusCounts) {
  const CommandLine line = parse({"-sym", "-hex", "prog.asm"});
  EXPECT_TRUE(line.symbolOutput);
  EXPECT_TRUE(line.hexOutput);
}

TEST(CommandLine, RepeatedPluginOptionOverridesTheEarlierOne) {
  const CommandLine line = parse({"-p", "heron", "-p", "tern", "prog.asm"});
  EXPECT_TRUE(line.pluginGiven);
  EXPECT_EQ(line.pluginArg, "tern");
}

TEST(CommandLine, PluginValueMayLookLikeAnOption) {
  const CommandLine line = parse({"-p", "-s", "prog.asm"});
  EXPECT_FALSE(line.usageError);
  EXPECT_FALSE(line.symbolOutput);
  EXPECT_EQ(line.pluginArg, "-s");
}

// "-plugin heron" names heron as it always did; the attached name counts only
// where the classic reading would fail.
TEST(CommandLine, AttachedPluginNameKeepsTheClassicReadingOfAWordAfterIt) {
  EXPECT_EQ(parse({"-plugin", "heron", "prog.asm"}).pluginArg, "heron");
  EXPECT_EQ(parse({"-pheron", "prog.asm"}).pluginArg, "heron");
  EXPECT_EQ(parse({"-pheron", "-s", "prog.asm"}).pluginArg, "heron");
}

TEST(CommandLine, ValueOptionsTakeTheNextArgumentOrAnAttachedValue) {
  const CommandLine line =
      parse({"-pheron", "-o", "out/game.86p", "-I", "inc", "-Ilib", "-D", "DEBUG", "-DLEVEL=2", "-DEMPTY=", "prog.asm"});
  EXPECT_FALSE(line.usageError) << line.problem;
  EXPECT_EQ(line.pluginArg, "heron");
  EXPECT_EQ(line.outputPath, "out/game.86p");
  EXPECT_EQ(line.includeDirs, (std::vector<std::string>{"inc", "lib"}));
  EXPECT_EQ(line.predefines, (std::vector<Predefine>{{"DEBUG", "1"}, {"LEVEL", "2"}, {"EMPTY", ""}}));
  EXPECT_EQ(parse({"-oout.86p", "prog.asm"}).outputPath, "out.86p");
}

TEST(CommandLine, AddedFlagsFollowTheOneLetterRule) {
  const CommandLine line = parse({"-l", "-gnu", "-quiet", "-MD", "prog.asm"});
  EXPECT_FALSE(line.usageError);
  EXPECT_TRUE(line.listingWanted);
  EXPECT_TRUE(line.gnuDiagnostics);
  EXPECT_TRUE(line.quiet);
  EXPECT_TRUE(line.dependencyFileWanted);
}

TEST(CommandLine, HelpAndVersionAnswerWhereverTheyStand) {
  EXPECT_TRUE(parse({"--help"}).helpWanted);
  EXPECT_TRUE(parse({"--version"}).versionWanted);
  EXPECT_TRUE(parse({"-s", "--help", "prog.asm"}).helpWanted);
  EXPECT_TRUE(parse({"-s", "--version"}).versionWanted);
  // As the value of an option it is only a value.
  const CommandLine line = parse({"-p", "--help", "prog.asm"});
  EXPECT_FALSE(line.helpWanted);
  EXPECT_EQ(line.pluginArg, "--help");
}

struct ProblemCase {
  std::vector<std::string_view> arguments;
  std::string problem;
};

class CommandLineProblem : public testing::TestWithParam<ProblemCase> {};

TEST_P(CommandLineProblem, IsNamed) {
  const CommandLine line = parse(GetParam().arguments);
  EXPECT_TRUE(line.usageError);
  EXPECT_EQ(line.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineProblem,
    testing::Values(ProblemCase{{"-x", "prog.asm"}, "quarn: unknown option -x"},
                    ProblemCase{{"-xyz", "prog.asm"}, "quarn: unknown option -xyz"},
                    ProblemCase{{"--verbose", "prog.asm"}, "quarn: unknown option --verbose"},
                    ProblemCase{{"-", "prog.asm"}, "quarn: unknown option -"},
                    ProblemCase{{"extra", "prog.asm"}, "quarn: unexpected argument extra (the source file comes last)"},
                    ProblemCase{{"-p", "prog.asm"}, "quarn: -p needs a plug-in name before the source file"},
                    ProblemCase{{"-s", "-o", "prog.asm"}, "quarn: -o needs a file name before the source file"},
                    ProblemCase{{"-I", "prog.asm"}, "quarn: -I needs a folder before the source file"},
                    ProblemCase{{"-D1X", "prog.asm"}, "quarn: -D needs a name made of letters, digits and _: 1X"},
                    ProblemCase{{"-D=2", "prog.asm"}, "quarn: -D needs a name made of letters, digits and _: =2"},
                    ProblemCase{{}, "quarn: no source file given"}));

TEST(RunSettings, CommandLineFoldersComeFirstAndPathsAreMadeAbsolute) {
  const CommandLine line = parse({"-I", "inc", "-I", "/abs/lib", "-o", "out.86p", "prog.asm"});
  const RunSettings run = AssemblerApp::runSettingsFor(line, AssemblerSettings{});
  ASSERT_GE(run.includeDirectories.size(), 3u);
  EXPECT_EQ(run.includeDirectories[0], platform::absolutePath("inc"));
  EXPECT_EQ(run.includeDirectories[1], "/abs/lib");
  EXPECT_EQ(run.includeDirectories.back().substr(run.includeDirectories.back().size() - 7), "Include");
  EXPECT_EQ(run.outputPath, platform::absolutePath("out.86p"));
  EXPECT_EQ(run.outputName, "out.86p");
}

struct VariantCase {
  std::vector<std::string_view> arguments;
  const std::type_info* variant;
  std::string pluginFile;
};

class JobVariant : public testing::TestWithParam<VariantCase> {};

TEST_P(JobVariant, OptionsSelectTheJob) {
  const std::unique_ptr<AssemblyJob> job = AssemblerApp::createJob(parse(GetParam().arguments), AssemblerSettings{});
  const AssemblyJob& created = *job;
  EXPECT_EQ(typeid(created), *GetParam().variant);
  EXPECT_EQ(job->pluginFile, GetParam().pluginFile);
}

INSTANTIATE_TEST_SUITE_P(
    Table, JobVariant,
    testing::Values(VariantCase{{"prog.asm"}, &typeid(PluginOutputJob), "curlew.so"},
                    VariantCase{{"-p", "heron", "prog.asm"}, &typeid(PluginOutputJob), "heron.so"},
                    VariantCase{{"-p", "curlew.dll", "prog.asm"}, &typeid(PluginOutputJob), "curlew.dll"},
                    VariantCase{{"-p", "tern.x86", "prog.asm"}, &typeid(PluginOutputJob), "tern.x86"},
                    VariantCase{{"-p", "tern.plugin", "prog.asm"}, &typeid(PluginOutputJob), "tern.plugin.so"},
                    VariantCase{{"-p", "ab", "prog.asm"}, &typeid(PluginOutputJob), "ab.so"},
                    VariantCase{{"-o", "out/game.8xp", "prog.asm"}, &typeid(PluginOutputJob), "plover.so"},
                    VariantCase{{"-p", "heron", "-o", "game.8xp", "prog.asm"}, &typeid(PluginOutputJob), "heron.so"},
                    VariantCase{{"-o", "game.86p", "prog.asm"}, &typeid(PluginOutputJob), "curlew.so"},
                    VariantCase{{"-o", "game.73p", "prog.asm"}, &typeid(PluginOutputJob), "dunlin.so"},
                    VariantCase{{"-h", "-p", "tern", "prog.asm"}, &typeid(HexListingJob), ""},
                    VariantCase{{"-s", "-h", "-p", "tern", "prog.asm"}, &typeid(SymbolFileJob), ""}));

}  // namespace
