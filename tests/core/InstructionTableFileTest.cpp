// Integrity of the shipped instruction table data/vozo80.tab, read the way the
// loader reads it but without the assembler: field layout, sizes, modifiers,
// entry order, and that the golden sources use every entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path TABLE_PATH = fs::path(QUARN_SOURCE_DIR) / "data" / "vozo80.tab";
const fs::path GOLDEN_DIR = fs::path(QUARN_SOURCE_DIR) / "tests" / "data" / "golden";

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return result;
}

bool isSpaceChar(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// One piece of the file as a 127-byte read returns it: a line, or part of a line
// longer than 126 characters.
struct Piece {
  int lineNumber;
  std::string text;  // without the line feed
  bool complete;     // ended with a line feed, or was the file's last line
};

std::vector<Piece> readPieces(const fs::path& path) {
  std::vector<Piece> pieces;
  std::FILE* file = std::fopen(path.string().c_str(), "r");
  if (file == nullptr) {
    return pieces;
  }
  char buffer[127];
  int lineNumber = 1;
  while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
    std::string text(buffer);
    const bool newline = !text.empty() && text.back() == '\n';
    if (newline) {
      text.pop_back();
    }
    const bool atEnd = !newline && std::feof(file) != 0;
    pieces.push_back({lineNumber, text, newline || atEnd});
    if (newline) {
      ++lineNumber;
    }
  }
  std::fclose(file);
  return pieces;
}

struct Entry {
  int lineNumber = 0;
  std::vector<std::string> words;  // the line split at white space, upper case
  int fields = 0;                  // what the loader's field scan converts
  std::string mnemonic;
  std::string pattern;             // "" in the file reads as empty
  unsigned long opcode = 0;
  short nbytes = 0;
  std::string modifier;
  unsigned short instrClass = 0;
  unsigned short shift = 0;
  unsigned short orMask = 0;
  short opcodeSize = 0;
  short argSize = 0;

  std::string where() const { return "line " + std::to_string(lineNumber) + ": " + mnemonic + " " + pattern; }
};

Entry parseEntry(const Piece& piece) {
  Entry entry;
  entry.lineNumber = piece.lineNumber;
  const std::string text = upper(piece.text);
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    entry.words.push_back(word);
  }
  char mnemonic[8] = {};
  char pattern[16] = {};
  char modifier[64] = {};
  entry.fields = std::sscanf(text.c_str(), "%7s %15s %lx %hi %63s %hu %hx %hx", mnemonic, pattern, &entry.opcode,
                             &entry.nbytes, modifier, &entry.instrClass, &entry.shift, &entry.orMask);
  entry.mnemonic = mnemonic;
  entry.pattern = std::string(pattern) == "\"\"" ? std::string() : std::string(pattern);
  entry.modifier = modifier;
  // Sizes as the loader computes them.
  entry.opcodeSize = entry.opcode > 0xFF ? 2 : 1;
  entry.argSize = static_cast<short>(entry.nbytes - entry.opcodeSize);
  if (entry.argSize > 2) {
    entry.opcodeSize = static_cast<short>(entry.nbytes - 2);
    entry.argSize = 2;
  }
  return entry;
}

struct Table {
  std::vector<Piece> pieces;
  std::optional<Piece> title;
  std::vector<Entry> entries;
};

const Table& table() {
  static const Table loaded = [] {
    Table t;
    t.pieces = readPieces(TABLE_PATH);
    bool inEntries = false;
    for (const Piece& piece : t.pieces) {
      const char first = piece.text.empty() ? '\0' : piece.text[0];
      if (!inEntries) {
        if (first == '"' || isLetter(first)) {
          t.title = piece;
          inEntries = true;
        }
        continue;
      }
      if (isLetter(first)) {
        t.entries.push_back(parseEntry(piece));
      }
    }
    return t;
  }();
  return loaded;
}

int wildcardCount(std::string_view pattern) { return static_cast<int>(std::count(pattern.begin(), pattern.end(), '*')); }

