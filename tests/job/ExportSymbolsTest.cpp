// The export map serves the symbol file only: the variants that write other output
// leave it empty, the symbol-file variant keeps every spelling.
#include <gtest/gtest.h>

#include <memory>

#include "job/AssemblyJob.h"

namespace {

template <class Job>
std::size_t exportedAfterTwoDefinitions(Job& job) {
  job.symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job.exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job.defineSymbol("Start", SYM_LABEL, 0x9D95, 0);
  job.defineSymbol("START", SYM_LABEL, 0x9D95, 0);
  EXPECT_EQ(job.symbols->size(), 1u);
  EXPECT_EQ(job.symbols->find("START")->value, 0x9D95);
  return job.exportSymbols->size();
}

TEST(ExportSymbols, AreKeptForTheSymbolFile) {
  SymbolFileJob job(3, nullptr);
  EXPECT_EQ(exportedAfterTwoDefinitions(job), 2u);
}

TEST(ExportSymbols, AreLeftOutForAHexListing) {
  HexListingJob job(3, nullptr);
  EXPECT_EQ(exportedAfterTwoDefinitions(job), 0u);
}

TEST(ExportSymbols, AreLeftOutForAPlugIn) {
  PluginOutputJob job(3, "curlew", nullptr);
  EXPECT_EQ(exportedAfterTwoDefinitions(job), 0u);
}

}  // namespace
