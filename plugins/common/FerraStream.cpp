#include "plugins/common/FerraStream.h"

#include <initializer_list>

#include "plugins/common/FerraMatchFinder.h"
#include "plugins/common/FerraStreamFormat.h"

namespace ferra {
namespace {

// Appends items to the stream, opening a new group with its flag byte whenever
// the previous group holds eight items.
class GroupWriter {
 public:
  void addLiteral(std::uint8_t byte) { addItem(false, {byte}); }

  void addBackReference(BackReference reference) {
    const auto bytes = encodeBackReference(reference);
    addItem(true, {bytes[0], bytes[1]});
  }

  std::vector<std::uint8_t> finish() && {
    addItem(true, {END_MARKER});
    return std::move(stream_);
  }

 private:
  void addItem(bool flagged, std::initializer_list<std::uint8_t> bytes) {
    if (nextFlag_ == 0) {
      flagIndex_ = stream_.size();
      stream_.push_back(0);
      nextFlag_ = FIRST_FLAG_BIT;
    }
    if (flagged) {
      stream_[flagIndex_] |= nextFlag_;
    }
    nextFlag_ >>= 1;
    stream_.insert(stream_.end(), bytes);
  }

  std::vector<std::uint8_t> stream_;
  std::size_t flagIndex_ = 0;
  std::uint8_t nextFlag_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encodeFerraStream(std::span<const std::uint8_t> input) {
  GroupWriter writer;
  FerraMatchFinder finder(input);
  std::size_t position = 0;
  while (position < input.size()) {
    if (const auto match = finder.bestMatchAt(position)) {
      writer.addBackReference(*match);
      position += match->length;
    } else {
      writer.addLiteral(input[position]);
      ++position;
    }
  }
  return std::move(writer).finish();
}

}  // namespace ferra