// Whether an operand text fits a pattern, by the assembler's rule: blanks in the
// text before each element are skipped, letters compare without regard to case,
// and a "*" takes text up to the pattern's next character, except inside a
// character constant or parentheses.
bool matchOperands(std::optional<std::string_view> operand, std::string_view pattern) {
  if (!operand) {
    return pattern.empty();
  }
  const std::string_view text = *operand;
  const auto at = [](std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; };
  const auto up = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
  std::size_t p = 0;
  std::size_t q = 0;
  for (;;) {
    while (p < text.size() && isSpaceChar(text[p])) {
      ++p;
    }
    if (at(pattern, q) == '*') {
      ++q;
      const char stop = at(pattern, q);
      int depth = 0;
      bool quoted = false;
      while (p < text.size()) {
        const char c = text[p];
        if (depth <= 0 && !quoted && stop != '\0' && up(c) == stop) {
          break;
        }
        if (c == '\'') {
          quoted = !quoted;
        } else if (quoted && c == '\\' && p + 1 < text.size()) {
          ++p;
        } else if (!quoted && c == '(') {
          ++depth;
        } else if (!quoted && c == ')') {
          --depth;
        }
        ++p;
      }
      if (p >= text.size() && q < pattern.size()) {
        return false;
      }
    } else if (up(at(text, p)) != at(pattern, q)) {
      return false;
    }
    if (p >= text.size() && q >= pattern.size()) {
      return true;
    }
    ++p;
    ++q;
  }
}

// The entry that an instruction with this mnemonic and operand text selects.
const Entry* firstMatch(std::string_view mnemonic, std::optional<std::string_view> operand) {
  const std::string key = upper(mnemonic);
  for (const Entry& entry : table().entries) {
    if (entry.mnemonic == key && matchOperands(operand, entry.pattern)) {
      return &entry;
    }
  }
  return nullptr;
}

TEST(InstructionTableFile, OpensAndHasATitleInDoubleQuotesBeforeTheEntries) {
  ASSERT_FALSE(table().pieces.empty()) << "cannot read " << TABLE_PATH;
  ASSERT_TRUE(table().title.has_value());
  EXPECT_EQ(table().title->text.front(), '"') << "first significant line: " << table().title->text;
  EXPECT_GT(table().entries.size(), 600u);
}

TEST(InstructionTableFile, EveryLineFitsInOneRead) {
  for (const Piece& piece : table().pieces) {
    EXPECT_TRUE(piece.complete) << "line " << piece.lineNumber << " is longer than one read: " << piece.text;
  }
}

TEST(InstructionTableFile, EveryEntryHasSixToEightFieldsThatAllConvert) {
  for (const Entry& entry : table().entries) {
    EXPECT_GE(entry.words.size(), 6u) << entry.where();
    EXPECT_LE(entry.words.size(), 8u) << entry.where();
    EXPECT_EQ(static_cast<std::size_t>(entry.fields), entry.words.size())
        << entry.where() << ": a field does not convert, so the fields after it are lost";
  }
}

TEST(InstructionTableFile, MnemonicsAndPatternsFitTheirFields) {
  for (const Entry& entry : table().entries) {
    ASSERT_FALSE(entry.words.empty());
    EXPECT_LE(entry.words[0].size(), 7u) << entry.where();
    ASSERT_GE(entry.words.size(), 2u) << entry.where();
    EXPECT_LE(entry.words[1].size(), 15u) << entry.where();
    for (char c : entry.words[0]) {
      EXPECT_TRUE(isLetter(c) || std::isdigit(static_cast<unsigned char>(c))) << entry.where();
    }
  }
}

TEST(InstructionTableFile, SizesAreValidAndTheOpcodeFitsItsBytes) {
  for (const Entry& entry : table().entries) {
    EXPECT_GE(entry.nbytes, 1) << entry.where();
    EXPECT_LE(entry.nbytes, 6) << entry.where();
    if (entry.opcode > 0xFF) {
      EXPECT_GE(entry.nbytes, 2) << entry.where() << ": a two-byte opcode in a one-byte instruction";
    }
    EXPECT_GE(entry.argSize, 0) << entry.where();
    // Opcode bytes beyond opcodeSize would be dropped silently.
    const unsigned long dropped = entry.opcodeSize >= 4 ? 0 : entry.opcode >> (8 * entry.opcodeSize);
    EXPECT_EQ(dropped, 0u) << entry.where() << ": opcode " << std::hex << entry.opcode << " is cut";
  }
}

TEST(InstructionTableFile, ClassIsOneAndModifiersAreSpelledRight) {
  // A misspelt modifier word silently means "plain operand", so only the words
  // the table uses on purpose are allowed.
  const std::set<std::string> known = {"NONE", "R1", "ZBIT", "COMBINE", "CSWAP"};
  for (const Entry& entry : table().entries) {
    EXPECT_EQ(entry.instrClass, 1) << entry.where();
    EXPECT_TRUE(known.count(entry.modifier)) << entry.where() << ": modifier " << entry.modifier;
  }
}

