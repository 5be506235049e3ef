#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ByteWords.h"
#include "core/LookupIndex.h"

// FNV-1a, fed one character at a time, so that a key can be hashed in the same
// pass that builds it. It spreads short, similar names (label1, label2 ...) evenly
// over the buckets. Each step returns the next state rather than changing this
// one, so a hash held in a local never has its address taken.
class StringHash {
public:
  constexpr StringHash() = default;
  [[nodiscard]] constexpr StringHash after(unsigned char c) const { return StringHash((value_ ^ c) * 16777619u); }
  constexpr std::uint32_t value() const { return value_; }

private:
  constexpr explicit StringHash(std::uint32_t value) : value_(value) {}

  std::uint32_t value_ = 2166136261u;
};

// A string-keyed hash map with a fixed number of buckets, each a chain. A new key
// goes to the front of its chain and replacing a value keeps the key's place, so
// walking the buckets in order and each chain from its front gives a stable,
// documented order (the symbol file is written in it). Keys compare exactly.
//
// The bucket count fixes that order, not the cost of a lookup: once the map holds
// more than a few keys per bucket, lookups go through a growing index of the same
// entries instead of the chains. Entries are kept side by side in blocks rather
// than one allocation each, and an erased entry's place is taken by the next new key.
template <class Value>
class ChainedHashMap {
public:
  // bucketCount fits 32 bits.
  explicit ChainedHashMap(std::size_t bucketCount)
      : heads_(bucketCount, nullptr),
        bucketCount32_(static_cast<std::uint32_t>(bucketCount)),
        reciprocal_(UINT64_MAX / bucketCount32_ + 1) {}
  ChainedHashMap(const ChainedHashMap&) = delete;
  ChainedHashMap& operator=(const ChainedHashMap&) = delete;

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
    return tryEmplace(key, hash(key), value);
  }

  // The same for a key whose hash the caller worked out while building it:
  // keyHash must equal hash(key).
  std::pair<Value*, bool> tryEmplace(std::string_view key, std::uint32_t keyHash, const Value& value) {
    if (Entry* entry = findEntry(key, keyHash)) {
      return {&entry->value, false};
    }
    Entry& entry = newEntry(key, value, keyHash);
    Entry*& head = heads_[bucketOf(keyHash)];
    entry.next = head;
    head = &entry;
    ++size_;
    if (!index_.empty()) {
      index_.insert(entry);
    } else if (size_ > INDEX_FROM_KEYS_PER_BUCKET * heads_.size()) {
      indexAllEntries();
    }
    return {&entry.value, true};
  }

  const Value* find(std::string_view key) const { return find(key, hash(key)); }

  Value* find(std::string_view key) {
    return const_cast<Value*>(std::as_const(*this).find(key));
  }

  // A lookup by a key whose hash is known already (keyHash == hash(key)).
  const Value* find(std::string_view key, std::uint32_t keyHash) const {
    const Entry* entry = findEntry(key, keyHash);
    return entry ? &entry->value : nullptr;
  }

  bool contains(std::string_view key) const { return find(key) != nullptr; }

  // Removes key; an absent key is no error.
  void erase(std::string_view key) {
    const std::uint32_t keyHash = hash(key);
    for (Entry** link = &heads_[bucketOf(keyHash)]; *link != nullptr; link = &(*link)->next) {
      Entry& entry = **link;
      if (entry.hash == keyHash && entry.holds(key)) {
        if (!index_.empty()) {
          index_.erase(entry);
        }
        *link = entry.next;
        unused_.push_back(&entry);
        --size_;
        return;
      }
    }
  }

  std::size_t size() const { return size_; }
  std::size_t bucketCount() const { return heads_.size(); }

  // Calls visit(key, value) bucket by bucket, each chain newest first.
  template <class Visitor>
  void forEach(Visitor&& visit) const {
    for (const Entry* head : heads_) {
      for (const Entry* entry = head; entry != nullptr; entry = entry->next) {
        visit(entry->key, entry->value);
      }
    }
  }

  static std::uint32_t hash(std::string_view key) {
    StringHash h;
    for (const unsigned char c : key) {
      h = h.after(c);
    }
    return h.value();
  }

private:
  struct Entry {
    Entry(std::string_view k, const Value& v, std::uint32_t h) : key(k), value(v), hash(h) {}
    // Keys of equal hash are mostly equal: their lengths are compared, then their
    // characters at once, without the ordering a general comparison works out.
    // Symbol names are short, and up to sixteen characters are compared as two
    // words that may overlap, without a call.
    bool holds(std::string_view other) const {
      if (key.size() != other.size()) {
        return false;
      }
      const std::size_t n = other.size();
      if (n <= bytewords::WORD) {
        return bytewords::loadUpTo8(key.data(), n) == bytewords::loadUpTo8(other.data(), n);
      }
      if (n <= 2 * bytewords::WORD) {
        const std::size_t tail = n - bytewords::WORD;
        return bytewords::load8(key.data()) == bytewords::load8(other.data()) &&
               bytewords::load8(key.data() + tail) == bytewords::load8(other.data() + tail);
      }
      return std::memcmp(key.data(), other.data(), n) == 0;
    }
    std::string key;
    Value value;
    std::uint32_t hash;
    Entry* next = nullptr;
  };

  static constexpr std::size_t INDEX_FROM_KEYS_PER_BUCKET = 2;

  // keyHash modulo the bucket count, by two multiplications instead of a division
  // (Lemire's method, exact for 32-bit numbers and a 64-bit reciprocal; the high
  // half of the 96-bit product is assembled from 64-bit pieces).
  std::size_t bucketOf(std::uint32_t keyHash) const {
    constexpr std::uint64_t LOW = 0xFFFFFFFFu;
    const std::uint64_t fraction = reciprocal_ * keyHash;
    const std::uint64_t high = (fraction >> 32) * bucketCount32_ + (((fraction & LOW) * bucketCount32_) >> 32);
    return static_cast<std::size_t>(high >> 32);
  }

  Entry& newEntry(std::string_view key, const Value& value, std::uint32_t keyHash) {
    if (unused_.empty()) {
      return entries_.emplace_back(key, value, keyHash);
    }
    Entry& entry = *unused_.back();
    unused_.pop_back();
    entry.key.assign(key);
    entry.value = value;
    entry.hash = keyHash;
    return entry;
  }

  Entry* findEntry(std::string_view key, std::uint32_t keyHash) const {
    const auto matches = [key](const Entry& entry) { return entry.holds(key); };
    if (!index_.empty()) {
      return index_.find(keyHash, matches);
    }
    for (Entry* entry = heads_[bucketOf(keyHash)]; entry != nullptr; entry = entry->next) {
      if (entry->hash == keyHash && matches(*entry)) {
        return entry;
      }
    }
    return nullptr;
  }

  void indexAllEntries() {
    for (Entry* head : heads_) {
      for (Entry* entry = head; entry != nullptr; entry = entry->next) {
        index_.insert(*entry);
      }
    }
  }

  std::vector<Entry*> heads_;     // each bucket's chain, newest first
  std::uint32_t bucketCount32_;
  std::uint64_t reciprocal_;  // 2^64 / bucket count, rounded up
  std::deque<Entry> entries_;     // every entry ever made; a deque never moves them
  std::vector<Entry*> unused_;    // erased entries, for new keys to take
  std::size_t size_ = 0;
  LookupIndex<Entry> index_;
};
