#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/SymbolKey.h"
#include "tests/support/TestJob.h"

namespace {

constexpr int LINE_INDEX = 0;

// A job as pass 1 sees it: both maps in place and one source line to report at.
std::unique_ptr<TestJob> makeJob(std::int32_t optionFlags = TestJob::OPT_CHECK_INDIRECTION_AND_CASE) {
  auto job = std::make_unique<TestJob>(optionFlags);
  job->symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->source = std::make_unique<SourceBuffer>();
  job->source->addFile("/src/prog.asm");
  job->source->addLine(0, 9);
  job->source->writeLine("start: nop\n");
  return job;
}

std::string duplicate(std::string_view name) {
  return "Warning #302 in prog.asm, line 9: Duplicate label \"" + std::string(name) + "\"\n";
}

std::uint16_t valueOf(const SymbolMap& map, std::string_view key) {
  const Symbol* symbol = map.find(key);
  EXPECT_NE(symbol, nullptr) << key;
  return symbol ? symbol->value : 0;
}

TEST(SymbolTable, QualifyLocalLabel) {
  auto job = makeJob();
  EXPECT_EQ(job->qualifyLocalLabel("@x"), "@x");  // before any module
  job->moduleName = "Sprite";
  EXPECT_EQ(job->qualifyLocalLabel("@x"), "Sprite@x");
  EXPECT_EQ(job->qualifyLocalLabel("x@y"), "x@y");
  EXPECT_EQ(job->qualifyLocalLabel(""), "");
  job->localLabelChar = '?';
  EXPECT_EQ(job->qualifyLocalLabel("?x"), "Sprite?x");
  EXPECT_EQ(job->qualifyLocalLabel("@x"), "@x");
}

// Pass 1 qualifies every label it defines; only a local one may take the buffer,
// and a name left as it is must come back as the very view given.
TEST(SymbolTable, QualifyLocalLabelIntoBuffer) {
  struct Case {
    std::string_view name;
    std::string_view qualified;
    bool local;
  };
  auto job = makeJob();
  job->moduleName = "Sprite";
  std::string buffer = "left over from an earlier label";
  for (const Case& c : {Case{"@x", "Sprite@x", true}, Case{"x@y", "x@y", false}, Case{"", "", false},
                        Case{"@", "Sprite@", true}, Case{"start", "start", false}}) {
    const std::string_view result = job->qualifyLocalLabel(c.name, buffer);
    EXPECT_EQ(result, c.qualified) << c.name;
    EXPECT_EQ(result.data() == c.name.data(), !c.local) << c.name;
    EXPECT_EQ(result, job->qualifyLocalLabel(c.name)) << c.name;
  }
}

TEST(SymbolTable, KeyFoldsModuleAndNameOnlyWhenCaseInsensitive) {
  auto folding = makeJob();
  folding->moduleName = "Sprite";
  EXPECT_EQ(folding->symbolKey("@loop"), "SPRITE@LOOP");
  EXPECT_EQ(folding->symbolKey("Start"), "START");
  auto exact = makeJob(OPT_CHECK_INDIRECTION);
  exact->moduleName = "Sprite";
  EXPECT_EQ(exact->symbolKey("@loop"), "Sprite@loop");
  EXPECT_EQ(exact->symbolKey("Start"), "Start");
}

TEST(SymbolTable, KeyRuleQualifiesAndFoldsTheName) {
  struct Case {
    std::string_view module;
    bool foldCase;
    std::string_view name;
    std::string_view key;
  };
  const Case cases[] = {
      {"", true, "start", "START"},
      {"Sprite", true, "@loop", "SPRITE@LOOP"},
      {"Sprite", false, "@loop", "Sprite@loop"},
      {"Sprite", false, "x@y", "x@y"},
      {"", true, "", ""},
      {"m", true, "\xE9t\xE9_9", "\xE9T\xE9_9"},  // only a-z are folded
  };
  for (const Case& c : cases) {
    const SymbolKeyRule rule{c.module, '@', c.foldCase};
    std::string key(rule.lengthOf(c.name), '\0');
    rule.write(c.name, key.data());
    EXPECT_EQ(key, c.key) << c.name;
  }
}

TEST(SymbolTable, RedefiningWithTheSameValueIsSilent) {
  auto job = makeJob();
  job->defineSymbol("start", SYM_LABEL, 0x100, LINE_INDEX);
  job->defineSymbol("start", SYM_LABEL, 0x100, LINE_INDEX);
  job->defineSymbol("start", SYM_EQUATE, 0x100, LINE_INDEX);  // the kind is not compared
  EXPECT_EQ(job->consoleText(), "");
  EXPECT_EQ(job->symbols->find("START")->kind, SYM_EQUATE);
  EXPECT_EQ(job->warningCount, 0);
}

TEST(SymbolTable, RedefiningWithAnotherValueWarnsAndTheLastWins) {
  auto job = makeJob();
  job->defineSymbol("Start", SYM_LABEL, 0x100, LINE_INDEX);
  job->defineSymbol("START", SYM_EQUATE, 0x200, LINE_INDEX);
  EXPECT_EQ(job->consoleText(), duplicate("START"));
  EXPECT_EQ(valueOf(*job->symbols, "START"), 0x200);
  EXPECT_EQ(job->warningCount, 1);
  EXPECT_EQ(job->status, STATUS_WARNINGS);
}

TEST(SymbolTable, CaseInsensitiveNamesShareOneSymbolButExportEachSpelling) {
  auto job = makeJob();
  job->defineSymbol("Start", SYM_LABEL, 0x100, LINE_INDEX);
  job->defineSymbol("START", SYM_LABEL, 0x100, LINE_INDEX);
  EXPECT_EQ(job->symbols->size(), 1u);
  EXPECT_EQ(job->exportSymbols->size(), 2u);
  EXPECT_EQ(valueOf(*job->exportSymbols, "Start"), 0x100);
  EXPECT_EQ(valueOf(*job->exportSymbols, "START"), 0x100);
  EXPECT_EQ(job->evaluate("start", LINE_INDEX), 0x100);
  EXPECT_EQ(job->consoleText(), "");
}

TEST(SymbolTable, CaseSensitiveNamesAreSeparateSymbols) {
  auto job = makeJob(OPT_CHECK_INDIRECTION);
  job->defineSymbol("Start", SYM_LABEL, 0x100, LINE_INDEX);
  job->defineSymbol("START", SYM_LABEL, 0x200, LINE_INDEX);
  EXPECT_EQ(job->consoleText(), "");
  EXPECT_EQ(valueOf(*job->symbols, "Start"), 0x100);
  EXPECT_EQ(valueOf(*job->symbols, "START"), 0x200);
  EXPECT_FALSE(job->symbols->contains("start"));
}

TEST(SymbolTable, TheWrittenNameIsNotQualifiedAgain) {
  auto job = makeJob();
  job->moduleName = "m";
  job->defineSymbol("m@x", SYM_LABEL, 1, LINE_INDEX);
  EXPECT_TRUE(job->symbols->contains("M@X"));
  EXPECT_TRUE(job->exportSymbols->contains("m@x"));
  EXPECT_FALSE(job->symbols->contains("MM@X"));
}

TEST(SymbolTable, LocalLabelsBeforeAndAfterAModuleAreTwoSymbols) {
  auto job = makeJob();
  job->defineSymbol(job->qualifyLocalLabel("@x"), SYM_LABEL, 1, LINE_INDEX);
  job->moduleName = "m";
  job->defineSymbol(job->qualifyLocalLabel("@x"), SYM_LABEL, 2, LINE_INDEX);
  EXPECT_EQ(job->consoleText(), "");
  EXPECT_EQ(valueOf(*job->exportSymbols, "@x"), 1);
  EXPECT_EQ(valueOf(*job->exportSymbols, "m@x"), 2);
  EXPECT_EQ(job->evaluate("@x", LINE_INDEX), 2);
  job->moduleName.clear();
  EXPECT_EQ(job->evaluate("@x", LINE_INDEX), 1);
}

TEST(SymbolTable, AGlobalNameCanReachAModulesLocalLabel) {
  auto job = makeJob();
  job->defineSymbol("sprite@loop", SYM_LABEL, 0x40, LINE_INDEX);
  job->moduleName = "sprite";
  EXPECT_EQ(job->evaluate("@loop", LINE_INDEX), 0x40);
  EXPECT_EQ(job->consoleText(), "");
}

// An equate that names a label further down enters the label as 0; the label's
// own definition then replaces it, warning unless its address is 0 too.
TEST(SymbolTable, ForwardReferenceThenDefinition) {
  auto job = makeJob();
  EXPECT_EQ(job->evaluate("later + zero", LINE_INDEX), 0);
  job->evaluate("zero", LINE_INDEX);
  const std::string undefined = "Error #201 in prog.asm, line 9: Label not defined: \"later\"\n" +
                                std::string("Error #201 in prog.asm, line 9: Label not defined: \"zero\"\n");
  EXPECT_EQ(job->consoleText(), undefined);
  job->defineSymbol("later", SYM_LABEL, 0x10, LINE_INDEX);
  job->defineSymbol("zero", SYM_LABEL, 0, LINE_INDEX);
  EXPECT_EQ(job->consoleText(), undefined + duplicate("later"));
  EXPECT_EQ(job->evaluate("later", LINE_INDEX), 0x10);
  EXPECT_EQ(job->symbols->find("LATER")->kind, SYM_LABEL);
}

}  // namespace
