#include "plugins/common/FerraDecoder.h"

namespace ferra {
namespace {

class StreamParser {
 public:
  explicit StreamParser(std::span<const std::uint8_t> stream) : stream_(stream) {}

  std::optional<ParsedStream> run() {
    while (const auto flags = nextByte()) {
      for (std::uint8_t flag = FIRST_FLAG_BIT; flag != 0; flag >>= 1) {
        if ((*flags & flag) == 0) {
          if (!readLiteral()) {
            return std::nullopt;
          }
          continue;
        }
        const auto x = nextByte();
        if (!x) {
          return std::nullopt;
        }
        if (*x == END_MARKER) {
          return noFlagsAfter(*flags, flag) ? std::optional(ParsedStream{std::move(items_), position_})
                                            : std::nullopt;
        }
        if (!readBackReference(*x)) {
          return std::nullopt;
        }
      }
    }
    return std::nullopt;
  }

 private:
  std::optional<std::uint8_t> nextByte() {
    if (position_ >= stream_.size()) {
      return std::nullopt;
    }
    return stream_[position_++];
  }

  bool readLiteral() {
    const auto byte = nextByte();
    if (byte) {
      items_.emplace_back(*byte);
    }
    return byte.has_value();
  }

  bool readBackReference(std::uint8_t x) {
    const auto y = nextByte();
    if (y) {
      items_.emplace_back(decodeBackReference(x, *y));
    }
    return y.has_value();
  }

  static bool noFlagsAfter(std::uint8_t flags, std::uint8_t flag) { return (flags & (flag - 1)) == 0; }

  std::span<const std::uint8_t> stream_;
  std::size_t position_ = 0;
  std::vector<StreamItem> items_;
};

// Copies one byte at a time: a source that overlaps the bytes being written
// repeats them, as on the calculator.
bool copyBackReference(std::vector<std::uint8_t>& bytes, BackReference reference) {
  if (reference.distance > bytes.size()) {
    return false;
  }
  for (std::size_t i = 0; i < reference.length; ++i) {
    const std::uint8_t byte = bytes[bytes.size() - reference.distance];
    bytes.push_back(byte);
  }
  return true;
}

}  // namespace

std::optional<ParsedStream> parseFerraStream(std::span<const std::uint8_t> stream) {
  return StreamParser(stream).run();
}

std::optional<DecodedStream> decodeFerraStream(std::span<const std::uint8_t> stream) {
  const auto parsed = parseFerraStream(stream);
  if (!parsed) {
    return std::nullopt;
  }
  DecodedStream decoded{{}, parsed->streamLength};
  for (const StreamItem& item : parsed->items) {
    if (const auto* literal = std::get_if<std::uint8_t>(&item)) {
      decoded.bytes.push_back(*literal);
    } else if (!copyBackReference(decoded.bytes, std::get<BackReference>(item))) {
      return std::nullopt;
    }
  }
  return decoded;
}

}  // namespace ferra
