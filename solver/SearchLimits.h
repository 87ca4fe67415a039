// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thresholds that choose among the clearing search's strategies and the times it gets,
// in one place: each was set by the clearing benchmark (bench/ClearingBench.cpp).

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace SearchLimits {

// A hint the player asked for: long enough that nearly every board met in play is settled,
// short enough that a player still waits for it.
constexpr std::chrono::milliseconds HintSearchTime{5000};
// A search ahead, started after each move while the player thinks: it costs a player who never
// asks nothing, so it may take longer.
constexpr std::chrono::milliseconds AheadSearchTime{10000};
// Each earlier board looked at on the way back from a lost one: most boards met in play are
// settled within it, and a lost board that cannot be proved lost in time costs no more.
constexpr std::chrono::milliseconds WayBackSearchTime{1000};

// Up to this many boxes the exhaustive search often ends within a hint's time, so it races the
// beam; beyond it, in four colours or more, a second beam makes better use of the second core.
constexpr int ExhaustiveBoxes = 120;
// In this many colours or fewer the exhaustive search finds clearings of any board fast.
constexpr int ExhaustiveColors = 3;
// Boards up to this size, too large for the exhaustive search to end, still often have a
// clearing its depth-first order finds early; on larger ones it slowed the beam's answers.
constexpr int GlanceBoxes = 140;
// The share of the budget that first glance gets, before the second beam: an eighth.
constexpr int GlanceShare = 8;
// Alone on one thread, the exhaustive search gets a quarter of the budget first where it
// stands a chance: it settles small boards at once and would rarely finish a large one.
constexpr int OneThreadExhaustiveShare = 4;

// The first beam is narrow, as most boards met in play clear at once; each round doubles it up
// to the widest, whose levels (a few million boards with their children) stay within memory.
constexpr std::size_t FirstBeamWidth = 16;
constexpr std::size_t WidestBeam = std::size_t{1} << 15;
// A truncated beam first keeps this many of each board's best children, on the caller's
// thread and on the other one: one and one answered 22 of 69 hard positions that neither beam
// answered within 1.5M boards, one and two 24, so the two beams also differ in what they keep.
constexpr std::size_t FinderChildren = 1;
constexpr std::size_t OtherChildren = 2;

// A dealt board gets this much search before the next random one is dealt: the deal is then a
// random board among those the search clears within it, found in about a second.
constexpr std::uint64_t WorkPerDealtBoard = 200'000;

// Boards proved lost, at most 2^22 entries of 8 bytes (32 MiB) per table, for a 16x16 board:
// a quarter of this let long proofs overwrite their own entries and took them two to three
// times as long. Smaller boards get a table in proportion to their cells.
constexpr int LearnedBits = 22;

} // namespace SearchLimits
