#pragma once
// The site fields of Corvanta's page selection and wizard: the site address
// as the user leaves it, and what the fields write into the project.
#include <string>
#include <string_view>

namespace core {
class TProjekt;
}

namespace corvanta {

// A typed site address with "http://" in front: whatever stands up to and
// including the first "http://" (in any letter case) goes, the rest is
// trimmed. A bare host gets the scheme, an empty field becomes "http://".
std::string SiteAddress(std::string_view typed);

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

}  // namespace corvanta
