#!/usr/bin/env bash
# Pellinova as a user meets it: the first start, then the search-form wizard
# over a folder of HTML files (project name, HTML folder, target folder below
# it, the search and the analysis, done), the search form left in the target
# folder and the project saved, and quitting.
#   pellinova.sh <install folder> <picture folder>
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=walk.sh
source "$here/walk.sh"
walk_begin pellinova "$1" "$2"

app="$WALK_INSTALL/Pellinova"
ini="$app/Pellinova.INI"
pages="$WALK_WORK/seiten"
target="$pages/suche"
project="$app/projekte/rundgang.lvq"
main='^Quarvelin\(tm\) Pellinova - '
page='^Quarvelin\(tm\) Pellinova - Suchformular-Assistent '

# The pages to index, and a target folder below them, where each run writes
# the search form anew (the search leaves it out).
mkdir -p "$pages" "$target"
cp -r "$here/site/." "$pages/"
printf '<html><title>Alt</title>alt</html>' >"$target/alt.htm"
printf '%s\r\n' '[Einstellungen]' "HTMLVerzeichnis=$(walk_winpath "$pages")" \
  "ZielVerzeichnis=$(walk_winpath "$target")" 'StopwortListeVerwenden=0' >"$project"

walk_start Pellinova/Pellinova.exe
walk_started 'Arbeitsumgebung einstellen$'
walk_shot erster-start
walk_focus "$WALK_WIN"
walk_keys Return
walk_started "${main}Kein Projekt aktiv$"
win=$WALK_WIN
walk_shot hauptfenster

walk_focus "$win"
walk_keys alt+d s
walk_wait "${page}\(Einführung/Programm\)$"
walk_shot assistent-programm
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${page}\(Einführung/Assistent\)$"
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${page}\(Projektname wählen\)$"
walk_focus "$WALK_WIN"
walk_keys End shift+Home BackSpace
walk_type rundgang
walk_shot assistent-projektname
walk_keys alt+w
walk_wait "${page}\(HTML-Verzeichnis wählen\)$"
walk_shot assistent-html-verzeichnis
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${page}\(Zielverzeichnis wählen\)$"
walk_shot assistent-zielverzeichnis
walk_focus "$WALK_WIN"
walk_keys alt+w
walk_wait "${page}\(HTML-Dateien analysieren\)$"
walk_shot assistent-analyse
walk_focus "$WALK_WIN"
walk_keys alt+s
walk_wait "${page}\(Fertig!\)$" 180
walk_shot assistent-fertig
walk_check "Suchdatenbank erzeugt" grep -q 'kraeuter/index.htm' "$target/suche.js"
walk_check "Suchformular kopiert" test -f "$target/suche.htm"
walk_check "das Zielverzeichnis nicht mit durchsucht" sh -c "! grep -q 'alt.htm' '$target/suche.js'"
walk_search_form "$target" rosen ../index.htm ../stauden.htm
walk_focus "$WALK_WIN"
walk_keys alt+f
walk_wait_closed "$WALK_WIN"
walk_until 10 "Projekt nach Fertig gespeichert" grep -q '^JavascriptGroesse=[1-9]' "$project"
walk_check "die Seiten im Projekt" grep -q 'kraeuter\\index.htm' "$project"
walk_shot nach-dem-assistenten

# The keyboard is back on the main window after the wizard, with no click.
walk_keys alt+d b
walk_wait '^Bestätigen$'
walk_keys j
walk_exited
walk_check "Ende mit 0" [ "$WALK_CODE" = 0 ]
walk_log "Rundgang vollständig"
