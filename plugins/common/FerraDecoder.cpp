#include "plugins/common/FerraDecoder.h"

#include "plugins/common/FerraStreamFormat.h"

namespace ferra {

namespace {

class StreamDecoder {
public:
  explicit StreamDecoder(std::span<const std::uint8_t> stream) : stream_(stream) {}

  std::optional<DecodedStream> run()
  {
    while (const auto flags = nextByte()) {
      for (std::uint8_t flag = FIRST_FLAG_BIT; flag != 0; flag >>= 1) {
        if ((*flags & flag) == 0) {
          if (!copyLiteral()) {
            return std::nullopt;
          }
          continue;
        }
        const auto x = nextByte();
        if (!x) {
          return std::nullopt;
        }
        if (*x == END_MARKER) {
          return noFlagsAfter(*flags, flag) ? std::optional(DecodedStream{std::move(bytes_), position_})
                                            : std::nullopt;
        }
        if (!copyBackReference(*x)) {
          return std::nullopt;
        }
      }
    }
    return std::nullopt;
  }

private:
  std::optional<std::uint8_t> nextByte()
  {
    if (position_ >= stream_.size()) {
      return std::nullopt;
    }
    return stream_[position_++];
  }

  bool copyLiteral()
  {
    const auto byte = nextByte();
    if (byte) {
      bytes_.push_back(*byte);
    }
    return byte.has_value();
  }

  // Copies one byte at a time: a source that overlaps the bytes being written
  // repeats them, as on the calculator.
  bool copyBackReference(std::uint8_t x)
  {
    const auto y = nextByte();
    if (!y) {
      return false;
    }
    const BackReference reference = decodeBackReference(x, *y);
    if (reference.distance > bytes_.size()) {
      return false;
    }
    for (std::size_t i = 0; i < reference.length; ++i) {
      const std::uint8_t byte = bytes_[bytes_.size() - reference.distance];
      bytes_.push_back(byte);
    }
    return true;
  }

  static bool noFlagsAfter(std::uint8_t flags, std::uint8_t flag)
  {
    return (flags & (flag - 1)) == 0;
  }

  std::span<const std::uint8_t> stream_;
  std::size_t position_ = 0;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::optional<DecodedStream> decodeFerraStream(std::span<const std::uint8_t> stream) {
  return StreamDecoder(stream).run();
}

}  // namespace ferra
