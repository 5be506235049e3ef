// A Z80 with 64 KiB of RAM and nothing else, on the z80ex emulator: enough to run
// ferra's decompressor stub as the calculator would.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include <z80ex/z80ex.h>

namespace ferratest {

class Z80Machine {
 public:
  // All memory starts as HALT instructions, so a stray jump stops the machine.
  Z80Machine();

  void load(std::uint16_t address, std::span<const std::uint8_t> bytes);
  std::span<const std::uint8_t> memory() const { return memory_; }

  std::uint16_t reg(Z80_REG_T which) const;
  void setReg(Z80_REG_T which, std::uint16_t value);

  // Runs one instruction (or one prefix byte of one).
  void step();
  bool halted() const;

 private:
  static Z80EX_BYTE readMemory(Z80EX_CONTEXT*, Z80EX_WORD address, int, void* self);
  static void writeMemory(Z80EX_CONTEXT*, Z80EX_WORD address, Z80EX_BYTE value, void* self);
  static Z80EX_BYTE readPort(Z80EX_CONTEXT*, Z80EX_WORD, void*);
  static void writePort(Z80EX_CONTEXT*, Z80EX_WORD, Z80EX_BYTE, void*);
  static Z80EX_BYTE interruptVector(Z80EX_CONTEXT*, void*);

  struct Destroyer {
    void operator()(Z80EX_CONTEXT* cpu) const { z80ex_destroy(cpu); }
  };

  std::array<std::uint8_t, 0x10000> memory_{};
  std::unique_ptr<Z80EX_CONTEXT, Destroyer> cpu_;
};

}  // namespace ferratest
