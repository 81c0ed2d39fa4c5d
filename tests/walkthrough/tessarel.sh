#!/usr/bin/env bash
# Tessarel as a user meets it: the first start on no settings file, the
# analysis wizard over a folder holding a PDF, a DOC and an HTML page, one
# of the keyword pages viewed in the browser (a script that records what it
# was given), the question before an analysis of a whole drive, the wizard
# over a folder with nothing to analyse, and quitting.
#   tessarel.sh <install folder> <picture folder>
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=walk.sh
source "$here/walk.sh"
walk_begin tessarel "$1" "$2"

app="$WALK_INSTALL/Tessarel"
ini="$app/Tessarel.INI"
docs="$WALK_WORK/dokumente"
main='^Quarvelin\(tm\) Tessarel$'
wizard='^Quarvelin\(tm\) Tessarel - Analyse-Assistent '

mkdir -p "$docs"
cp "$WALK_ROOT/tests/tessarel/fixtures/bericht.pdf" "$WALK_ROOT/tests/tessarel/fixtures/bericht.doc" "$docs/"
printf '<html><body>Gartenseite mit Rosen</body></html>\r\n' >"$docs/seite.htm"

# The browser: records its arguments.
browser="$WALK_WORK/browser.sh"
recorded="$WALK_WORK/browser.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$recorded" >"$browser"
chmod +x "$browser"

quit() {
  walk_menu "$1" d b
  walk_wait '^Bestätigen$'
  walk_shot "$2"
  walk_focus "$WALK_WIN"
  walk_keys j
  walk_exited
  walk_check "Ende mit 0" [ "$WALK_CODE" = 0 ]
}

# First start: the first-run dialog, confirmed.
walk_start Tessarel/Tessarel.exe
walk_started 'Arbeitsumgebung einstellen$'
walk_shot erster-start
walk_focus "$WALK_WIN"
walk_keys Return
walk_started "$main"
walk_shot hauptfenster
walk_check "Einstellungsdatei nach OK im ersten Start" test -f "$ini"
quit "$WALK_WIN" beenden
walk_check "Einstellungsdatei mit der Sprache" grep -q '^Language=' "$ini"

# The browser as a Unix program, the drive table that gives the pages' Unix
# paths, and the documents folder the wizard starts on, with PDF documents
# no longer left out.
language=$(walk_ini "$ini" Environment Language)
printf '[Drive Z]\r\n"Path" = "/"\r\n' >"$WALK_WORK/wine.conf"
printf '%s\r\n' '[Environment]' "WWWBrowser=$browser" 'WWWBrowserParam=' "Language=$language" '' \
  '[Unix x86 Wine]' "Configuration=$(walk_winpath "$WALK_WORK/wine.conf")" 'WWWBrowser=1' >"$ini"
printf '%s\r\n' '[Einstellungen]' "DokumenteVerzeichnis=$(walk_winpath "$docs")" \
  'ExcludeDateiendungen=txt,xml' 'OLEAutomationVerwenden=0' >"$app/projekte/dialog.tzn"

walk_start Tessarel/Tessarel.exe
walk_started "$main"
win=$WALK_WIN

# The wizard: on through its pages, the run on the fourth.
walk_menu "$win" d a
walk_wait "${wizard}\\(Einführung/Programm\\)$"
walk_shot assistent-programm
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\\(Einführung/Assistent\\)$"
walk_shot assistent-einfuehrung
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\\(Dokumentenverzeichnis wählen\\)$"
walk_shot assistent-dokumente
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${wizard}\\(Analyse starten\\)$"
walk_shot assistent-start
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\\(Fertig!\\)$" 240
walk_shot assistent-fertig
walk_check "Schlagwortseite des PDF" grep -qi 'bericht.pdf' "$docs/bericht_pdf.htm"
walk_check "Schlagwortseite des DOC" grep -qi 'bericht.doc' "$docs/bericht_doc.htm"
walk_check "keine Seite für die HTML-Seite" test ! -e "$docs/seite_htm.htm"
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait_closed "$WALK_WIN"
walk_until 10 "Projekt nach dem Assistenten gespeichert" grep -q '^ExcludeDateiendungen=' "$app/projekte/dialog.tzn"

