#pragma once
// A vault of 100,000 entries shaped like the real one (names of two to five
// words, six to ten bonuses, notes, procs on a third of them), packed once
// per run, for the benchmarks of everything that searches or lists it.
#include <cstdint>
#include <vector>

namespace qm {

inline constexpr int kRealisticVaultEntries = 100'000;

// The packed vault file, with its header entry first.
const std::vector<std::uint8_t>& RealisticPackedVault();

}  // namespace qm
