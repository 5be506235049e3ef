// The Ferra II encoder on 64 KiB images of several kinds, next to the exhaustive
// search whose output it reproduces.
#include <benchmark/benchmark.h>

#include <string>


#include "plugins/common/FerraStream.h"
#include "tests/plugins/common/FerraStreamReference.h"
#include "tests/plugins/common/FerraStreamSamples.h"

namespace {

constexpr std::size_t IMAGE_SIZE = 64 * 1024;
constexpr std::uint32_t SEED = 2024;

using Encoder = std::vector<std::uint8_t> (*)(std::span<const std::uint8_t>);

void encodeImage(benchmark::State& state, Encoder encode, const ferratest::Bytes& image) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(encode(image));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
  state.counters["ratio"] = static_cast<double>(encode(image).size()) / static_cast<double>(image.size());
}

void registerImage(const char* kind, const ferratest::Bytes& image) {
  benchmark::RegisterBenchmark((std::string("FerraEncode/") + kind).c_str(), encodeImage, ferra::encodeFerraStream,
                               image)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((std::string("ExhaustiveSearch/") + kind).c_str(), encodeImage,
                               ferratest::encodeFerraStreamExhaustively, image)
      ->Unit(benchmark::kMillisecond);
}

const bool REGISTERED = [] {
  registerImage("code", ferratest::codeLike(IMAGE_SIZE, SEED));
  registerImage("text", ferratest::textLike(IMAGE_SIZE, SEED));
  registerImage("random", ferratest::randomBytes(IMAGE_SIZE, SEED));
  registerImage("repetitive", ferratest::repetitive(IMAGE_SIZE, SEED));
  registerImage("small-alphabet", ferratest::smallAlphabet(IMAGE_SIZE, 3, SEED));
  registerImage("zeros", ferratest::Bytes(IMAGE_SIZE, 0));
  return true;
}();

}  // namespace
