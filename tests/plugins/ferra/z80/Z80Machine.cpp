#include "tests/plugins/ferra/z80/Z80Machine.h"

#include <algorithm>

namespace ferratest {
namespace {

constexpr std::uint8_t HALT = 0x76;
constexpr std::uint8_t FLOATING_BUS = 0xFF;

}  // namespace

Z80Machine::Z80Machine()
    : cpu_(z80ex_create(readMemory, this, writeMemory, this, readPort, this, writePort, this, interruptVector, this)) {
  memory_.fill(HALT);
}

void Z80Machine::load(std::uint16_t address, std::span<const std::uint8_t> bytes) {
  const std::size_t room = memory_.size() - address;
  std::copy_n(bytes.begin(), std::min(room, bytes.size()), memory_.begin() + address);
}

std::uint16_t Z80Machine::reg(Z80_REG_T which) const { return z80ex_get_reg(cpu_.get(), which); }

void Z80Machine::setReg(Z80_REG_T which, std::uint16_t value) { z80ex_set_reg(cpu_.get(), which, value); }

void Z80Machine::step() { z80ex_step(cpu_.get()); }

bool Z80Machine::halted() const { return z80ex_doing_halt(cpu_.get()) != 0; }

Z80EX_BYTE Z80Machine::readMemory(Z80EX_CONTEXT*, Z80EX_WORD address, int, void* self) {
  return static_cast<Z80Machine*>(self)->memory_[address];
}

void Z80Machine::writeMemory(Z80EX_CONTEXT*, Z80EX_WORD address, Z80EX_BYTE value, void* self) {
  static_cast<Z80Machine*>(self)->memory_[address] = value;
}

Z80EX_BYTE Z80Machine::readPort(Z80EX_CONTEXT*, Z80EX_WORD, void*) { return FLOATING_BUS; }

void Z80Machine::writePort(Z80EX_CONTEXT*, Z80EX_WORD, Z80EX_BYTE, void*) {}

Z80EX_BYTE Z80Machine::interruptVector(Z80EX_CONTEXT*, void*) { return FLOATING_BUS; }

}  // namespace ferratest
