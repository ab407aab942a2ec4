#include <doctest.h>

#include <cstdint>
#include <vector>

#include "platform/wipe_generator.h"

using qlmr::WipeGenerator;

// state := state * 134775813 + 1 from 0: 0x00000001, 0x08088406, 0xDC6DAC1F, 0x33DC589C,
// 0x45DE2B0D, 0xABF18B42, 0x5195C04B, 0x296B6D78; each byte is the top 8 bits.
TEST_CASE("wipe generator: a fresh generator yields the same first bytes") {
    WipeGenerator generator;
    const uint8_t expected[] = {0x00, 0x08, 0xDC, 0x33, 0x45, 0xAB, 0x51, 0x29};
    for (uint8_t byte : expected) CHECK(generator.nextByte() == byte);
    CHECK(generator.state() == 0x296B6D78u);
}

TEST_CASE("wipe generator: blocks carry the state on") {
    WipeGenerator byBlocks;
    uint8_t first[3];
    uint8_t second[5];
    byBlocks.fill(first, sizeof first);
    byBlocks.fill(second, sizeof second);
    CHECK(first[2] == 0xDC);
    CHECK(second[0] == 0x33);
    CHECK(second[4] == 0x29);

    // Two 4096-byte blocks differ: each pass of a wipe draws a new one.
    WipeGenerator wipe;
    std::vector<uint8_t> pass1(4096), pass2(4096);
    wipe.fill(pass1.data(), pass1.size());
    wipe.fill(pass2.data(), pass2.size());
    CHECK(pass1 != pass2);
}

TEST_CASE("wipe generator: the program's generator is one shared instance") {
    // A byte drawn through one use moves the state every later use sees.
    const uint32_t before = WipeGenerator::program().state();
    WipeGenerator::program().nextByte();
    WipeGenerator::program().nextByte();
    const uint32_t once = before * 134775813u + 1u;
    CHECK(WipeGenerator::program().state() == once * 134775813u + 1u);
}
