#include <cstdint>
#include <numeric>

#include "core/DirectiveHandlers.h"

namespace {

// How far .PAD has to fill; negative when the target lies below the location
// counter. Both passes evaluate the target, and a symbol redefined in between can
// move it, so each pass checks the sign itself.
int padDistance(const DirectiveLine& line) {
  const int target = line.evaluateWord(line.rest);
  return target - static_cast<int>(line.job.pc);
}

}  // namespace

void passOneOrigin(const DirectiveLine& line) {
  line.job.pc = line.evaluateWord(line.rest);
  line.mark();
}

void passTwoOrigin(const DirectiveLine& line, OutputImage& image) {
  line.job.pc = line.evaluateWord(line.rest);
  line.job.origin = line.job.pc;
  line.job.originOffset = image.length();
}

void passOnePad(const DirectiveLine& line) {
  const int distance = padDistance(line);
  if (distance < 0) {
    line.report(ERR_CANNOT_PAD_BACKWARDS);
    return;
  }
  line.countData(static_cast<std::uint64_t>(distance));
  line.mark();
}

void passTwoPad(const DirectiveLine& line, OutputImage& image) {
  const int distance = padDistance(line);
  if (distance < 0) {
    line.report(ERR_CANNOT_PAD_BACKWARDS);
    return;
  }
  line.emitRepeated(image, 0, static_cast<std::size_t>(distance));
}

void passOneChecksum(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_EXPRESSION_EXPECTED);
  }
  line.mark();
  line.countData(1);
}

// The checksum covers the image from the byte at the given address to its end.
// An address is turned into an image position through the latest .ORG: the image
// offset at which it took effect plus the distance from its address, so .CHK also
// works after a second .ORG.
void passTwoChecksum(const DirectiveLine& line, OutputImage& image) {
  const AssemblyJob& job = line.job;
  const int address = line.evaluateWord(line.rest);
  const std::int64_t position =
      static_cast<std::int64_t>(job.originOffset) + (address - static_cast<int>(job.origin));
  if (position < 0 || static_cast<std::uint64_t>(position) > image.length()) {
    line.report(ERR_ILLEGAL_POSITION, line.rest.value_or(std::string_view{}));
    return;
  }
  const auto covered = image.bytes().subspan(static_cast<std::size_t>(position));
  const unsigned sum = std::accumulate(covered.begin(), covered.end(), 0U);
  line.emitByte(image, static_cast<std::uint8_t>(sum));
}
