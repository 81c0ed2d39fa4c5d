#pragma once
// The rules of the page selection: the site address as the user leaves it,
// the count below the list, which entries a delete removes and which becomes
// current, and what the dialog writes into the project.
#include <string>
#include <string_view>
#include <vector>

#include "core/HelpContexts.h"

namespace core {
class TProjekt;
}

namespace corvanta {

// A typed site address with "http://" in front: whatever stands up to and
// including the first "http://" (in any letter case) goes, the rest is
// trimmed. A bare host gets the scheme, an empty field becomes "http://".
std::string SiteAddress(std::string_view typed);

// "  5 Web-Seiten": the count right-aligned in three characters.
std::string PageCountText(int count);

// The site fields of the dialog, as typed.
struct SiteFields {
  std::string webSite;
  std::string user;
  std::string password;
  std::string extensions;
};

// Writes the trimmed fields into the project (WebSite, Benutzername,
// Passwort, Dateiendungen).
void StoreSiteFields(core::TProjekt& project, const SiteFields& fields);

// What deleting from the list does. Every selected entry goes; with none
// selected, the current one. The entry that moved into the place of the last
// one deleted becomes current (the last entry when the list has become
// shorter). With neither a selection nor a current entry nothing goes.
struct Deletion {
  std::vector<int> deleted;  // indices before the delete, ascending
  int current = -1;          // in the list after the delete; -1 when empty
};
Deletion PlanDeletion(int count, const std::vector<int>& selected, int current);

}  // namespace corvanta
