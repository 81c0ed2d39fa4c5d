// Suchdatenbank des Suchformulars. Das Programm schreibt diese Datei bei
// jedem Lauf neu: nach den drei Markierungszeilen folgen die Konstanten,
// das Glossar und die Eintraege der Seiten. Die Suchbegriffe stehen in den
// Dateien je Anfangsbuchstabe (megaDatei, %s = a bis z, number, other), die
// suchmaschine.js erst laedt, wenn eine Suche sie braucht.
var eintrag = new Object();
eintrag.item = new Array();
var index_max;
var g = null;
var megaModus = true;
var megaDatei = "suche_%s.js";
// Pellinova: Konstanten
for (var i = 0; i <= index_max; i++) eintrag.item[i] = new Object();
// Pellinova: Glossar
// Pellinova: Array
