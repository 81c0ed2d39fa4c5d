#include "corvanta/SiteFields.h"

#include <algorithm>

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

void StoreSiteFields(core::TProjekt& project, const SiteFields& fields) {
  project.SetWebSite(platform::Trimmed(fields.webSite));
  project.SetBenutzername(platform::Trimmed(fields.user));
  project.SetPasswort(platform::Trimmed(fields.password));
  project.SetDateiendungen(platform::Trimmed(fields.extensions));
}

}  // namespace corvanta
