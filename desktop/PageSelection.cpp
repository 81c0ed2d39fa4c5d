#include "desktop/PageSelection.h"

#include <algorithm>
#include <cstdio>

#include "core/Texts.h"

namespace desktop {

std::string PageCountText(int count) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d", count);
  return number + core::LoadStr(core::Txt::LblPageCount);
}

Deletion PlanDeletion(int count, const std::vector<int>& selected, int current) {
  Deletion plan;
  for (const int i : selected)
    if (i >= 0 && i < count) plan.deleted.push_back(i);
  std::sort(plan.deleted.begin(), plan.deleted.end());
  plan.deleted.erase(std::unique(plan.deleted.begin(), plan.deleted.end()), plan.deleted.end());
  if (plan.deleted.empty() && current >= 0 && current < count) plan.deleted.push_back(current);
  if (plan.deleted.empty()) {
    plan.current = current < count ? current : count - 1;
    return plan;
  }
  // Deleting from the top down, the last deleted entry's place is its old
  // index less the entries deleted above it.
  const int remembered = plan.deleted.back() - static_cast<int>(plan.deleted.size() - 1);
  const int left = count - static_cast<int>(plan.deleted.size());
  plan.current = std::min(remembered, left - 1);
  return plan;
}

}  // namespace desktop
