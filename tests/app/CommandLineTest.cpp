#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "app/AssemblerApp.h"
#include "app/CommandLine.h"

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
                    VariantCase{{"-h", "-p", "tern", "prog.asm"}, &typeid(HexListingJob), ""},
                    VariantCase{{"-s", "-h", "-p", "tern", "prog.asm"}, &typeid(SymbolFileJob), ""}));

}  // namespace
