#include <gtest/gtest.h>

#include <string>

#include "frontend/NextOccurrence.h"

namespace {

TEST(NextOccurrence, AnswersForStretchesInOrder) {
  const std::string text = "ab;c\nd\ne;f;\n";
  NextOccurrence semicolons(text, ';');
  EXPECT_FALSE(semicolons.within(0, 2));
  EXPECT_TRUE(semicolons.within(0, 5));
  EXPECT_FALSE(semicolons.within(5, 7));
  EXPECT_TRUE(semicolons.within(7, 12));
  EXPECT_TRUE(semicolons.within(10, 12));
  EXPECT_FALSE(semicolons.within(12, 13));
  EXPECT_FALSE(semicolons.within(13, 13));
}

TEST(NextOccurrence, FindsNothingInATextWithoutTheCharacter) {
  const std::string text = "no such thing here";
  NextOccurrence backslashes(text, '\\');
  EXPECT_FALSE(backslashes.within(0, text.size()));
  NextOccurrence empty(std::string_view{}, ';');
  EXPECT_FALSE(empty.within(0, 0));
}

TEST(NextOccurrence, StartsWhereItIsToldTo) {
  const std::string text = "_a _b";
  NextOccurrence underscores(text, '_', 1);
  EXPECT_FALSE(underscores.within(1, 3));
  EXPECT_TRUE(underscores.within(3, 5));
}

}  // namespace
