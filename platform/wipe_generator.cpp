#include "platform/wipe_generator.h"

namespace qlmr {

uint8_t WipeGenerator::nextByte() {
    state_ = state_ * 134775813u + 1u;   // unsigned: wraps modulo 2^32 by definition
    return static_cast<uint8_t>(state_ >> 24);
}

void WipeGenerator::fill(uint8_t* block, size_t size) {
    for (size_t i = 0; i < size; ++i) block[i] = nextByte();
}

WipeGenerator& WipeGenerator::program() {
    static WipeGenerator generator;
    return generator;
}

}  // namespace qlmr
