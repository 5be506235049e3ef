#include "plugins/ferra/DecompressorStub.h"

namespace ferra {
namespace {

// The stub copies its loop and the stream to 0x9000: far from the program, so
// that unpacking from the entry address upward never overwrites unread input.
constexpr std::size_t LOOP_OFFSET = 21;
constexpr std::size_t LOOP_SIZE = DECOMPRESSOR_STUB_SIZE - LOOP_OFFSET;

// The places of the three values that depend on the program.
constexpr std::size_t LOOP_SOURCE_FIELD = 1;   // LD HL, entry + 21
constexpr std::size_t COPY_LENGTH_FIELD = 7;   // LD BC, loop + stream
constexpr std::size_t RETURN_FIELD = 15;       // LD DE, entry

constexpr std::array<std::uint8_t, DECOMPRESSOR_STUB_SIZE> STUB_TEMPLATE{
    // Copy the loop and the stream to 0x9000, unpack to the entry address
    // and return there.
    0x21, 0x00, 0x00,        // ld hl, entry + 21
    0x11, 0x00, 0x90,        // ld de, 0x9000
    0x01, 0x00, 0x00,        // ld bc, stream length + 46
    0xED, 0xB0,              // ldir
    0x21, 0x2E, 0x90,        // ld hl, 0x902E (the copied stream)
    0x11, 0x00, 0x00,        // ld de, entry
    0xD5,                    // push de
    0xC3, 0x00, 0x90,        // jp 0x9000
    // The loop, run at 0x9000. The flag byte is shifted left with a 1 bit
    // behind it, so the byte becomes zero exactly when its eight flags are used.
    0x7E,                    // next_group: ld a, (hl)
    0x23,                    //   inc hl
    0x37,                    //   scf
    0x8F,                    //   adc a, a
    0x06,                    //   ld b, 0x87: hides the add below after a new flag byte
    0x87,                    // next_item: add a, a
    0x28, 0xF8,              //   jr z, next_group
    0x38, 0x04,              //   jr c, reference
    0xED, 0xA0,              //   ldi: a literal
    0x18, 0xF7,              //   jr next_item
    0x47,                    // reference: ld b, a
    0x0E, 0x1F,              //   ld c, 0x1F
    0x7E,                    //   ld a, (hl)
    0xB9,                    //   cp c
    0xC8,                    //   ret z: the end marker
    0xC5,                    //   push bc: keeps the flags
    0x23,                    //   inc hl
    0x46,                    //   ld b, (hl)
    0x23,                    //   inc hl
    0xE5,                    //   push hl
    0x68,                    //   ld l, b
    0x47,                    //   ld b, a
    0xB1,                    //   or c
    0x07, 0x07, 0x07,        //   rlca x3: h = 0xF8 + top bits of X
    0x67,                    //   ld h, a: hl = -distance
    0x78,                    //   ld a, b
    0xA1,                    //   and c
    0xC6, 0x03,              //   add a, 3
    0x4F,                    //   ld c, a
    0x06, 0x00,              //   ld b, 0
    0x19,                    //   add hl, de
    0xED, 0xB0,              //   ldir: copies byte by byte, so overlaps repeat
    0xE1,                    //   pop hl
    0xF1,                    //   pop af: the flags back in a
    0x18, 0xD7,              //   jr next_item
};

void storeWord(std::array<std::uint8_t, DECOMPRESSOR_STUB_SIZE>& stub, std::size_t offset, std::size_t value) {
  stub[offset] = static_cast<std::uint8_t>(value & 0xFF);
  stub[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

std::array<std::uint8_t, DECOMPRESSOR_STUB_SIZE> decompressorStub(std::size_t entryAddress,
                                                                   std::size_t streamLength) {
  auto stub = STUB_TEMPLATE;
  storeWord(stub, LOOP_SOURCE_FIELD, entryAddress + LOOP_OFFSET);
  storeWord(stub, COPY_LENGTH_FIELD, streamLength + LOOP_SIZE);
  storeWord(stub, RETURN_FIELD, entryAddress);
  return stub;
}

}  // namespace ferra
