#pragma once
// The fuzz targets: each takes any bytes and must neither crash, leak nor trip a sanitizer.
// They are built into every tree, where the corpus replay test runs them over the kept
// inputs; a fuzzing build (make fuzz) turns each into a libFuzzer program.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kurvex::fuzz {

using TargetFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
  const char* name;  // also the folder of its kept inputs under tests/fuzz/corpus/
  TargetFunction run;
};

void FuzzLayout(const std::uint8_t* data, std::size_t size);
void FuzzPng(const std::uint8_t* data, std::size_t size);
void FuzzJpeg(const std::uint8_t* data, std::size_t size);
void FuzzBmp(const std::uint8_t* data, std::size_t size);
void FuzzFormatting(const std::uint8_t* data, std::size_t size);
void FuzzChart(const std::uint8_t* data, std::size_t size);
void FuzzCanvas(const std::uint8_t* data, std::size_t size);

std::span<const Target> Targets();

// Sets up what every target needs once: a headless host and the registered classes.
void SetUpOnce();

}  // namespace kurvex::fuzz
