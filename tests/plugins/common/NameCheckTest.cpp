#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/common/NameCheck.h"

namespace {

using calcfile::nameProblems;
using calcfile::NameRules;
using Problems = std::vector<std::string>;

constexpr NameRules CAPITALS_ONLY{calcfile::lastComponentName, 8, false};

TEST(NameCheck, NamesTheCalculatorTakesAsTheyAreHaveNoProblems) {
  for (const char* name : {"game", "GAME", "Tetris2", "abcdefgh", "x"}) {
    EXPECT_EQ(nameProblems(name, calcfile::TI86_NAMES), Problems{}) << name;
  }
  EXPECT_EQ(nameProblems("TETRIS2", CAPITALS_ONLY), Problems{});
}

TEST(NameCheck, EachProblemIsOneSentenceQuotingTheStoredName) {
  EXPECT_EQ(nameProblems("countdowntimer", calcfile::TI86_NAMES),
            Problems{"the calculator name is \"countdow\", cut from \"countdowntimer\" to 8 characters"});
  EXPECT_EQ(nameProblems("2048", calcfile::TI86_NAMES), Problems{"the calculator name \"2048\" starts with a digit"});
  EXPECT_EQ(nameProblems("my game", calcfile::TI86_NAMES),
            Problems{"the calculator name \"my game\" holds \" \", which calculator names cannot hold"});
  EXPECT_EQ(nameProblems("", calcfile::TI86_NAMES), Problems{"the calculator name is empty"});
}

TEST(NameCheck, ForeignCharactersAreListedOnceEachAndBytesAsEscapes) {
  EXPECT_EQ(nameProblems("a-b-c.d", calcfile::TI86_NAMES),
            Problems{"the calculator name \"a-b-c.d\" holds \"-\", \".\", which calculator names cannot hold"});
  EXPECT_EQ(nameProblems("caf\xC3\xA9", calcfile::TI86_NAMES),
            Problems{"the calculator name \"caf\xC3\xA9\" holds \"\\xC3\", \"\\xA9\", which calculator names cannot hold"});
  EXPECT_EQ(nameProblems("Game", CAPITALS_ONLY),
            Problems{"the calculator name \"Game\" holds \"a\", \"m\", \"e\", which calculator names cannot hold"});
}

// Only what the file stores counts: a character in the part cut away is no problem.
TEST(NameCheck, ProblemsAddUpOverTheStoredPart) {
  EXPECT_EQ(nameProblems("2048 deluxe", calcfile::TI86_NAMES),
            (Problems{"the calculator name is \"2048 del\", cut from \"2048 deluxe\" to 8 characters",
                      "the calculator name \"2048 del\" starts with a digit",
                      "the calculator name \"2048 del\" holds \" \", which calculator names cannot hold"}));
  EXPECT_EQ(nameProblems("abcdefgh-x", calcfile::TI86_NAMES),
            Problems{"the calculator name is \"abcdefgh\", cut from \"abcdefgh-x\" to 8 characters"});
}

}  // namespace