TEST(InstructionTableFile, WildcardsHaveTheOperandBytesTheirModifierNeeds) {
  for (const Entry& entry : table().entries) {
    const int wildcards = wildcardCount(entry.pattern);
    if (entry.modifier == "R1") {
      EXPECT_EQ(wildcards, 1) << entry.where();
      EXPECT_EQ(entry.argSize, 1) << entry.where();
    } else if (entry.modifier == "COMBINE" || entry.modifier == "CSWAP") {
      EXPECT_EQ(wildcards, 2) << entry.where();
      EXPECT_EQ(entry.argSize, 2) << entry.where();
    } else if (entry.modifier == "ZBIT") {
      EXPECT_GE(wildcards, 1) << entry.where();
      EXPECT_EQ(entry.pattern.rfind("*,", 0), 0u) << entry.where() << ": the bit number comes first";
      if (wildcards > 1) {
        EXPECT_EQ(entry.argSize, 2) << entry.where();
      }
    } else if (wildcards > 0) {
      EXPECT_GT(entry.argSize, 0) << entry.where() << ": an operand with no bytes to go into";
    }
  }
}

TEST(InstructionTableFile, PatternParenthesesBalance) {
  for (const Entry& entry : table().entries) {
    int depth = 0;
    for (char c : entry.pattern) {
      depth += c == '(' ? 1 : c == ')' ? -1 : 0;
      EXPECT_GE(depth, 0) << entry.where();
    }
    EXPECT_EQ(depth, 0) << entry.where();
  }
}

TEST(InstructionTableFile, NoEntryIsHiddenBehindAnEarlierOne) {
  // The first fitting entry wins, so a later entry whose pattern, read as operand
  // text, already fits an earlier pattern of the same mnemonic can never be chosen.
  const auto& entries = table().entries;
  for (std::size_t later = 0; later < entries.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (entries[earlier].mnemonic != entries[later].mnemonic) {
        continue;
      }
      const bool hidden = entries[earlier].pattern == entries[later].pattern ||
                          (wildcardCount(entries[earlier].pattern) > 0 && !entries[later].pattern.empty() &&
                           matchOperands(entries[later].pattern, entries[earlier].pattern));
      EXPECT_FALSE(hidden) << entries[later].where() << " is hidden by " << entries[earlier].where();
    }
  }
}

TEST(InstructionTableFile, MatcherFollowsTheWildcardRules) {
  // The checks above rely on this model of the assembler's matcher.
  EXPECT_TRUE(matchOperands("a,(ix)", "A,(IX*)"));
  EXPECT_TRUE(matchOperands("a, ( ix + 5 )", "A,(IX*)"));
  EXPECT_TRUE(matchOperands("',',a", "*,A"));
  EXPECT_TRUE(matchOperands("(ix+')'),5", "(IX*),*"));
  EXPECT_TRUE(matchOperands("a,((x)+1)", "A,(*)"));
  EXPECT_FALSE(matchOperands("a,(1)+(2)", "A,(*)"));
  EXPECT_FALSE(matchOperands("a,b", "A"));
  EXPECT_FALSE(matchOperands("a", "A,*"));
  EXPECT_TRUE(matchOperands(std::nullopt, ""));
  EXPECT_FALSE(matchOperands(std::nullopt, "*"));
}

// What an operand text selects: the pattern of the first fitting entry and that
// entry's encoding.
struct Selection {
  const char* mnemonic;
  const char* operand;  // nullptr: no operand
  const char* pattern;
  unsigned long opcode;
  int nbytes;
  const char* modifier;
  unsigned orMask;
};

void PrintTo(const Selection& s, std::ostream* os) {
  *os << s.mnemonic << " " << (s.operand ? s.operand : "") << " -> " << s.pattern;
}

class SelectedEntry : public testing::TestWithParam<Selection> {};

