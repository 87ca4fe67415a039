// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SearchRace.h"

#include <algorithm>

bool TRacer::Poll() {
  if (FStopped)
    return false;
  if (FCapped) {
    if (FWork > FCap || FWork > FRace.OthersAnswered(FIndex)) {
      FStopped = true;
      return false;
    }
    if ((FWork & 1023) != 0)
      return true;
  }
  // The clock and the shared flags are read only every thousand boards: cheap, still prompt.
  FStopped = FRace.Cancelled() || FRace.FOver.load(std::memory_order_relaxed) ||
             std::chrono::steady_clock::now() >= FEnd;
  return !FStopped;
}

bool TRacer::Check() {
  if (!FStopped)
    FStopped = FRace.Cancelled() || FRace.FOver.load(std::memory_order_relaxed) ||
               std::chrono::steady_clock::now() >= FEnd;
  return !FStopped;
}

void TRacer::Answer(TVerdict Verdict, std::vector<TRemoval> Moves) {
  FStopped = true;
  FAnswered = true;
  FRace.Answer(FIndex, FWork, Verdict, std::move(Moves));
}

void TSearchRace::Answer(int Index, std::uint64_t Work, TVerdict Verdict,
                         std::vector<TRemoval> Moves) {
  std::lock_guard Lock(FMutex);
  FAnswers[Index] = {Verdict, std::move(Moves)};
  FAnsweredAt[Index].store(Work, std::memory_order_relaxed);
  if (FFirst < 0)
    FFirst = Index;
  if (!FCapped)
    FOver.store(true, std::memory_order_relaxed);
}

std::uint64_t TSearchRace::OthersAnswered(int Index) const {
  std::uint64_t Least = Never;
  for (int Other = 0; Other < MaxRacers; ++Other)
    if (Other != Index)
      Least = std::min(Least, FAnsweredAt[Other].load(std::memory_order_relaxed));
  return Least;
}

bool TSearchRace::Answered() const {
  std::lock_guard Lock(FMutex);
  return FFirst >= 0;
}

TClearingAnswer TSearchRace::Result() const {
  std::lock_guard Lock(FMutex);
  if (Cancelled() || FFirst < 0)
    return {};
  if (!FCapped)
    return FAnswers[FFirst];
  int Best = 0;
  for (int Index = 1; Index < MaxRacers; ++Index)
    if (FAnsweredAt[Index].load(std::memory_order_relaxed) <
        FAnsweredAt[Best].load(std::memory_order_relaxed))
      Best = Index;
  return FAnswers[Best];
}
