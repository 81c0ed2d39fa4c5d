// Suchdatenbank des Suchformulars. Das Programm schreibt diese Datei bei
// jedem Lauf neu: nach den drei Markierungszeilen folgen die Konstanten,
// das Glossar und die Eintraege der Seiten. Die Suche steht in suchmaschine.js.
var eintrag = new Object();
eintrag.item = new Array();
var index_max;
var g = null;
var megaModus = false;
var megaDatei = "";
// Pellinova: Konstanten
for (var i = 0; i <= index_max; i++) eintrag.item[i] = new Object();
// Pellinova: Glossar
// Pellinova: Array
