#!/usr/bin/env bash
# Corvanta as a user meets it: the first start on no settings file (given up
# once, then confirmed), the search-form wizard making a project of its own
# on a site on 127.0.0.1, a project opened from the file dialog, its
# settings, Update against the site with each page's words reviewed, the
# status pages, the environment
# settings, quitting, and the next start that reopens the project.
#   corvanta.sh <install folder> <picture folder>
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=walk.sh
source "$here/walk.sh"
walk_begin corvanta "$1" "$2"

app="$WALK_INSTALL/Corvanta"
ini="$app/Corvanta.INI"
target="$WALK_WORK/ziel"
project="$app/projekte/rundgang.ovk"
main='^Quarvelin\(tm\) Corvanta - '
walk_serve "$here/site"

# First start, given up: the program ends and leaves its settings behind.
walk_start Corvanta/Corvanta.exe
walk_started 'Arbeitsumgebung einstellen$' werkzeugsuche
walk_shot erster-start
walk_focus "$WALK_WIN"
walk_keys Escape
walk_exited
walk_check "Ende nach abgebrochenem ersten Start mit 0" [ "$WALK_CODE" = 0 ]
walk_check "Einstellungsdatei nach abgebrochenem ersten Start" test -f "$ini"

# First start again, confirmed: the settings are written at once.
rm -f "$ini"
walk_start Corvanta/Corvanta.exe
walk_started 'Arbeitsumgebung einstellen$'
walk_focus "$WALK_WIN"
walk_keys Return
walk_started "${main}Kein Projekt aktiv$"
win=$WALK_WIN
walk_shot hauptfenster
walk_check "Einstellungsdatei nach OK im ersten Start" test -f "$ini"

# The search-form wizard on no open project: a project of its own name, the
# site's address, a folder opened in the target tree with Enter and a new
# target folder in it, the run, Fertig.
wizard='^Quarvelin\(tm\) Corvanta - Suchformular-Assistent '
# A new project's target tree starts at C:, the walk's prefix keeps it.
wizard_folder="$WINEPREFIX/drive_c/assistent-ablage"
wizard_target="$wizard_folder/assistent-ziel"
rm -rf "$wizard_folder"
mkdir -p "$wizard_folder"
walk_menu "$win" d s
walk_wait "${wizard}\(Einführung/Programm\)$"
walk_shot assistent-programm
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\(Einführung/Assistent\)$"
walk_shot assistent-einfuehrung
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\(Projektname wählen\)$"
walk_focus "$WALK_WIN"
walk_keys alt+p End shift+Home
walk_type assistent
walk_shot assistent-projektname
walk_keys Return
walk_wait "${wizard}\(Web-Site-Angaben festlegen\)$"
walk_focus "$WALK_WIN"
walk_keys alt+u End shift+Home
walk_type "$WALK_HTTP_BASE/index.htm"
walk_shot assistent-web-site
walk_keys Return
walk_wait "${wizard}\(Zielverzeichnis wählen\)$"
page=$WALK_WIN
walk_focus "$page"
# The only folder of C: beginning with "a", highlighted and opened with
# Enter: the page stays, the tree is in that folder.
walk_keys alt+v a Return
sleep 1
walk_check "Eingabe im Verzeichnisbaum öffnet den Ordner und bleibt auf der Seite" walk_shown "$page"
walk_shot assistent-ordner-geoeffnet
walk_keys alt+n
walk_wait '^Neues Verzeichnis eingeben$'
walk_focus "$WALK_WIN"
walk_keys End shift+Home
walk_type assistent-ziel
walk_keys Return
walk_wait_closed "$WALK_WIN"
walk_shot assistent-zielverzeichnis
walk_focus "$page"
walk_keys alt+w
walk_wait "${wizard}\(Web-Site analysieren\)$"
walk_shot assistent-analyse
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${wizard}\(Fertig!\)$" 180
walk_shot assistent-fertig
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait "${main}assistent\.ovk$"
walk_shot assistent-projekt
wizard_project="$app/projekte/assistent.ovk"
walk_until 10 "Projekt des Assistenten gespeichert" test -f "$wizard_project"
walk_check "Seiten der Site im Projekt des Assistenten" \
  [ "$(tr -d '\r' <"$wizard_project" | sed -n '/^\[Dateien\]/,$p' | grep -c "=$WALK_HTTP_BASE/")" = 4 ]
walk_check "neues Zielverzeichnis im Projekt" [ "$(walk_ini "$wizard_project" Einstellungen ZielVerzeichnis)" = 'C:\assistent-ablage\assistent-ziel' ]
walk_check "Suchdatenbank des Assistenten" grep -q 'kraeuter/index.htm' "$wizard_target/suche.js"
walk_search_form "$wizard_target" rosen "$WALK_HTTP_BASE/index.htm" "$WALK_HTTP_BASE/stauden.htm"