# A keyword page in the browser; the keyboard is back on the main window
# after the wizard, with no click.
walk_keys alt+d s
walk_wait '^HTML-Datei wählen$'
walk_shot ansehen
walk_type "$(walk_winpath "$docs/bericht_doc.htm")"
walk_keys Return
# The drive table maps Z: to "/": the path may begin with "//".
shown_page() { [ -s "$recorded" ] && [ "$(realpath -m "$(head -n1 "$recorded")")" = "$(realpath "$docs")/bericht_doc.htm" ]; }
walk_until 30 "Browser mit der Schlagwortseite aufgerufen" shown_page
walk_shot angesehen

quit "$win" beenden-2

# The program's boxes are recorded in a log from here on.
QUARVELIN_UI_LOG=$(walk_winpath "$WALK_WORK/ui.log") walk_start Tessarel/Tessarel.exe
walk_started "$main"
win=$WALK_WIN

# The analysis over the whole drive C: (the folder a fresh installation
# starts on) asks first; No goes back to the settings.
printf '%s\r\n' '[Einstellungen]' 'DokumenteVerzeichnis=C:' >"$app/projekte/dialog.tzn"
walk_menu "$win" d n
walk_wait '^Quarvelin\(tm\) Tessarel - Analyse$'
analyse=$WALK_WIN
walk_focus "$analyse"
walk_keys alt+o
walk_wait '^Bestätigen$'
walk_shot laufwerk-frage
walk_focus "$WALK_WIN"
walk_keys n
walk_wait_closed "$WALK_WIN"
walk_wait '^Quarvelin\(tm\) Tessarel - Analyse$'
walk_until 10 "Frage vor der Analyse des Laufwerks C:" grep -qF 'C:\\\r\rNeben jedem Dokument' "$WALK_WORK/ui.log"
walk_focus "$WALK_WIN"
walk_keys alt+a
walk_wait_closed "$WALK_WIN"

# The wizard over a folder holding only a PDF, with the default exclusion
# list, which leaves PDF documents out: nothing to analyse, so the wizard
# says so and goes back to the documents folder.
nurpdf="$WALK_WORK/nur-pdf"
mkdir -p "$nurpdf"
cp "$WALK_ROOT/tests/tessarel/fixtures/bericht.pdf" "$nurpdf/"
printf '%s\r\n' '[Einstellungen]' "DokumenteVerzeichnis=$(walk_winpath "$nurpdf")" 'OLEAutomationVerwenden=0' \
  >"$app/projekte/dialog.tzn"
walk_menu "$win" d a
walk_wait "${wizard}\\(Einführung/Programm\\)$"
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\\(Einführung/Assistent\\)$"
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\\(Dokumentenverzeichnis wählen\\)$"
walk_shot nur-pdf-dokumente
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${wizard}\\(Analyse starten\\)$"
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait '^Information$' 120
walk_shot nichts-zu-analysieren
walk_focus "$WALK_WIN"
walk_keys Return
walk_until 10 "Meldung \"Keine Dateien zur Analyse gefunden.\"" \
  grep -q 'Keine Dateien zur Analyse gefunden\.' "$WALK_WORK/ui.log"
walk_wait "${wizard}\\(Dokumentenverzeichnis wählen\\)$"
walk_shot nur-pdf-zurueck
walk_check "keine Schlagwortseite des ausgeschlossenen PDF" test ! -e "$nurpdf/bericht_pdf.htm"
walk_focus "$WALK_WIN"
walk_keys alt+a
walk_wait_closed "$WALK_WIN"
quit "$win" beenden-3
walk_log "Rundgang vollständig"
