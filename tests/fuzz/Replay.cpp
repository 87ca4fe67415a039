// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the fuzz target without libFuzzer, in every build of the tests: over the committed
// corpus, then over a fixed number of inputs drawn from a fixed seed.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

namespace {

void RunOne(const std::vector<std::uint8_t>& Input) {
  LLVMFuzzerTestOneInput(Input.data(), Input.size());
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

} // namespace

// Usage: fuzz_replay CORPUS_DIR [RANDOM_INPUTS]
int main(int Argc, char** Argv) {
  if (Argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR [RANDOM_INPUTS]\n", Argv[0]);
    return 2;
  }
  LLVMFuzzerInitialize(&Argc, &Argv);
  std::vector<std::filesystem::path> Files;
  for (const auto& Entry : std::filesystem::directory_iterator(Argv[1]))
    if (Entry.is_regular_file())
      Files.push_back(Entry.path());
  if (Files.empty()) {
    std::fprintf(stderr, "no corpus in %s\n", Argv[1]);
    return 2;
  }
  for (const auto& File : Files)
    RunOne(ReadFile(File));

  const long Random = Argc > 2 ? std::strtol(Argv[2], nullptr, 10) : 0;
  std::mt19937 Engine(20240601u);
  for (long I = 0; I < Random; ++I) {
    std::vector<std::uint8_t> Input(Engine() % 2048);
    for (auto& Byte : Input)
      Byte = static_cast<std::uint8_t>(Engine());
    RunOne(Input);
  }
  std::printf("%zu corpus inputs and %ld random inputs passed\n", Files.size(), Random);
  return 0;
}
