#pragma once
// The class library's own texts (message-box captions and buttons), by number
// in each program's string table (LibraryStrings.rc, which every program's
// table includes, so that a language module can translate them as well). The
// programs keep their own numbers clear of these. Only #defines: the resource
// compiler reads this file too.
#define IDS_LIB_WARNING 65312       // "Warnung"
#define IDS_LIB_ERROR 65313         // "Fehler"
#define IDS_LIB_INFORMATION 65314   // "Information"
#define IDS_LIB_CONFIRMATION 65315  // "Bestätigen"
#define IDS_LIB_YES 65316           // "&Ja"
#define IDS_LIB_NO 65317            // "&Nein"
#define IDS_LIB_HELP 65318          // "&Hilfe"
#define IDS_LIB_CANCEL 65319        // "Abbrechen"
