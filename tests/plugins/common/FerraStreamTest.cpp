// The Ferra II encoder: its bytes for known inputs, the items it chooses where the
// greedy search has rules of its own, and, on many inputs, the very bytes of the
// exhaustive search that it replaces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/common/FerraDecoder.h"
#include "plugins/common/FerraStream.h"
#include "tests/plugins/common/FerraStreamReference.h"
#include "tests/plugins/common/FerraStreamSamples.h"
#include "tests/plugins/support/WriterPlugin.h"

namespace {

using ferra::BackReference;
using ferra::StreamItem;
using ferratest::Bytes;
using plugintest::hexBytes;

Bytes textBytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<StreamItem> itemsOf(const Bytes& input) {
  const Bytes stream = ferra::encodeFerraStream(input);
  const auto parsed = ferra::parseFerraStream(stream);
  EXPECT_TRUE(parsed.has_value());
  return parsed ? parsed->items : std::vector<StreamItem>{};
}

StreamItem literal(char c) { return static_cast<std::uint8_t>(c); }
StreamItem reference(std::size_t distance, std::size_t length) { return BackReference{distance, length}; }

TEST(FerraStream, EncodesKnownInputsToKnownBytes) {
  const struct {
    std::string name;
    Bytes input;
    std::string stream;
  } cases[] = {
      {"empty", {}, "80 1F"},
      {"three literals", hexBytes("3E 01 C9"), "10 3E 01 C9 1F"},
      {"one repeat", hexBytes("41 42 43 41 42 43"), "18 41 42 43 E0 FD 1F"},
      {"forty zeros", Bytes(40, 0x00), "70 00 FF FF E2 FF 1F"},
      {"eight literals fill a group", textBytes("ABCDEFGH"), "00 41 42 43 44 45 46 47 48 80 1F"},
      {"seven literals leave room for the end", textBytes("ABCDEFG"), "01 41 42 43 44 45 46 47 1F"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ferra::encodeFerraStream(c.input), hexBytes(c.stream)) << c.name;
  }
}

TEST(FerraStream, ChoosesTheItemsOfTheGreedySearch) {
  const struct {
    std::string name;
    Bytes input;
    std::vector<StreamItem> items;
  } cases[] = {
      {"a run is one literal, then distance 1", Bytes(40, 'z'),
       {literal('z'), reference(1, 34), reference(1, 5)}},
      {"overlapping pattern", textBytes("abababab"), {literal('a'), literal('b'), reference(2, 6)}},
      {"two-byte matches are not used", textBytes("abxab"),
       {literal('a'), literal('b'), literal('x'), literal('a'), literal('b')}},
      {"the longest candidate wins over a nearer one", textBytes("abcdQabcRabcd"),
       {literal('a'), literal('b'), literal('c'), literal('d'), literal('Q'), reference(5, 3), literal('R'),
        reference(9, 4)}},
      {"the nearest of equally long candidates wins", textBytes("abcXabcYabc"),
       {literal('a'), literal('b'), literal('c'), literal('X'), reference(4, 3), literal('Y'), reference(4, 3)}},
      {"a match stops at the end of the input", textBytes("abcdabc"),
       {literal('a'), literal('b'), literal('c'), literal('d'), reference(4, 3)}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(itemsOf(c.input), c.items) << c.name;
  }
}

// 34 distinct bytes, filler that cannot match them, and the same 34 bytes again
// `distance` bytes after the first.
Bytes blockRepeatedAt(std::size_t distance) {
  Bytes input;
  for (std::uint8_t b = 0x80; b < 0x80 + 34; ++b) {
    input.push_back(b);
  }
  const Bytes block = input;
  input.resize(distance, 0x00);
  input.insert(input.end(), block.begin(), block.end());
  return input;
}

TEST(FerraStream, ShortensFullLengthMatchesFromDistance1792On) {
  const struct {
    std::size_t distance;
    std::vector<StreamItem> tail;
  } cases[] = {
      {1791, {reference(1791, 34)}},
      {1792, {reference(1792, 33), StreamItem(std::uint8_t{0x80 + 33})}},
      {1900, {reference(1900, 33), StreamItem(std::uint8_t{0x80 + 33})}},
      {2048, {reference(2048, 33), StreamItem(std::uint8_t{0x80 + 33})}},
  };
  for (const auto& c : cases) {
    const std::vector<StreamItem> items = itemsOf(blockRepeatedAt(c.distance));
    ASSERT_GE(items.size(), c.tail.size());
    EXPECT_EQ(std::vector<StreamItem>(items.end() - static_cast<long>(c.tail.size()), items.end()), c.tail)
        << "distance " << c.distance;
  }
}

TEST(FerraStream, LooksNoFurtherBackThanTheWindow) {
  const std::vector<StreamItem> items = itemsOf(blockRepeatedAt(2049));
  ASSERT_GE(items.size(), 34u);
  for (auto item = items.end() - 34; item != items.end(); ++item) {
    EXPECT_TRUE(std::holds_alternative<std::uint8_t>(*item));
  }
}

TEST(FerraStream, NeverWritesAnEndMarkerAsABackReference) {
  for (std::size_t distance = 1785; distance <= 2048; ++distance) {
    const Bytes stream = ferra::encodeFerraStream(blockRepeatedAt(distance));
    const auto decoded = ferra::decodeFerraStream(stream);
    ASSERT_TRUE(decoded.has_value()) << "distance " << distance;
    EXPECT_EQ(decoded->streamLength, stream.size()) << "distance " << distance;
    EXPECT_EQ(decoded->bytes, blockRepeatedAt(distance)) << "distance " << distance;
  }
}

void expectSameAsExhaustiveSearch(const Bytes& input, const std::string& name) {
  const Bytes stream = ferra::encodeFerraStream(input);
  ASSERT_EQ(stream, ferratest::encodeFerraStreamExhaustively(input)) << name << ", " << input.size() << " bytes";
  const auto decoded = ferra::decodeFerraStream(stream);
  ASSERT_TRUE(decoded.has_value()) << name;
  EXPECT_EQ(decoded->bytes, input) << name;
  EXPECT_EQ(decoded->streamLength, stream.size()) << name;
}

TEST(FerraStream, MatchesTheExhaustiveSearchOnSmallInputs) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    const std::size_t size = (seed * 397) % 3000;
    expectSameAsExhaustiveSearch(ferratest::randomBytes(size, seed), "random");
    expectSameAsExhaustiveSearch(ferratest::smallAlphabet(size, 2 + seed % 5, seed), "small alphabet");
    expectSameAsExhaustiveSearch(ferratest::textLike(size, seed), "text");
    expectSameAsExhaustiveSearch(ferratest::codeLike(size, seed), "code");
    expectSameAsExhaustiveSearch(ferratest::repetitive(size, seed), "repetitive");
    expectSameAsExhaustiveSearch(ferratest::periodic(size, 1780 + seed * 5, seed), "periodic");
  }
}

