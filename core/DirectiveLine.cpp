#include "core/DirectiveLine.h"

#include <algorithm>
#include <array>

namespace {

void advancePc(AssemblyJob& job, std::uint64_t count) {
  job.pc = static_cast<std::uint16_t>(job.pc + count % 0x10000);
}

}  // namespace

std::uint16_t DirectiveLine::evaluateByte(std::string_view text) const {
  return job.evaluateAt(text, job.source->fileNameOf(lineIndex), job.source->lineNumberOf(lineIndex), true);
}

void DirectiveLine::countData(std::uint64_t count) const {
  job.countDataBytes(count);
  advancePc(job, count);
}

void DirectiveLine::emit(OutputImage& image, std::span<const std::uint8_t> bytes) const {
  image.write(bytes);
  advancePc(job, bytes.size());
}

void DirectiveLine::emitRepeated(OutputImage& image, std::uint8_t byte, std::size_t count) const {
  std::array<std::uint8_t, 256> chunk;
  chunk.fill(byte);
  while (count > 0) {
    const std::size_t length = std::min(chunk.size(), count);
    emit(image, std::span(chunk).first(length));
    count -= length;
  }
}