TEST_P(SelectedEntry, IsTheExpectedForm) {
  const Selection& s = GetParam();
  const Entry* entry = firstMatch(s.mnemonic, s.operand ? std::optional<std::string_view>(s.operand) : std::nullopt);
  ASSERT_NE(entry, nullptr) << s.mnemonic << " " << (s.operand ? s.operand : "");
  EXPECT_EQ(entry->pattern, s.pattern);
  EXPECT_EQ(entry->opcode, s.opcode) << std::hex << entry->opcode;
  EXPECT_EQ(entry->nbytes, s.nbytes);
  EXPECT_EQ(entry->modifier, s.modifier);
  EXPECT_EQ(entry->orMask, s.orMask) << std::hex << entry->orMask;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectedEntry,
    testing::Values(
        // Register and indirect forms before the general ones.
        Selection{"ld", "a,(hl)", "A,(HL)", 0x7E, 1, "NONE", 0},
        Selection{"ld", "a,(bc)", "A,(BC)", 0x0A, 1, "NONE", 0},
        Selection{"ld", "a,(ix)", "A,(IX*)", 0x7EDD, 3, "NONE", 0},
        Selection{"ld", "a,(iy-128)", "A,(IY*)", 0x7EFD, 3, "NONE", 0},
        Selection{"ld", "a,(label)", "A,(*)", 0x3A, 3, "NONE", 0},
        Selection{"ld", "a,(1)+(2)", "A,*", 0x3E, 2, "NONE", 0},
        Selection{"ld", "a,i", "A,I", 0x57ED, 2, "NONE", 0},
        Selection{"ld", "a,ixh", "A,IXH", 0x7CDD, 2, "NONE", 0},
        Selection{"ld", "a,label", "A,*", 0x3E, 2, "NONE", 0},
        Selection{"LD", "A , B", "A,B", 0x78, 1, "NONE", 0},
        Selection{"ld", "(hl),a", "(HL),A", 0x77, 1, "NONE", 0},
        Selection{"ld", "(hl),5", "(HL),*", 0x36, 2, "NONE", 0},
        Selection{"ld", "(ix+5),a", "(IX*),A", 0x77DD, 3, "NONE", 0},
        Selection{"ld", "(ix-1),5", "(IX*),*", 0x36DD, 4, "COMBINE", 0},
        Selection{"ld", "(bc),a", "(BC),A", 0x02, 1, "NONE", 0},
        Selection{"ld", "(1234h),a", "(*),A", 0x32, 3, "NONE", 0},
        Selection{"ld", "(1234h),bc", "(*),BC", 0x43ED, 4, "NONE", 0},
        Selection{"ld", "hl,(label)", "HL,(*)", 0x2A, 3, "NONE", 0},
        Selection{"ld", "hl,(1)+(2)", "HL,*", 0x21, 3, "NONE", 0},
        Selection{"ld", "ix,$1234", "IX,*", 0x21DD, 4, "NONE", 0},
        Selection{"ld", "ixh,5", "IXH,*", 0x26DD, 3, "NONE", 0},
        Selection{"ld", "sp,hl", "SP,HL", 0xF9, 1, "NONE", 0},
        Selection{"jp", "(hl)", "(HL)", 0xE9, 1, "NONE", 0},
        Selection{"jp", "(ix)", "(IX)", 0xE9DD, 2, "NONE", 0},
        Selection{"jp", "p,label", "P,*", 0xF2, 3, "NONE", 0},
        Selection{"jp", "pe,label", "PE,*", 0xEA, 3, "NONE", 0},
        Selection{"jp", "label", "*", 0xC3, 3, "NONE", 0},
        Selection{"jr", "nz,label", "NZ,*", 0x20, 2, "R1", 0},
        Selection{"djnz", "$", "*", 0x10, 2, "R1", 0},
        Selection{"in", "a,(c)", "A,(C)", 0x78ED, 2, "NONE", 0},
        Selection{"in", "a,($FE)", "A,(*)", 0xDB, 2, "NONE", 0},
        Selection{"out", "(c),a", "(C),A", 0x79ED, 2, "NONE", 0},
        Selection{"out", "(c),0", "(C),0", 0x71ED, 2, "NONE", 0},
        Selection{"out", "(1),a", "(*),A", 0xD3, 2, "NONE", 0},
        Selection{"ex", "af,af'", "AF,AF'", 0x08, 1, "NONE", 0},
        // Accumulator written or left out.
        Selection{"add", "a,5", "A,*", 0xC6, 2, "NONE", 0},
        Selection{"add", "5", "*", 0xC6, 2, "NONE", 0},
        Selection{"add", "a", "A", 0x87, 1, "NONE", 0},
        Selection{"add", "hl,bc", "HL,BC", 0x09, 1, "NONE", 0},
        Selection{"sub", "a,(ix+1)", "A,(IX*)", 0x96DD, 3, "NONE", 0},
        Selection{"cp", "'a'", "*", 0xFE, 2, "NONE", 0},
        // Bit numbers and the DD CB d op layout.
        Selection{"bit", "3,a", "*,A", 0x47CB, 2, "ZBIT", 0},
        Selection{"bit", "2,(ix+3)", "*,(IX*)", 0xCBDD, 4, "ZBIT", 0x4600},
        Selection{"set", "7,(iy)", "*,(IY*)", 0xCBFD, 4, "ZBIT", 0xC600},
        Selection{"res", "0,(hl)", "*,(HL)", 0x86CB, 2, "ZBIT", 0},
        Selection{"rlc", "(ix+1)", "(IX*)", 0xCBDD, 4, "NONE", 0x0600},
        Selection{"sll", "a", "A", 0x37CB, 2, "NONE", 0},
        // Restarts in their spellings; no operand forms.
        Selection{"rst", "38h", "38H", 0xFF, 1, "NONE", 0},
        Selection{"rst", "$38", "$38", 0xFF, 1, "NONE", 0},
        Selection{"rst", "56", "56", 0xFF, 1, "NONE", 0},
        Selection{"rst", "0", "0", 0xC7, 1, "NONE", 0},
        Selection{"rst", "08h", "08H", 0xCF, 1, "NONE", 0},
        Selection{"ret", nullptr, "", 0xC9, 1, "NONE", 0},
        Selection{"ret", "nz", "NZ", 0xC0, 1, "NONE", 0},
        Selection{"im", "2", "2", 0x5EED, 2, "NONE", 0}));

