#pragma once
// The program's one pseudo-random generator: state := state * 134775813 + 1 (mod 2^32), each byte
// the top 8 bits of the new state. It starts at 0 and is never seeded, so runs repeat.
#include <cstdint>
#include <cstddef>

namespace qlmr {

class WipeGenerator {
public:
    uint8_t nextByte();
    void fill(uint8_t* block, size_t size);
    uint32_t state() const { return state_; }
    static WipeGenerator& program();   // the process-wide generator
private:
    uint32_t state_ = 0;
};

}  // namespace qlmr
