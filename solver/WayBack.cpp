// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/WayBack.h"

#include "solver/LostBoards.h"
#include "solver/SearchLimits.h"

TWayBack FindWayBack(const std::vector<const TMap*>& History, const TSearchBudget& PerBoard,
                     const std::atomic<bool>* Cancel) {
  // Each board is one move before the next: what was proved lost on the later board leaves
  // the earlier one less to search.
  TLostBoards Lost(SearchLimits::LearnedBits);
  const int Last = static_cast<int>(History.size()) - 1;
  for (int Index = Last - 1; Index >= 0; --Index) {
    if (Cancel && Cancel->load())
      break;
    TClearingAnswer Answer =
        FindClearing(*History[static_cast<std::size_t>(Index)], PerBoard, Cancel, Lost);
    if (Answer.Verdict == TVerdict::Clearable)
      return {Last - Index, std::move(Answer)};
  }
  return {};
}
