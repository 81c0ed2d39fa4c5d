#pragma once
// What follows a run that wrote the database: its size for the status, and
// the copy of the template's other files (frames, images, scripts) into the
// target folder.
#include <cstdint>

namespace pellinova {

class TProjekt;

// The size of ZielVerzeichnis + "\" + JavascriptDatei; 0 when it is missing
// or cannot be opened.
std::int32_t IndexFileSize(const TProjekt& project);

// Copies the template's "*.htm", "*.html", "*.gif", "*.jpg" and "*.js" files,
// the JavaScript database's template excepted, into the target folder where
// no file of that name exists yet, under a progress window. Closing it, or
// giving up a file step, sets abort and ends the copy after that file.
void CopyRemainingTemplateFiles(const TProjekt& project, bool& abort);

}  // namespace pellinova
