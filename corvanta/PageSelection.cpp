#include "corvanta/PageSelection.h"

#include <algorithm>
#include <cstdio>

#include "core/Texts.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Blanks.h"

namespace corvanta {

std::string SiteAddress(std::string_view typed) {
  std::string upper(typed);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  constexpr std::string_view kScheme = "HTTP://";
  const size_t at = upper.find(kScheme);
  if (at != std::string::npos) typed.remove_prefix(at + kScheme.size());
  return core::LoadStr(core::Txt::DefWebSite) + platform::Trimmed(typed);
}

std::string PageCountText(int count) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d", count);
  return number + core::LoadStr(core::Txt::LblPageCount);
}

void StoreSiteFields(core::TProjekt& project, const SiteFields& fields) {
  project.SetWebSite(platform::Trimmed(fields.webSite));
  project.SetBenutzername(platform::Trimmed(fields.user));
  project.SetPasswort(platform::Trimmed(fields.password));
  project.SetDateiendungen(platform::Trimmed(fields.extensions));
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

}  // namespace corvanta
