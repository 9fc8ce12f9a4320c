#pragma once
// The process-wide pseudo-random generator: a 32-bit linear congruential sequence
// s = s × 134775813 + 1 (mod 2^32). It is seeded once at start-up with a fixed seed, so
// every run of the program draws the same sequence. Single-threaded by design, like the
// user interface that draws from it.

#include <array>
#include <cstdint>

namespace kurvex {

// Advances the generator and returns s / 2^32, in [0, 1).
double Random();

// Advances the generator and returns (s × n) div 2^32, in [0, n). A range n ≤ 0 gives 0
// (the generator still advances).
std::int32_t RandomInt(std::int32_t n);

std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);

// Seeds the generator and fills a permutation P[1..255] of 1..255 and its inverse Q from
// it (entry 0 of both stays 0). Only the advance of the generator matters to the program.
void InitRandomTable(std::uint32_t seed);
const std::array<std::uint8_t, 256>& RandomPermutation();
const std::array<std::uint8_t, 256>& RandomPermutationInverse();

// Start-up of the shared helpers: InitRandomTable(1234), then three discarded draws.
void InitSharedHelpers();

}  // namespace kurvex