TEST(FerraStream, MatchesTheExhaustiveSearchOnLargeInputs) {
  constexpr std::size_t SIZE = 64 * 1024;
  expectSameAsExhaustiveSearch(ferratest::randomBytes(SIZE, 7), "random");
  expectSameAsExhaustiveSearch(ferratest::smallAlphabet(SIZE, 3, 7), "small alphabet");
  expectSameAsExhaustiveSearch(ferratest::repetitive(SIZE, 7), "repetitive");
  expectSameAsExhaustiveSearch(ferratest::periodic(SIZE, 1900, 7), "periodic");
}

TEST(FerraDecoder, RejectsMalformedStreams) {
  const struct {
    std::string name;
    std::string stream;
  } cases[] = {
      {"empty", ""},
      {"no end marker", "00 41 42"},
      {"flag byte without items", "80"},
      {"back-reference cut short", "40 41 E0"},
      {"back-reference before the first byte", "60 41 E0 FD 1F"},
      {"flag bits after the end marker", "C0 1F"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ferra::decodeFerraStream(hexBytes(c.stream)).has_value()) << c.name;
  }
}

TEST(FerraDecoder, StopsAtTheEndMarker) {
  const auto decoded = ferra::decodeFerraStream(hexBytes("10 3E 01 C9 1F 99 99"));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->bytes, hexBytes("3E 01 C9"));
  EXPECT_EQ(decoded->streamLength, 5u);
}

}  // namespace
