#pragma once

#include <cstddef>
#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/LookupIndex.h"

// A string-keyed hash map with a fixed number of buckets, each a chain. A new key
// goes to the front of its chain and replacing a value keeps the key's place, so
// walking the buckets in order and each chain from its front gives a stable,
// documented order (the symbol file is written in it). Keys compare exactly.
//
// The bucket count fixes that order, not the cost of a lookup: once the map holds
// more than a few keys per bucket, lookups go through a growing index of the same
// entries instead of the chains.
template <class Value>
class ChainedHashMap {
public:
  explicit ChainedHashMap(std::size_t bucketCount) : buckets_(bucketCount) {}

  // Stores value under key; returns true when the key was new.
  bool set(std::string_view key, const Value& value) {
    const auto [stored, added] = tryEmplace(key, value);
    if (!added) {
      *stored = value;
    }
    return added;
  }

  // Stores value under key unless the key is present already; returns the value
  // stored under the key and whether it was added.
  std::pair<Value*, bool> tryEmplace(std::string_view key, const Value& value) {
    const std::uint32_t keyHash = hash(key);
    if (Entry* entry = findEntry(key, keyHash)) {
      return {&entry->value, false};
    }
    Entry& entry = buckets_[keyHash % buckets_.size()].emplace_front(std::string(key), value, keyHash);
    ++size_;
    if (!index_.empty()) {
      index_.insert(entry);
    } else if (size_ > INDEX_FROM_KEYS_PER_BUCKET * buckets_.size()) {
      indexAllEntries();
    }
    return {&entry.value, true};
  }

  const Value* find(std::string_view key) const {
    const Entry* entry = findEntry(key, hash(key));
    return entry ? &entry->value : nullptr;
  }

  Value* find(std::string_view key) {
    return const_cast<Value*>(std::as_const(*this).find(key));
  }

  bool contains(std::string_view key) const { return find(key) != nullptr; }

  // Removes key; an absent key is no error.
  void erase(std::string_view key) {
    const std::uint32_t keyHash = hash(key);
    Chain& chain = buckets_[keyHash % buckets_.size()];
    size_ -= chain.remove_if([&](const Entry& entry) {
      if (entry.hash != keyHash || entry.key != key) {
        return false;
      }
      if (!index_.empty()) {
        index_.erase(entry);
      }
      return true;
    });
  }

  std::size_t size() const { return size_; }
  std::size_t bucketCount() const { return buckets_.size(); }

  // Calls visit(key, value) bucket by bucket, each chain newest first.
  template <class Visitor>
  void forEach(Visitor&& visit) const {
    for (const Chain& chain : buckets_) {
      for (const Entry& entry : chain) {
        visit(entry.key, entry.value);
      }
    }
  }

  // FNV-1a spreads short, similar names (label1, label2 ...) evenly over the buckets.
  static std::uint32_t hash(std::string_view key) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : key) {
      h = (h ^ c) * 16777619u;
    }
    return h;
  }

private:
  struct Entry {
    Entry(std::string k, const Value& v, std::uint32_t h) : key(std::move(k)), value(v), hash(h) {}
    std::string key;
    Value value;
    std::uint32_t hash;
  };
  using Chain = std::forward_list<Entry>;

  static constexpr std::size_t INDEX_FROM_KEYS_PER_BUCKET = 2;

  Entry* findEntry(std::string_view key, std::uint32_t keyHash) const {
    const auto matches = [key](const Entry& entry) { return entry.key == key; };
    if (!index_.empty()) {
      return index_.find(keyHash, matches);
    }
    for (const Entry& entry : buckets_[keyHash % buckets_.size()]) {
      if (entry.hash == keyHash && matches(entry)) {
        return const_cast<Entry*>(&entry);
      }
    }
    return nullptr;
  }

  void indexAllEntries() {
    for (Chain& chain : buckets_) {
      for (Entry& entry : chain) {
        index_.insert(entry);
      }
    }
  }

  std::vector<Chain> buckets_;
  std::size_t size_ = 0;
  LookupIndex<Entry> index_;
};
