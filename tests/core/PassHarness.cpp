#include "tests/core/PassHarness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

const std::vector<std::string> SMALL_TABLE = {
    "NOP \"\" 00 1 NOP 1",
    "RET \"\" C9 1 NOP 1",
    "LD A,(HL) 7E 1 NOP 1",
    "LD A,(IX*) 7EDD 3 NOP 1",
    "LD (IX*),* 36DD 4 COMBINE 1",
    "LD A,* 3E 2 NOP 1",
    "LD HL,* 21 3 NOP 1",
    "LD IX,* 21DD 4 NOP 1",
    "JR * 18 2 R1 1",
    "DJNZ * 10 2 R1 1",
    "BIT *,A 47CB 2 ZBIT 1",
    "BIT *,(IX*) CBDD 4 ZBIT 1 0 4600",
    "JP * C3 3 NOP 1",
    "CALL * CD 3 NOP 1",
    "OUT *,A D3 2 NOP 1",
    "SWAP *,* ED 3 CSWAP 1",
};

PassHarness::PassHarness(std::vector<std::string> sourceLines, const std::vector<std::string>& tableLines) {
  for (const std::string& line : tableLines) {
    std::string text = line;
    EXPECT_EQ(job.parseTableEntry(text), 1) << line;
  }
  job.source = std::make_unique<SourceBuffer>();
  job.source->addFile("/src/test.asm");
  for (std::size_t i = 0; i < sourceLines.size(); ++i) {
    job.source->addLine(0, static_cast<int>(i + 1));
    job.source->writeLine(sourceLines[i] + "\n");
  }
}

void PassHarness::assemble() {
  job.passOne();
  if (job.status <= STATUS_WARNINGS) {
    job.passTwo(image);
  }
}

std::string PassHarness::hex() const {
  std::string text;
  for (std::uint8_t byte : image.bytes()) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    text += text.empty() ? "" : " ";
    text += digits;
  }
  return text;
}

std::vector<int> PassHarness::codes() const { return diagnosticCodesIn(job.consoleText()); }

std::uint16_t PassHarness::symbolValue(const std::string& key) const {
  const Symbol* symbol = job.symbols->find(key);
  EXPECT_NE(symbol, nullptr) << key;
  return symbol ? symbol->value : 0;
}

std::vector<int> diagnosticCodesIn(const std::string& consoleText) {
  static const std::regex diagnostic(R"((?:Error|Warning) #(\d+) in )");
  std::vector<int> codes;
  for (std::sregex_iterator it(consoleText.begin(), consoleText.end(), diagnostic), end; it != end; ++it) {
    codes.push_back(std::stoi((*it)[1]));
  }
  return codes;
}
