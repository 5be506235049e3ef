#pragma once

#include <cstddef>
#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A string-keyed hash map with a fixed number of buckets, each a chain. A new key
// goes to the front of its chain and replacing a value keeps the key's place, so
// walking the buckets in order and each chain from its front gives a stable,
// documented order (the symbol file is written in it). Keys compare exactly.
template <class Value>
class ChainedHashMap {
public:
  explicit ChainedHashMap(std::size_t bucketCount) : buckets_(bucketCount) {}

  // Stores value under key; returns true when the key was new.
  bool set(std::string_view key, const Value& value) {
    Chain& chain = bucketOf(key);
    for (Entry& entry : chain) {
      if (entry.first == key) {
        entry.second = value;
        return false;
      }
    }
    chain.emplace_front(std::string(key), value);
    ++size_;
    return true;
  }

  const Value* find(std::string_view key) const {
    for (const Entry& entry : bucketOf(key)) {
      if (entry.first == key) {
        return &entry.second;
      }
    }
    return nullptr;
  }

  Value* find(std::string_view key) {
    return const_cast<Value*>(std::as_const(*this).find(key));
  }

  bool contains(std::string_view key) const { return find(key) != nullptr; }

  // Removes key; an absent key is no error.
  void erase(std::string_view key) {
    size_ -= bucketOf(key).remove_if([&](const Entry& entry) { return entry.first == key; });
  }

  std::size_t size() const { return size_; }
  std::size_t bucketCount() const { return buckets_.size(); }

  // Calls visit(key, value) bucket by bucket, each chain newest first.
  template <class Visitor>
  void forEach(Visitor&& visit) const {
    for (const Chain& chain : buckets_) {
      for (const Entry& entry : chain) {
        visit(entry.first, entry.second);
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
  using Entry = std::pair<std::string, Value>;
  using Chain = std::forward_list<Entry>;

  Chain& bucketOf(std::string_view key) { return buckets_[hash(key) % buckets_.size()]; }
  const Chain& bucketOf(std::string_view key) const { return buckets_[hash(key) % buckets_.size()]; }

  std::vector<Chain> buckets_;
  std::size_t size_ = 0;
};
