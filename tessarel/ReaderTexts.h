#pragma once
// Numbers of the document readers' own texts in Tessarel's string table
// (texts/readers.rc).
namespace tessarel::readertexts {

constexpr unsigned OpeningRaw = 65200;        // "Öffne Datei für Analyse ..."
constexpr unsigned ActSize = 65201;           // "%s Größe feststellen"
constexpr unsigned FileInUse = 65202;         // "Eventuell wird die Datei ... erneut."
constexpr unsigned OpeningPdf = 65203;
constexpr unsigned ActionPdf = 65204;
constexpr unsigned OpeningDoc = 65205;
constexpr unsigned ActionDoc = 65206;
constexpr unsigned OpeningXls = 65207;
constexpr unsigned ActionXls = 65208;
constexpr unsigned OpeningPpt = 65209;
constexpr unsigned ActionPpt = 65210;
constexpr unsigned ErrorLine = 65211;         // "-> %s, Exception: %s"
constexpr unsigned PdfNotOpened = 65212;      // Acrobat's open answered false
constexpr unsigned ClassString = 65213;       // no such automation class
constexpr unsigned ClassNotRegistered = 65214;
constexpr unsigned ClipboardBusy = 65215;     // the clipboard could not be opened
constexpr unsigned TypeMismatch = 65216;
constexpr unsigned UnknownName = 65217;       // "%s": member an object does not have
constexpr unsigned BadIndex = 65218;
constexpr unsigned NoDocument = 65219;        // a stand-in asked before a document is open
constexpr unsigned ToolFailed = 65220;        // "%s meldet Fehler %s: %s"
constexpr unsigned ToolTimeout = 65221;       // "%s hat nach %s Sekunden nicht geantwortet"
constexpr unsigned ToolCancelled = 65222;
constexpr unsigned ToolNotStarted = 65223;    // "%s kann nicht gestartet werden"
constexpr unsigned ComError = 65224;          // "Automatisierungsfehler %s" (no system text)

}  // namespace tessarel::readertexts
