// ferra's programs run on an emulated Z80 as the calculator runs them: the body
// loaded at 0xD748 and started there. When the decompressor stub returns, the
// original image must stand at 0xD748 and the return must land where the image's
// leading jump leads (or at its start).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/plugins/common/FerraStreamSamples.h"
#include "tests/plugins/ferra/CompressedProgramFiles.h"
#include "tests/plugins/ferra/z80/Z80Machine.h"

namespace {

using ferratest::Bytes;
using ferratest::imageStarting;
using ferratest::LOAD_ADDRESS;

// Below the copy of the loop and stream at 0x9000, away from the program.
constexpr std::uint16_t STACK_TOP = 0x8000;
// The loop's RET Z, taken at the end marker.
constexpr std::uint16_t LOOP_RETURN = 0x9013;
constexpr long STEP_LIMIT = 20'000'000;
// The calculator's memory from LOAD_ADDRESS to the top of the address space.
constexpr std::size_t LARGEST_PROGRAM = 0x10000 - LOAD_ADDRESS;

// Runs from LOAD_ADDRESS until the stub returns; gives the return address, or
// nullopt when the machine halted or ran too long.
std::optional<std::uint16_t> runUntilTheStubReturns(ferratest::Z80Machine& machine) {
  machine.setReg(regPC, LOAD_ADDRESS);
  machine.setReg(regSP, STACK_TOP);
  for (long step = 0; step < STEP_LIMIT && !machine.halted(); ++step) {
    const std::uint16_t pc = machine.reg(regPC);
    machine.step();
    if (pc == LOOP_RETURN && machine.reg(regPC) != LOOP_RETURN + 1) {
      return machine.reg(regPC);
    }
  }
  return std::nullopt;
}

void expectUnpacksOnAZ80(const Bytes& image, std::uint16_t entry, const std::string& name) {
  SCOPED_TRACE(name + ", " + std::to_string(image.size()) + " bytes");
  const auto saved = ferratest::saveProgram("ferra", image);
  ASSERT_EQ(saved.result, 1);
  const Bytes body = ferratest::programBody(saved.file);
  ASSERT_LE(std::max(body.size(), image.size()), LARGEST_PROGRAM) << "does not fit the calculator";

  ferratest::Z80Machine machine;
  machine.load(LOAD_ADDRESS, body);
  const auto returned = runUntilTheStubReturns(machine);
  ASSERT_TRUE(returned.has_value()) << "the stub did not return";
  EXPECT_EQ(*returned, entry);
  EXPECT_EQ(machine.reg(regSP), STACK_TOP);
  const auto unpacked = machine.memory().subspan(LOAD_ADDRESS, image.size());
  EXPECT_TRUE(std::equal(unpacked.begin(), unpacked.end(), image.begin(), image.end()));
}

// Sample data behind an opening that is not a jump: no prefix.
Bytes program(Bytes sample) {
  if (!sample.empty()) {
    sample[0] = 0x3E;  // ld a, n
  }
  return sample;
}

TEST(FerraOnZ80, UnpacksImagesOfEveryKind) {
  const struct {
    std::string name;
    Bytes image;
  } cases[] = {
      {"empty", {}},
      {"one byte", {0xC9}},
      {"tiny", {0x3E, 0x01, 0xC9}},
      {"random", program(ferratest::randomBytes(100, 1))},
      {"random", program(ferratest::randomBytes(9000, 2))},
      {"repetitive", program(ferratest::repetitive(LARGEST_PROGRAM, 3))},
      {"text", program(ferratest::textLike(LARGEST_PROGRAM, 4))},
      {"code", program(ferratest::codeLike(LARGEST_PROGRAM, 5))},
      {"small alphabet", program(ferratest::smallAlphabet(6000, 3, 6))},
      {"far repeats", program(ferratest::periodic(LARGEST_PROGRAM, 1900, 7))},
      {"run", program(Bytes(LARGEST_PROGRAM, 0x00))},
  };
  for (const auto& c : cases) {
    expectUnpacksOnAZ80(c.image, LOAD_ADDRESS, c.name);
  }
}

TEST(FerraOnZ80, ReturnsWhereTheLeadingJumpLeads) {
  const Bytes text = ferratest::textLike(3000, 8);
  const auto startingWith = [&](std::string_view hex) {
    Bytes image = plugintest::hexBytes(hex);
    image.insert(image.end(), text.begin(), text.end());
    return image;
  };
  const struct {
    std::string name;
    Bytes image;
    std::uint16_t entry;
  } cases[] = {
      {"worked example", plugintest::hexBytes("00 C3 4C D7 41 42 43 41 42 43"), 0xD74C},
      {"no-op and jump", startingWith("00 C3 60 D7"), 0xD760},
      {"absolute jump", startingWith("C3 4B D7"), 0xD74B},
      {"relative jump", startingWith("18 05"), 0xD74F},
      {"longest relative jump", startingWith("18 7F"), 0xD7C9},
      {"jump to the load address", startingWith("00 C3 48 D7"), 0xD748},
      {"jump to the end of the image", plugintest::hexBytes("00 C3 4C D7"), 0xD74C},
      // Leading jumps that cannot have the stub at their target: it goes to the
      // start, and the program's own jump runs after the return.
      {"no-op and jump into its own jump (1)", startingWith("00 C3 49 D7"), 0xD748},
      {"no-op and jump into its own jump (2)", startingWith("00 C3 4A D7"), 0xD748},
      {"no-op and jump into its own jump (3)", startingWith("00 C3 4B D7"), 0xD748},
      {"absolute jump into itself (1)", startingWith("C3 49 D7"), 0xD748},
      {"absolute jump into itself (2)", startingWith("C3 4A D7"), 0xD748},
      {"relative jump backward", startingWith("18 80"), 0xD748},
      {"relative jump to itself", startingWith("18 FE"), 0xD748},
      {"jump below the load address", startingWith("00 C3 00 C0"), 0xD748},
      {"jump beyond the end", imageStarting("C3 00 E0", 100), 0xD748},
  };
  for (const auto& c : cases) {
    expectUnpacksOnAZ80(c.image, c.entry, c.name);
  }
}

}  // namespace