class UnselectedOperand : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(UnselectedOperand, FitsNoEntry) {
  EXPECT_EQ(firstMatch(GetParam().first, GetParam().second), nullptr) << GetParam().first << " " << GetParam().second;
}

// Forms the Z80 does not have must not slip into a general pattern.
INSTANTIATE_TEST_SUITE_P(Table, UnselectedOperand,
                         testing::Values(std::pair{"rst", "label"}, std::pair{"rst", "7"}, std::pair{"im", "3"},
                                         std::pair{"ex", "hl,de"}, std::pair{"out", "(c),1"},
                                         std::pair{"in", "b,(5)"}, std::pair{"inc", "5"}));

// The instruction statements of a golden source: mnemonic and operand text.
struct Statement {
  std::string file;
  int lineNumber;
  std::string mnemonic;
  std::optional<std::string> operand;
};

std::vector<Statement> goldenStatements() {
  std::vector<Statement> statements;
  for (const auto& item : fs::directory_iterator(GOLDEN_DIR)) {
    if (item.path().extension() != ".asm") {
      continue;
    }
    std::ifstream in(item.path());
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
      ++lineNumber;
      // Comments start at a ';' outside strings; a quote exempts the next character.
      std::string code;
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
          const std::size_t close = line.find('"', i + 1);
          const std::size_t end = close == std::string::npos ? line.size() : close + 1;
          code += line.substr(i, end - i);
          i = end - 1;
        } else if (line[i] == '\'' && i + 1 < line.size()) {
          code += line.substr(i, 2);
          ++i;
        } else if (line[i] == ';') {
          break;
        } else {
          code += line[i];
        }
      }
      std::size_t pos = 0;
      const auto nextWord = [&]() {
        while (pos < code.size() && (code[pos] == ' ' || code[pos] == '\t')) {
          ++pos;
        }
        const std::size_t start = pos;
        while (pos < code.size() && code[pos] != ' ' && code[pos] != '\t') {
          ++pos;
        }
        return code.substr(start, pos - start);
      };
      if (!code.empty() && (isLetter(code[0]) || code[0] == '_' || code[0] == '@')) {
        nextWord();  // the label
      }
      const std::string word = nextWord();
      if (word.empty() || !isLetter(word[0])) {
        continue;  // directives and empty lines
      }
      std::optional<std::string> operand;
      if (pos < code.size()) {
        operand = code.substr(pos + 1);
      }
      statements.push_back({item.path().filename().string(), lineNumber, word, operand});
    }
  }
  return statements;
}

TEST(InstructionTableFile, GoldenSourcesUseEveryEntry) {
  const std::vector<Statement> statements = goldenStatements();
  ASSERT_GT(statements.size(), 600u);
  std::set<const Entry*> used;
  for (const Statement& s : statements) {
    const Entry* entry =
        firstMatch(s.mnemonic, s.operand ? std::optional<std::string_view>(*s.operand) : std::nullopt);
    EXPECT_NE(entry, nullptr) << s.file << " line " << s.lineNumber << ": " << s.mnemonic << " "
                              << s.operand.value_or("");
    used.insert(entry);
  }
  for (const Entry& entry : table().entries) {
    EXPECT_TRUE(used.count(&entry)) << entry.where() << " is not used by any golden source";
  }
}

}  // namespace