# A project on the site: its pages, its target folder, the words of each
# page reviewed by hand.
mkdir -p "$target"
printf '%s\r\n' '[Einstellungen]' "WebSite=$WALK_HTTP_BASE/index.htm" "ZielVerzeichnis=$(walk_winpath "$target")" \
  'Dateiendungen=htm,html,shtml,php,php3,php4,asp,aspx,jsp,cfm' 'AnzahlEintraege=4' 'GefundeneSchlagworte=1' \
  '[Dateien]' "1=$WALK_HTTP_BASE/index.htm" "2=$WALK_HTTP_BASE/rosen.htm" \
  "3=$WALK_HTTP_BASE/stauden.htm" "4=$WALK_HTTP_BASE/kraeuter/index.htm" >"$project"

walk_menu "$win" d Down
walk_keys Down Return
walk_wait '^Projekt wählen$'
walk_shot projekt-oeffnen
walk_type "$(walk_winpath "$project")"
walk_keys Return
walk_wait "${main}rundgang\.ovk$"
walk_shot projekt-offen

walk_menu "$win" e p
walk_wait 'Projekt-Einstellungen$'
walk_shot projekt-einstellungen
walk_keys alt+o
walk_wait_closed "$WALK_WIN"
walk_until 10 "Projekt nach OK der Einstellungen gespeichert" grep -q '^GlossarModus=' "$project"

# Update: the review of each page's words opens on its list, where Enter
# is OK and keeps the words (the keys go where the window manager put the
# focus); Escape on the last page accepts it without words.
walk_menu "$win" d u
shot=schlagworte-pruefen
for key in Return Return Return Escape; do
  walk_wait ' - Bearbeiten der gefundenen W'
  review=$WALK_WIN
  [ -n "$shot" ] && walk_shot "$shot"
  shot=
  walk_keys "$key"
  walk_wait_closed "$review"
done
walk_wait '^Information$' 180
walk_shot aktualisiert
walk_check "Suchdatenbank erzeugt" grep -q 'stauden.htm' "$target/suche.js"
walk_check "die Seite ohne Wörter nicht in der Suchdatenbank" sh -c "! grep -q 'kraeuter/index.htm' '$target/suche.js'"
walk_check "Suchformular kopiert" test -f "$target/suche.htm"
walk_focus "$WALK_WIN"
walk_keys Return
walk_wait_closed "$WALK_WIN"
walk_until 10 "Projekt nach dem Lauf gespeichert" grep -q '^JavascriptGroesse=[1-9]' "$project"
walk_search_form "$target" rosen "$WALK_HTTP_BASE/index.htm" "$WALK_HTTP_BASE/stauden.htm"

# The keyboard is back on the main window after the run's last box, with
# no click: the next command goes to it by keys alone.
walk_keys alt+e s
walk_until 10 "Statusseiten im Projekt vermerkt" grep -q '^DetailsModus=1' "$project"
walk_shot status

# The texts are German (no language module): the dialog shows it, and a
# plain OK neither switches nor closes the project.
walk_menu "$win" e a
walk_wait 'Arbeitsumgebung$'
walk_shot arbeitsumgebung
walk_keys Return
walk_wait_closed "$WALK_WIN"
# The window manager gives the main window back its activation a moment
# after the dialog has gone; a message would keep it.
walk_until 10 "keine Meldung nach OK der Arbeitsumgebung" walk_active "$win"
walk_check "Projekt bleibt nach OK der Arbeitsumgebung offen" \
  xdotool search --onlyvisible --name "${main}rundgang\.ovk$" >/dev/null

# Word widths typed key by key: nothing is asked while a number is typed,
# and every key stays; leaving a maximum below the minimum asks.
walk_menu "$win" e p
walk_wait 'Projekt-Einstellungen$'
settings=$WALK_WIN
walk_keys ctrl+Tab Tab Tab End shift+Home
walk_type 10
walk_keys Tab End shift+Home
walk_type 15
walk_shot breite-getippt
walk_check "keine Frage beim Tippen der Breite" [ "$(xdotool getactivewindow)" = "$settings" ]
walk_keys Tab shift+Tab End shift+Home
walk_type 5
walk_keys Tab
walk_wait '^Bestätigen$'
walk_shot breite-unterschritten
walk_keys n
walk_wait_closed "$WALK_WIN"
walk_focus "$settings"
walk_keys shift+Tab End shift+Home
walk_type 15
walk_keys alt+o
walk_wait_closed "$settings"
walk_until 10 "getippte Breiten gespeichert" grep -q '^WortbreiteMax=15' "$project"
walk_check "Mindestbreite gespeichert" [ "$(walk_ini "$project" Einstellungen WortbreiteMin)" = 10 ]

walk_menu "$win" d b
walk_wait '^Bestätigen$'
walk_shot beenden
walk_keys j
walk_exited
walk_check "Ende mit 0" [ "$WALK_CODE" = 0 ]
walk_check "letztes Projekt in den Einstellungen" \
  [ "$(walk_ini "$ini" Environment LastProjectName)" = "$(walk_winpath "$project")" ]

# The next start opens the project again; the close box asks nothing.
walk_start Corvanta/Corvanta.exe
walk_started "${main}rundgang\.ovk$"
walk_shot wieder-geoeffnet
walk_focus "$WALK_WIN"
walk_keys alt+F4
walk_exited 30
walk_check "Ende über das Schließfeld mit 0" [ "$WALK_CODE" = 0 ]
walk_log "Rundgang vollständig"
