#include <gtest/gtest.h>

#include "job/OutputNames.h"

namespace {

struct NameCase {
  std::string source;
  std::string symbolFile;
  std::string basePath;
};

class OutputNames : public testing::TestWithParam<NameCase> {};

TEST_P(OutputNames, ReplaceOnlyTheLastComponentsExtension) {
  EXPECT_EQ(outputPathFor(GetParam().source, ".inc"), GetParam().symbolFile);
  EXPECT_EQ(basePathOf(GetParam().source), GetParam().basePath);
}

INSTANTIATE_TEST_SUITE_P(Table, OutputNames,
                         testing::Values(NameCase{"/src/prog.asm", "/src/prog.inc", "/src/prog"},
                                         NameCase{"/src/prog", "/src/prog.inc", "/src/prog"},
                                         // A dot in a directory never moves the output out of it.
                                         NameCase{"/rel.2/prog", "/rel.2/prog.inc", "/rel.2/prog"},
                                         NameCase{"rel.2\\prog", "rel.2\\prog.inc", "rel.2\\prog"},
                                         NameCase{"prog.old.asm", "prog.old.inc", "prog.old"},
                                         NameCase{"/src/.hidden", "/src/.inc", "/src/"}));

}  // namespace
