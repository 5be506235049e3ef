#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ChainedHashMap.h"

namespace {

using Map = ChainedHashMap<int>;

std::vector<std::pair<std::string, int>> walk(const Map& map) {
  std::vector<std::pair<std::string, int>> visited;
  map.forEach([&](const std::string& key, int value) { visited.emplace_back(key, value); });
  return visited;
}

// Sets keys[i] to i and returns the walk the map must then give: bucket by bucket,
// a key's bucket being its hash modulo the bucket count, each chain newest first.
std::vector<std::pair<std::string, int>> fillAndExpectWalk(Map& map, const std::vector<std::string>& keys) {
  std::vector<std::vector<std::pair<std::string, int>>> chains(map.bucketCount());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    map.set(keys[i], static_cast<int>(i));
    auto& chain = chains[Map::hash(keys[i]) % map.bucketCount()];
    chain.insert(chain.begin(), {keys[i], static_cast<int>(i)});
  }
  std::vector<std::pair<std::string, int>> order;
  for (const auto& chain : chains) {
    order.insert(order.end(), chain.begin(), chain.end());
  }
  return order;
}

// Finds a key, among key0, key1, ..., that falls into the given bucket.
std::string keyInBucket(std::size_t bucket, std::size_t bucketCount) {
  for (int i = 0;; ++i) {
    std::string key = "key" + std::to_string(i);
    if (Map::hash(key) % bucketCount == bucket) {
      return key;
    }
  }
}

TEST(ChainedHashMap, SetFindAndReplace) {
  Map map(17);
  EXPECT_TRUE(map.set("alpha", 1));
  EXPECT_TRUE(map.set("beta", 2));
  EXPECT_FALSE(map.set("alpha", 3));
  ASSERT_NE(map.find("alpha"), nullptr);
  EXPECT_EQ(*map.find("alpha"), 3);
  EXPECT_EQ(*map.find("beta"), 2);
  EXPECT_EQ(map.find("gamma"), nullptr);
  EXPECT_EQ(map.size(), 2u);
  EXPECT_EQ(map.bucketCount(), 17u);
}

TEST(ChainedHashMap, KeysCompareExactly) {
  Map map(1);
  map.set("Start", 1);
  map.set("START", 2);
  map.set("", 3);
  EXPECT_EQ(*map.find("Start"), 1);
  EXPECT_EQ(*map.find("START"), 2);
  EXPECT_EQ(*map.find(""), 3);
  EXPECT_FALSE(map.contains("start"));
  EXPECT_FALSE(map.contains("Star"));
  EXPECT_FALSE(map.contains("Start "));
}

TEST(ChainedHashMap, ChainIsWalkedNewestFirstAndReplacingKeepsPlace) {
  Map map(1);
  map.set("a", 1);
  map.set("b", 2);
  map.set("c", 3);
  map.set("b", 20);
  EXPECT_EQ(walk(map), (std::vector<std::pair<std::string, int>>{{"c", 3}, {"b", 20}, {"a", 1}}));
}

TEST(ChainedHashMap, BucketsAreWalkedInOrder) {
  constexpr std::size_t buckets = 7;
  const std::string low = keyInBucket(1, buckets);
  const std::string high = keyInBucket(5, buckets);
  Map map(buckets);
  map.set(high, 5);
  map.set(low, 1);
  EXPECT_EQ(walk(map), (std::vector<std::pair<std::string, int>>{{low, 1}, {high, 5}}));
}

TEST(ChainedHashMap, EraseRemovesOnlyThatKey) {
  Map map(1);
  map.set("a", 1);
  map.set("b", 2);
  map.erase("a");
  map.erase("missing");
  EXPECT_FALSE(map.contains("a"));
  EXPECT_TRUE(map.contains("b"));
  EXPECT_EQ(map.size(), 1u);
  map.set("a", 4);  // enters anew, at the front
  EXPECT_EQ(walk(map), (std::vector<std::pair<std::string, int>>{{"a", 4}, {"b", 2}}));
  EXPECT_EQ(map.size(), 2u);
}

// The order of the symbol file depends on the hash; it is 32-bit FNV-1a.
TEST(ChainedHashMap, HashIsFnv1a) {
  EXPECT_EQ(Map::hash(""), 0x811C9DC5u);
  EXPECT_EQ(Map::hash("a"), 0xE40C292Cu);
  EXPECT_EQ(Map::hash("foobar"), 0xBF9CF968u);
  EXPECT_EQ(Map::hash("\xFF"), (0x811C9DC5u ^ 0xFFu) * 16777619u);  // bytes count unsigned
}

