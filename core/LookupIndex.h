#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// An open-addressing index of entries that live elsewhere (at stable addresses),
// keyed by the full 32-bit hash each entry carries in its `hash` field. A map with
// a fixed number of buckets uses it once its chains grow long, so that a lookup
// stays one probe sequence however many keys it holds. Removal shifts the later
// entries of a probe sequence back, so no tombstones pile up.
template <class Entry>
class LookupIndex {
public:
  bool empty() const { return slots_.empty(); }

  // The entry with this hash for which matches(entry) holds, or null. Slots carry
  // the hash beside the pointer, so that passing over another entry's slot never
  // touches the entry itself.
  template <class Matches>
  Entry* find(std::uint32_t hash, Matches&& matches) const {
    for (std::size_t i = home(hash);; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.entry == nullptr) {
        return nullptr;
      }
      if (slot.hash == hash && matches(*slot.entry)) {
        return slot.entry;
      }
    }
  }

  void insert(Entry& entry) {
    if ((count_ + 1) * 4 > slots_.size() * 3) {
      grow();
    }
    place(&entry);
    ++count_;
  }

  void erase(const Entry& entry) {
    std::size_t hole = home(entry.hash);
    while (slots_[hole].entry != &entry) {
      hole = (hole + 1) & mask_;
    }
    for (std::size_t next = (hole + 1) & mask_; slots_[next].entry != nullptr; next = (next + 1) & mask_) {
      // An entry may move back into the hole only if its home does not lie
      // cyclically between the hole and where it stands.
      const std::size_t wanted = home(slots_[next].hash);
      const bool homeAfterHole = hole <= next ? (hole < wanted && wanted <= next) : (hole < wanted || wanted <= next);
      if (!homeAfterHole) {
        slots_[hole] = slots_[next];
        hole = next;
      }
    }
    slots_[hole] = Slot{};
    --count_;
  }

private:
  struct Slot {
    Entry* entry = nullptr;  // null: the slot is free
    std::uint32_t hash = 0;
  };

  static constexpr std::size_t FIRST_SIZE = 64;

  // Fibonacci hashing spreads the hashes' high bits over the slots.
  std::size_t home(std::uint32_t hash) const { return (std::uint64_t{hash} * 0x9E3779B97F4A7C15u) >> shift_; }

  void place(Entry* entry) {
    std::size_t i = home(entry->hash);
    while (slots_[i].entry != nullptr) {
      i = (i + 1) & mask_;
    }
    slots_[i] = Slot{entry, entry->hash};
  }

  void grow() {
    std::vector<Slot> old(slots_.empty() ? FIRST_SIZE : slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    shift_ = 64;
    for (std::size_t size = slots_.size(); size > 1; size >>= 1) {
      --shift_;
    }
    for (const Slot& slot : old) {
      if (slot.entry != nullptr) {
        place(slot.entry);
      }
    }
  }

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  unsigned shift_ = 64;
  std::size_t count_ = 0;
};
