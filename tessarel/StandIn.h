#pragma once
// Our stand-in automation servers for the applications the readers drive
// (Acrobat, Winword, Excel, Powerpoint), for machines without them. Each
// answers the calls the readers make with the Debian tool for its format and
// puts the document's text on the clipboard as the application's copy would.
#include <string>

#include "tessarel/Automation.h"

namespace tessarel {

// The stand-in object of the class; null when we have no stand-in for it.
// Throws EClassNotRegistered, as COM does for a class that is not
// registered, when the stand-in's tool is not installed.
AutoRef CreateStandIn(const std::string& progId);

}  // namespace tessarel
