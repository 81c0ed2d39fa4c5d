#pragma once
// Corvanta's help: every help context (F1 on a menu item or control, the Help
// button of a message box) names a page, with its anchor, in the folder
// "hilfe" beside the program. The pages are installation data; their names
// and anchors are fixed here.
#include <string>

namespace corvanta {

// The page of a help context, anchor included ("meldungen.htm#frame");
// "index.htm" for a context without a page of its own.
std::string HelpPage(int helpContext);

// programDir + "hilfe" (one trailing "\" dropped) + "\" + HelpPage(context).
std::string HelpPagePath(const std::string& programDir, int helpContext);

}  // namespace corvanta
