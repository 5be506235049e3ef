#include "core/DirectiveLine.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>

namespace {

void advancePc(AssemblyJob& job, std::uint64_t count) {
  job.pc = static_cast<std::uint16_t>(job.pc + count % 0x10000);
}

}  // namespace

std::uint16_t DirectiveLine::evaluateByte(std::string_view text) const {
  return job.evaluateAt(text, job.source->fileNameOf(lineIndex), job.source->lineNumberOf(lineIndex), true);
}

void DirectiveLine::countData(std::uint64_t count) const {
  // The byte counts are 32-bit; a program that would outgrow them could not be
  // held in memory as an image either.
  const std::uint64_t total = static_cast<std::uint64_t>(job.codeBytes) + static_cast<std::uint64_t>(job.dataBytes);
  if (count > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) - total) {
    throw std::bad_alloc();
  }
  job.dataBytes += static_cast<std::int32_t>(count);
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
