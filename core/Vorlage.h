#pragma once
// The template descriptor ("Pellinova.ini" in a template folder): how the
// JavaScript database of the template is written (line formats, marker lines)
// and which file names the template uses. Its values are program-wide: the
// project load and the index run read them. They start at the built-in
// defaults, so a template without a descriptor still gets a working run; a
// template that has one replaces all of them (a key it lacks takes its
// default). The program never writes a descriptor.
//
// Also the template's stop-word list: one word per line, kept sorted in the
// locale's case-insensitive order with duplicates ignored.
#include <string>

#include "platform/base/StringList.h"

namespace core {

enum class DescriptorValue : int {
  // Section "Strings": line formats (one "%s") and marker lines.
  EntryPage,         // "eintrag.item[%s].seite = \"", %s = page number
  EntryDescription,  // "eintrag.item[%s].beschreibung = \""
  EntryKeywords,     // "eintrag.item[%s].begriff = \""
  IndexMax,          // "var index_max = %s;", %s = pages - 1
  GlossaryMode,      // "var glossarModus = %s;", %s = "true" or "false"
  LastUpdate,        // "var stand = \"%s", %s = date and time of the run
  InsertConsts,      // "// Pellinova: Konstanten"
  InsertArray,       // "// Pellinova: Array"
  InsertGlossary,    // "// Pellinova: Glossar"
  // Section "Options": file names, the defaults of the project's keys.
  SearchBase,   // "suche.js"     -> JavascriptDatei
  Stopword,     // "stopwort.lst" -> StopwortListe
  Search,       // "suche.htm"    -> FrameDatei
  SearchInput,  // "suchein.htm"  -> FrameEingabeDatei
  SearchHelp,   // "suchhilf.htm" -> FrameHilfeDatei
  SearchLoad,   // "suchlade.htm" -> FrameLadenDatei
  // Pellinova's: the line format of its letter files (section "MegaStrings"),
  // the default name of the XML export, the name pattern of the letter files.
  MegaEntryKeywords,  // ""
  XMLBase,            // "suche.xml"    -> XMLDatei
  MegaSearchBase,     // "suche_%s.js", %s = "a" ... "z", "number", "other"
  Count
};

// The descriptor's switches, which go into the project rather than into
// program-wide values.
struct TemplateSwitches {
  bool withGlossary = false;  // "Options" WithGlossary: default of GlossarModus
  bool mega = false;          // "Options" Mega: Pellinova's per-letter files
};

// Whether name can name nothing but a file inside the folder it is joined
// to: it holds no folder separator ("\\" or "/"), no ".." and no drive or
// stream (":").
bool NamesFileInFolder(const std::string& name);

// A file name of a template or a project that would reach outside its
// folder: the file it stands in, its key and its value.
struct RefusedFileName {
  std::string file;
  std::string key;
  std::string value;
};

// The current value (the default until a descriptor was read).
const std::string& Descriptor(DescriptorValue value);

// directory + "\" + "Pellinova.ini".
std::string DescriptorPath(const std::string& directory);

// Reads the descriptor of a template folder into the program-wide values and
// gives its WithGlossary switch (false when absent). A folder without a
// descriptor changes nothing and gives false. The file is read afresh, not
// from a copy cached earlier. A descriptor one of whose file names would
// reach outside the template or target folder (NamesFileInFolder) changes
// nothing either and gives false; the name goes to refused.
bool ReadTemplateDescriptor(const std::string& directory, bool& withGlossary);
bool ReadTemplateDescriptor(const std::string& directory, TemplateSwitches& switches,
                            RefusedFileName* refused = nullptr);

// Back to the built-in defaults (for tests).
void ResetTemplateDescriptor();

// Fills a descriptor format: every "%s" becomes arg, "%%" a percent sign; any
// other "%" is kept as it is, so no descriptor can break the run.
std::string FormatDescriptor(const std::string& format, const std::string& arg);

// A stop-word list as the project keeps it: sorted, duplicates ignored,
// compared in the locale without regard to case.
void MakeStopWordList(platform::TStringList& list);
// One word per line (CR, LF or CRLF); a hand-written file comes back sorted
// and without case duplicates. EInOutError when the file cannot be read; the
// list is then empty.
void LoadStopWords(const std::string& path, platform::TStringList& list);
// One word per line, CRLF, in the list's order; EInOutError on failure.
void SaveStopWords(const std::string& path, const platform::TStringList& list);

}  // namespace core