TEST(ChainedHashMap, ManyKeysStayReachable) {
  Map map(2237);
  for (int i = 0; i < 20000; ++i) {
    map.set("label" + std::to_string(i), i);
  }
  EXPECT_EQ(map.size(), 20000u);
  for (int i = 0; i < 20000; i += 997) {
    ASSERT_NE(map.find("label" + std::to_string(i)), nullptr);
    EXPECT_EQ(*map.find("label" + std::to_string(i)), i);
  }
  std::size_t visited = 0;
  map.forEach([&](const std::string&, int) { ++visited; });
  EXPECT_EQ(visited, 20000u);
}

// Keys of every length differ when any one character does, wherever it stands.
TEST(ChainedHashMap, KeysOfEveryLengthDifferInAnyOneCharacter) {
  for (std::size_t length = 0; length <= 20; ++length) {
    Map map(1);  // one chain, so every key is compared with every other
    const std::string base(length, 'k');
    map.set(base, -1);
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed = base;
      changed[at] = 'K';
      EXPECT_TRUE(map.set(changed, static_cast<int>(at))) << length << " " << at;
    }
    ASSERT_EQ(map.size(), length + 1);
    EXPECT_EQ(*map.find(base), -1) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::string changed = base;
      changed[at] = 'K';
      ASSERT_NE(map.find(changed), nullptr);
      EXPECT_EQ(*map.find(changed), static_cast<int>(at)) << length << " " << at;
    }
    EXPECT_FALSE(map.contains(base + "k"));
  }
}

}  // namespace

// Many keys per bucket: what the map holds must not depend on the bucket count.
TEST(ChainedHashMapWithManyKeys, FindsReplacesAndErasesLikeTheChains) {
  constexpr std::size_t buckets = 7;
  constexpr int count = 500;
  Map map(buckets);
  Map reference(count * 4);
  for (int i = 0; i < count; ++i) {
    const std::string key = "label" + std::to_string(i);
    EXPECT_TRUE(map.set(key, i));
    reference.set(key, i);
  }
  for (int i = 0; i < count; i += 3) {
    const std::string key = "label" + std::to_string(i);
    EXPECT_FALSE(map.set(key, -i));
    map.erase("label" + std::to_string(i + 1));
    reference.erase("label" + std::to_string(i + 1));
  }
  EXPECT_EQ(map.size(), reference.size());
  for (int i = 0; i < count; ++i) {
    const std::string key = "label" + std::to_string(i);
    const int* found = map.find(key);
    ASSERT_EQ(found != nullptr, reference.contains(key)) << key;
    if (found != nullptr) {
      EXPECT_EQ(*found, i % 3 == 0 ? -i : i) << key;
    }
  }
  EXPECT_FALSE(map.contains("label"));
  const auto [value, added] = map.tryEmplace("label1", 7);
  EXPECT_TRUE(added);
  EXPECT_EQ(*value, 7);
  EXPECT_EQ(*map.tryEmplace("label1", 8).first, 7);
}

TEST(ChainedHashMapWithManyKeys, WalksBucketsInOrderAndChainsNewestFirst) {
  Map map(3);
  std::vector<std::string> keys;
  for (int i = 0; i < 100; ++i) {
    keys.push_back("k" + std::to_string(i));
  }
  const auto order = fillAndExpectWalk(map, keys);
  EXPECT_EQ(walk(map), order);
}

// A key entered after an erase, even the erased one, goes to the front of its chain.
TEST(ChainedHashMap, ANewKeyAfterAnEraseGoesToTheFrontOfItsChain) {
  Map map(1);
  map.set("a", 1);
  map.set("b", 2);
  map.set("c", 3);
  map.erase("b");
  map.set("d", 4);
  map.set("b", 5);
  EXPECT_EQ(walk(map), (std::vector<std::pair<std::string, int>>{{"b", 5}, {"d", 4}, {"c", 3}, {"a", 1}}));
  EXPECT_EQ(map.size(), 4u);
  map.erase("a");
  map.erase("b");
  map.erase("c");
  map.erase("d");
  EXPECT_EQ(map.size(), 0u);
  EXPECT_TRUE(walk(map).empty());
}

// The walk follows hash modulo bucket count, for the symbol file's order,
// whatever the count.
TEST(ChainedHashMap, PutsEveryKeyInItsHashModuloBucketCount) {
  for (const std::size_t buckets : {1u, 2u, 7u, 17u, 2237u, 65521u}) {
    Map map(buckets);
    std::vector<std::string> keys;
    for (int i = 0; i < 300; ++i) {
      keys.push_back("sym" + std::to_string(i * 7919));
    }
    const auto order = fillAndExpectWalk(map, keys);
    EXPECT_EQ(walk(map), order) << buckets;
  }
}
