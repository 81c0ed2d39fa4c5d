#pragma once
// Tessarel's stop-word and stop-character editors: the site indexers' stop-
// word editor with Tessarel's layouts, texts and help pages. Each works on a
// copy of the project's list; OK replaces the list and writes its file in
// the template folder at once. The project file itself is not written.
#include "desktop/SharedForms.h"

namespace tessarel {

class TProjekt;

// Only "A"-"Z" are lowered: a stop list keeps its other capitals ("Ärger").
std::string LowerAscii(const std::string& word);

// True after OK.
bool EditStopWords(TProjekt& project, const desktop::DialogServices& services);
bool EditStopChars(TProjekt& project, const desktop::DialogServices& services);

}  // namespace tessarel
