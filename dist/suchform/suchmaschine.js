// Die Suche des Suchformulars: liest die Suchdatenbank (suche.js, bei
// grossen Web-Sites dazu die Dateien je Anfangsbuchstabe), findet die Seiten
// zu den Suchbegriffen des Besuchers, ordnet sie und zeigt sie an.
//
// Einfaches JavaScript ohne Uebersetzungsschritt, damit das Suchformular in
// jedem Browser laeuft, von der Festplatte (file://) wie vom Web-Server. Die
// Seiten des Formulars liegen in Frames; weil Frames von der Festplatte
// einander nicht lesen duerfen, tauschen sie nur Nachrichten aus
// (postMessage): die Eingabe haelt die Datenbank und sucht, die Trefferseite
// (suchlade.htm) zeigt an, was sie geschickt bekommt.
//
// Texte mit Umlauten stehen hier als \u-Folgen: so kommt es nicht darauf
// an, mit welchem Zeichensatz der Browser diese Datei liest.
(function (global) {
  var Q = {};

  // --- Zeichen ------------------------------------------------------------

  // Code page 1252, Bytes 0x80 bis 0x9F (die uebrigen sind Latin-1).
  var CP1252 = [0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178];

  // Die benannten Entities, die in Titeln und Beschreibungen vorkommen: die
  // Programme schreiben Zeichen ausserhalb von ASCII als Entity.
  var ENTITIES = {};
  (function () {
    var liste = ('quot:34,amp:38,apos:39,lt:60,gt:62,dollar:36,percnt:37,grave:96,nbsp:160,iexcl:161,cent:162,' +
      'pound:163,curren:164,yen:165,brvbar:166,brkbar:166,sect:167,uml:168,die:168,copy:169,ordf:170,laquo:171,' +
      'not:172,shy:173,reg:174,macr:175,hibar:175,deg:176,plusmn:177,sup2:178,sup3:179,acute:180,micro:181,' +
      'para:182,middot:183,cedil:184,sup1:185,ordm:186,raquo:187,frac14:188,frac12:189,half:189,frac34:190,' +
      'iquest:191,Agrave:192,Aacute:193,Acirc:194,Atilde:195,Auml:196,Aring:197,AElig:198,Ccedil:199,' +
      'Egrave:200,Eacute:201,Ecirc:202,Euml:203,Igrave:204,Iacute:205,Icirc:206,Iuml:207,ETH:208,Ntilde:209,' +
      'Ograve:210,Oacute:211,Ocirc:212,Otilde:213,Ouml:214,times:215,Oslash:216,Ugrave:217,Uacute:218,' +
      'Ucirc:219,Uuml:220,Yacute:221,THORN:222,szlig:223,agrave:224,aacute:225,acirc:226,atilde:227,auml:228,' +
      'aring:229,aelig:230,ccedil:231,egrave:232,eacute:233,ecirc:234,euml:235,igrave:236,iacute:237,' +
      'icirc:238,iuml:239,eth:240,ntilde:241,ograve:242,oacute:243,ocirc:244,otilde:245,ouml:246,divide:247,' +
      'oslash:248,ugrave:249,uacute:250,ucirc:251,uuml:252,yacute:253,thorn:254,yuml:255,OElig:338,oelig:339,' +
      'Scaron:352,scaron:353,Yuml:376,fnof:402,ndash:8211,mdash:8212,lsquo:8216,rsquo:8217,sbquo:8218,' +
      'ldquo:8220,rdquo:8221,bdquo:8222,dagger:8224,Dagger:8225,bull:8226,hellip:8230,permil:8240,' +
      'lsaquo:8249,rsaquo:8250,euro:8364,trade:8482').split(',');
    for (var i = 0; i < liste.length; i++) {
      var teil = liste[i].split(':');
      ENTITIES[teil[0]] = parseInt(teil[1], 10);
    }
  })();

  function entityCode(entity) {
    // entity ohne "&" und ";"; null, wenn es keine gueltige ist.
    var code;
    if (entity.charAt(0) === '#') {
      code = entity.charAt(1) === 'x' || entity.charAt(1) === 'X' ? parseInt(entity.substring(2), 16)
        : parseInt(entity.substring(1), 10);
      if (isNaN(code) || code <= 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return null;
      return code;
    }
    return Object.prototype.hasOwnProperty.call(ENTITIES, entity) ? ENTITIES[entity] : null;
  }

  function zeichen(code) {
    if (code <= 0xFFFF) return String.fromCharCode(code);
    code -= 0x10000;
    return String.fromCharCode(0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF));
  }

  var ENTITY_MUSTER = /^&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,9});/;

  function htmlText(text) {
    return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
  }
  Q.htmlText = htmlText;

  // Der reine Text eines HTML-Stuecks: ohne Tags, Entities aufgeloest,
  // Leerraum zusammengefasst.
  function klartext(html) {
    return String(html).replace(/<[^>]*>/g, ' ').replace(/&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,9});/g,
      function (ganz, entity) {
        var code = entityCode(entity);
        return code === null ? ganz : zeichen(code);
      }).replace(/\s+/g, ' ').replace(/^ | $/g, '');
  }
  Q.klartext = klartext;

  // --- Woerter --------------------------------------------------------------

  // Wie beim Indexieren: Buchstaben (auch die Latin-1-Buchstaben), Ziffern und
  // die Zeichen, die Teile eines Wortes verbinden ("-", "/", "_") oder ein
  // Wort beginnen ("#", "$"). Alles andere trennt Woerter.
  var TRENNER = /[^0-9A-Za-z\u00C0-\u00D6\u00D8-\u00F6\u00F8-\u024F\-\/_#$]+/;

  // Die Suchbegriffe einer Eingabe, klein geschrieben, jeder einmal.
  Q.woerter = function (text) {
    var teile = String(text || '').toLowerCase().split(TRENNER);
    var woerter = [];
    for (var i = 0; i < teile.length; i++) {
      // Die Verbinder stehen nur innerhalb eines Wortes, wie beim Indexieren.
      var wort = teile[i].replace(/^[\-\/_]+|[\-\/_]+$/g, '');
      if (wort !== '' && woerter.indexOf(wort) < 0) woerter.push(wort);
    }
    return woerter;
  };

  // Der Teil der Datenbank je Anfangsbuchstabe, wie die Programme ihn bilden:
  // "a" bis "z", "number" fuer Ziffern, "other" fuer alles andere (auch
  // Umlaute).
  Q.buchstabe = function (wort) {
    var c = String(wort).charAt(0);
    if (c >= '0' && c <= '9') return 'number';
    var klein = c.toLowerCase();
    if (klein >= 'a' && klein <= 'z' && c.length === 1 && c.charCodeAt(0) < 128) return klein;
    return 'other';
  };

  // Ein Komma-Text (Woerter durch "," getrennt; ein Wort mit Leerzeichen,
  // Komma oder Anfuehrungszeichen steht in Anfuehrungszeichen, innere
  // verdoppelt). Leere Eintraege entfallen.
  Q.kommaText = function (text) {
    var woerter = [];
    var i = 0;
    var n = text.length;
    while (i < n) {
      var wort = '';
      if (text.charAt(i) === '"') {
        i++;
        while (i < n) {
          var c = text.charAt(i++);
          if (c === '"') {
            if (text.charAt(i) === '"') {
              wort += '"';
              i++;
            } else {
              break;
            }
          } else {
            wort += c;
          }
        }
        var komma = text.indexOf(',', i);
        if (komma < 0) komma = n;
        i = komma + 1;
      } else {
        var ende = text.indexOf(',', i);
        if (ende < 0) ende = n;
        wort = text.substring(i, ende);
        i = ende + 1;
      }
      if (wort !== '') woerter.push(wort);
    }
    return woerter;
  };

  // --- Datenbank -----------------------------------------------------------

  // Ein durchsuchbarer Teil: die Begriffe klein geschrieben und sortiert, zu
  // jedem die Nummern der Seiten, die ihn enthalten (aufsteigend).
  function Sammler() {
    this.karte = Object.create(null);
  }
  Sammler.prototype.add = function (begriff, seite) {
    var liste = this.karte[begriff];
    if (!liste) {
      this.karte[begriff] = [seite];
    } else if (liste[liste.length - 1] !== seite) {
      liste.push(seite);
    }
  };
  Sammler.prototype.teil = function () {
    var begriffe = Object.keys(this.karte).sort();
    var seiten = new Array(begriffe.length);
    for (var i = 0; i < begriffe.length; i++) seiten[i] = this.karte[begriffe[i]];
    return { begriffe: begriffe, seiten: seiten };
  };

  function zeichenkette(wert) {
    return typeof wert === 'string' ? wert : wert === undefined || wert === null ? '' : String(wert);
  }

  // Liest die Datenbank aus den Variablen, die suche.js anlegt (im Browser
  // das Fenster, unter Node ein Kontext-Objekt). Wirft nicht: eine fehlende
  // oder leere Datenbank steht in `fehler`.
  Q.ladeDatenbank = function (quelle) {
    var db = {
      anzahl: 0,
      stand: zeichenkette(quelle.stand),
      glossar: false,
      mega: false,
      megaDatei: zeichenkette(quelle.megaDatei),
      seiten: [],
      teile: Object.create(null),
      fehler: null
    };
    var max = quelle.index_max;
    var eintrag = quelle.eintrag;
    if (typeof max !== 'number' || !eintrag || !eintrag.item) {
      db.fehler = 'Die Suchdatenbank ist noch nicht erzeugt worden.';
      return db;
    }
    var items = eintrag.item;
    // suche.js legt die Eintraege 0 bis index_max an; mehr gibt es nicht.
    var n = Math.max(0, Math.min(Math.floor(max) + 1, items.length || 0));
    db.anzahl = n;
    db.glossar = quelle.glossarModus === true && !!quelle.g && typeof quelle.g.length === 'number';
    var leer = true;
    var begriffe = new Array(n);
    for (var i = 0; i < n; i++) {
      var item = items[i] || {};
      db.seiten.push({ nr: i, seite: zeichenkette(item.seite), beschreibung: zeichenkette(item.beschreibung) });
      begriffe[i] = zeichenkette(item.begriff);
      if (begriffe[i] !== '') leer = false;
    }
    // Pellinova schreibt im Modus je Anfangsbuchstabe leere Begriffe in die
    // Hauptdatei; eine Vorlage dafuer kann aber auch ein Programm ohne diesen
    // Modus fuellen: dann gelten die Begriffe der Hauptdatei.
    db.mega = quelle.megaModus === true && leer && n > 0 && db.megaDatei !== '';
    if (db.mega) return db;

    var sammler = new Sammler();
    var j;
    if (db.glossar) {
      var g = quelle.g;
      var klein = new Array(g.length);
      for (j = 0; j < g.length; j++) klein[j] = zeichenkette(g[j]).toLowerCase();
      for (i = 0; i < n; i++) {
        var nummern = begriffe[i].split(',');
        for (j = 0; j < nummern.length; j++) {
          var k = klein[parseInt(nummern[j], 10)];
          if (k) sammler.add(k, i);
        }
      }
    } else {
      for (i = 0; i < n; i++) {
        var woerter = begriffe[i].split(',');
        for (j = 0; j < woerter.length; j++) {
          if (woerter[j] !== '') sammler.add(woerter[j].toLowerCase(), i);
        }
      }
    }
    db.teile.alle = sammler.teil();
    return db;
  };

  // Nimmt eine Datei je Anfangsbuchstabe auf: liste[i] ist der Komma-Text
  // der Seite i (ein Komma am Ende inbegriffen).
  Q.ladeTeil = function (db, buchstabe, liste) {
    var sammler = new Sammler();
    if (liste) {
      var n = Math.min(db.anzahl, liste.length);
      for (var i = 0; i < n; i++) {
        var woerter = Q.kommaText(zeichenkette(liste[i]));
        for (var j = 0; j < woerter.length; j++) sammler.add(woerter[j].toLowerCase(), i);
      }
    }
    db.teile[buchstabe] = sammler.teil();
  };

  function teilName(db, wort) {
    return db.mega ? Q.buchstabe(wort) : 'alle';
  }

  // Die Teile, die fuer eine Eingabe noch geladen werden muessen.
  Q.fehlendeTeile = function (db, text) {
    var fehlend = [];
    if (!db.mega) return fehlend;
    var woerter = Q.woerter(text);
    for (var i = 0; i < woerter.length; i++) {
      var name = Q.buchstabe(woerter[i]);
      if (!db.teile[name] && fehlend.indexOf(name) < 0) fehlend.push(name);
    }
    return fehlend;
  };

  // Der Dateiname eines Teils ("suche_%s.js" mit %s = "h").
  Q.teilDatei = function (db, buchstabe) {
    return db.megaDatei.replace('%s', buchstabe);
  };

  // --- Suche ------------------------------------------------------------------

  function ersterIndex(begriffe, wort) {
    var links = 0;
    var rechts = begriffe.length;
    while (links < rechts) {
      var mitte = (links + rechts) >> 1;
      if (begriffe[mitte] < wort) {
        links = mitte + 1;
      } else {
        rechts = mitte;
      }
    }
    return links;
  }

  // Die Seiten zu einem Suchbegriff, mit der Guete des besten Begriffs jeder
  // Seite: 2 fuer den gleichen Begriff, zwischen 1 und 2 fuer einen Begriff,
  // der mit dem Suchbegriff beginnt (je naeher an seiner Laenge, desto mehr).
  function seitenZu(teil, wort) {
    var guete = Object.create(null);
    var anzahl = 0;
    if (!teil) return { guete: guete, anzahl: 0 };
    var begriffe = teil.begriffe;
    for (var i = ersterIndex(begriffe, wort); i < begriffe.length; i++) {
      var begriff = begriffe[i];
      if (begriff.lastIndexOf(wort, 0) !== 0) break;
      var wert = begriff === wort ? 2 : 1 + wort.length / begriff.length;
      var seiten = teil.seiten[i];
      for (var j = 0; j < seiten.length; j++) {
        var alt = guete[seiten[j]];
        if (alt === undefined) {
          anzahl++;
          guete[seiten[j]] = wert;
        } else if (wert > alt) {
          guete[seiten[j]] = wert;
        }
      }
    }
    return { guete: guete, anzahl: anzahl };
  }

  // Die Woerter des Titels einer Seite: der fett gesetzte Anfang der
  // Beschreibung ("<b>Titel</b><br>Text"), sonst die ganze Beschreibung.
  function titelWoerter(seite) {
    if (!seite.titel) {
      var fett = /^\s*<b>([\s\S]*?)<\/b>/i.exec(seite.beschreibung);
      seite.titel = Q.woerter(klartext(fett ? fett[1] : seite.beschreibung));
    }
    return seite.titel;
  }

  function titelBonus(seite, wort) {
    var titel = titelWoerter(seite);
    var bonus = 0;
    for (var i = 0; i < titel.length; i++) {
      if (titel[i] === wort) return 1;
      if (titel[i].lastIndexOf(wort, 0) === 0) bonus = 0.5;
    }
    return bonus;
  }

  // Hoechstens so viele Treffer werden angezeigt.
  Q.MAX_TREFFER = 100;

  // Sucht die Eingabe. Jeder Suchbegriff findet die Seiten, deren
  // Schlagworte mit ihm beginnen (ohne Ruecksicht auf Gross- und
  // Kleinschreibung); mehrere Suchbegriffe muessen alle auf einer Seite
  // vorkommen. Ein Suchbegriff, der in keiner Seite vorkommt (etwa ein
  // Stoppwort), wird nicht beruecksichtigt und genannt. Die Punkte einer
  // Seite sind die Summe ueber die Suchbegriffe: die Guete des Schlagworts
  // und 1 (0,5), wenn ein Wort des Titels gleich ist (mit ihm beginnt). Bei
  // gleichen Punkten gilt die Reihenfolge der Datenbank.
  Q.suche = function (db, text) {
    var woerter = Q.woerter(text);
    var ergebnis = { art: 'leer', text: String(text || ''), woerter: woerter, ignoriert: [], gesamt: 0, treffer: [] };
    if (db.fehler) {
      ergebnis.art = 'fehler';
      ergebnis.meldung = db.fehler;
      return ergebnis;
    }
    if (woerter.length === 0) return ergebnis;
    var listen = [];
    for (var i = 0; i < woerter.length; i++) {
      var treffer = seitenZu(db.teile[teilName(db, woerter[i])], woerter[i]);
      if (treffer.anzahl === 0) {
        ergebnis.ignoriert.push(woerter[i]);
      } else {
        treffer.wort = woerter[i];
        listen.push(treffer);
      }
    }
    ergebnis.art = 'keine';
    if (listen.length === 0) return ergebnis;
    listen.sort(function (a, b) { return a.anzahl - b.anzahl; });
    var kandidaten = [];
    for (var nr in listen[0].guete) {
      var seite = +nr;
      var punkte = 0;
      for (var j = 0; j < listen.length && punkte >= 0; j++) {
        var guete = listen[j].guete[seite];
        if (guete === undefined) {
          punkte = -1;
        } else {
          punkte += guete + titelBonus(db.seiten[seite], listen[j].wort);
        }
      }
      if (punkte >= 0) kandidaten.push({ nr: seite, punkte: punkte });
    }
    kandidaten.sort(function (a, b) { return b.punkte - a.punkte || a.nr - b.nr; });
    ergebnis.gesamt = kandidaten.length;
    if (kandidaten.length === 0) return ergebnis;
    ergebnis.art = 'treffer';
    for (i = 0; i < kandidaten.length && i < Q.MAX_TREFFER; i++) {
      var s = db.seiten[kandidaten[i].nr];
      ergebnis.treffer.push({ nr: s.nr, punkte: kandidaten[i].punkte, seite: s.seite, beschreibung: s.beschreibung });
    }
    return ergebnis;
  };

  // --- Anzeige ------------------------------------------------------------------

  // Die Beschreibung einer Seite ist HTML ("<b>Titel</b><br>Text"), aber aus
  // den Seiten der Web-Site genommen: erlaubt bleiben nur Fett, Kursiv und
  // Zeilenumbruch und gueltige Entities; alles andere erscheint als Text.
  Q.sichereBeschreibung = function (html) {
    html = String(html);
    var aus = '';
    var offen = [];
    var i = 0;
    while (i < html.length) {
      var c = html.charAt(i);
      if (c === '<') {
        var tag = /^<(\/?)([bi]|br)\s*(\/?)>/i.exec(html.substring(i, i + 8));
        if (tag) {
          var name = tag[2].toLowerCase();
          if (name === 'br') {
            aus += '<br>';
          } else if (tag[1] === '') {
            aus += '<' + name + '>';
            offen.push(name);
          } else if (offen.length > 0 && offen[offen.length - 1] === name) {
            aus += '</' + name + '>';
            offen.pop();
          }
          i += tag[0].length;
          continue;
        }
        aus += '&lt;';
      } else if (c === '&') {
        var entity = ENTITY_MUSTER.exec(html.substring(i, i + 12));
        var code = entity ? entityCode(entity[1]) : null;
        if (code !== null) {
          aus += '&#' + code + ';';
          i += entity[0].length;
          continue;
        }
        aus += '&amp;';
      } else if (c === '>') {
        aus += '&gt;';
      } else if (c === '"') {
        aus += '&quot;';
      } else {
        aus += c;
      }
      i++;
    }
    while (offen.length > 0) aus += '</' + offen.pop() + '>';
    return aus;
  };

  // Der Link einer Seite als href: Leerzeichen, Steuerzeichen und Zeichen
  // ausserhalb von ASCII werden kodiert, schon kodierte bleiben. Ein Link mit
  // einem anderen Schema als http, https, ftp oder file wird nicht verlinkt
  // (null).
  Q.sichererLink = function (seite) {
    var link = String(seite).replace(/^\s+|\s+$/g, '');
    var schema = /^([A-Za-z][A-Za-z0-9+.\-]*):/.exec(link);
    if (schema && !/^(https?|ftp|file)$/i.test(schema[1]) && !/^[A-Za-z]$/.test(schema[1])) return null;
    if (link === '') return null;
    var aus = '';
    for (var i = 0; i < link.length; i++) {
      var c = link.charAt(i);
      var code = link.charCodeAt(i);
      if (c === '%' && !/^%[0-9A-Fa-f]{2}/.test(link.substring(i, i + 3))) {
        aus += '%25';
      } else if (code <= 32 || code >= 127 || c === '"' || c === '<' || c === '>' || c === '`') {
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < link.length) {
          aus += encodeURIComponent(link.substring(i, i + 2));
          i++;
        } else {
          aus += code >= 0xD800 && code <= 0xDFFF ? '%EF%BF%BD' : encodeURIComponent(c);
        }
      } else {
        aus += c;
      }
    }
    return aus;
  };

  var ANF = '\u201E';
  var END = '\u201C';

  function zitat(woerter) {
    return ANF + htmlText(woerter.join(' ')) + END;
  }

  function zahl(n) {
    // 1234 -> "1.234"
    return String(n).replace(/\B(?=(\d{3})+(?!\d))/g, '.');
  }
  Q.zahl = zahl;

  // Der Text unter dem Eingabefeld: Stand und Umfang der Datenbank.
  Q.standText = function (db) {
    if (db.fehler) return db.fehler;
    return 'Stand der Suchdatenbank: ' + db.stand + ' (' + (db.anzahl === 1 ? 'eine Seite' : zahl(db.anzahl) + ' Seiten') + ')';
  };

  // Das HTML der Trefferseite zu einem Ergebnis von Q.suche (oder einer
  // Meldung: art "laden", "bereit", "fehler").
  Q.ergebnisHtml = function (ergebnis) {
    var art = ergebnis.art;
    if (art === 'laden') return '<p class="meldung">Die Suchdatenbank wird geladen \u2026</p>';
    if (art === 'bereit') {
      return '<p class="meldung">Geben Sie oben einen oder mehrere Suchbegriffe ein. Gefunden werden die Seiten, ' +
        'die alle Begriffe enthalten.</p>';
    }
    if (art === 'fehler') return '<p class="meldung fehler">' + htmlText(ergebnis.meldung) + '</p>';
    if (art === 'leer') return '<p class="meldung">Bitte geben Sie einen Suchbegriff ein.</p>';
    var html = '';
    var woerter = ergebnis.woerter || [];
    var ignoriert = ergebnis.ignoriert || [];
    var gesucht = woerter.filter(function (w) { return ignoriert.indexOf(w) < 0; });
    if (art === 'keine') {
      html += '<p class="meldung keine">Zu ' + zitat(gesucht.length > 0 ? gesucht : woerter) +
        ' wurde keine Seite gefunden.</p>';
    } else {
      html += '<p class="meldung">' + (ergebnis.gesamt === 1 ? 'Eine Seite' : zahl(ergebnis.gesamt) + ' Seiten') +
        ' gefunden f\u00FCr ' + zitat(gesucht) + ':</p>';
    }
    if (ignoriert.length > 0 && gesucht.length > 0) {
      html += '<p class="hinweis">Nicht ber\u00FCcksichtigt, weil in keiner Seite enthalten: ' + zitat(ignoriert) +
        '</p>';
    }
    if (art !== 'treffer') return html;
    html += '<ol class="treffer">';
    var treffer = ergebnis.treffer;
    for (var i = 0; i < treffer.length; i++) {
      var href = Q.sichererLink(treffer[i].seite);
      html += '<li><div class="beschreibung">' + Q.sichereBeschreibung(treffer[i].beschreibung) + '</div>';
      html += href === null ? '<div class="link">' + htmlText(treffer[i].seite) + '</div>'
        : '<a class="link" href="' + htmlText(href) + '" target="_top">' + htmlText(treffer[i].seite) + '</a>';
      html += '</li>';
    }
    html += '</ol>';
    if (ergebnis.gesamt > treffer.length) {
      html += '<p class="hinweis">Die ersten ' + treffer.length + ' von ' + zahl(ergebnis.gesamt) +
        ' Treffern. Weitere Suchbegriffe grenzen die Suche ein.</p>';
    }
    return html;
  };

  // Ein Parameter der Adresse ("?q=M%FCller"): Formulare einer Seite in
  // Code page 1252 kodieren in diesem Zeichensatz, nicht in UTF-8.
  Q.parameter = function (suche, name) {
    var teile = String(suche || '').replace(/^\?/, '').split('&');
    for (var i = 0; i < teile.length; i++) {
      var gleich = teile[i].indexOf('=');
      var schluessel = gleich < 0 ? teile[i] : teile[i].substring(0, gleich);
      if (schluessel !== name) continue;
      var wert = gleich < 0 ? '' : teile[i].substring(gleich + 1).replace(/\+/g, ' ');
      return wert.replace(/%([0-9A-Fa-f]{2})/g, function (ganz, hex) {
        var b = parseInt(hex, 16);
        return String.fromCharCode(b >= 0x80 && b <= 0x9F ? CP1252[b - 0x80] : b);
      });
    }
    return null;
  };

  // --- Im Browser ------------------------------------------------------------

  // Laedt ein Skript; fertig() nach dem Laden, fehler() wenn es nicht geht.
  Q.ladeSkript = function (url, fertig, fehler) {
    var skript = document.createElement('script');
    skript.charset = 'windows-1252';
    skript.onload = function () {
      skript.parentNode.removeChild(skript);
      fertig();
    };
    skript.onerror = function () {
      skript.parentNode.removeChild(skript);
      fehler();
    };
    skript.src = url;
    document.getElementsByTagName('head')[0].appendChild(skript);
  };

  function istNachricht(daten, art) {
    return daten !== null && typeof daten === 'object' && daten.quarvelin === art;
  }

  // Alle Fenster des Formulars ausser dem eigenen: das uebergeordnete und
  // seine Frames.
  function nachbarn() {
    var fenster = [];
    if (global.parent && global.parent !== global) {
      fenster.push(global.parent);
      for (var i = 0; i < global.parent.frames.length; i++) {
        if (global.parent.frames[i] !== global) fenster.push(global.parent.frames[i]);
      }
    }
    return fenster;
  }

  function anNachbarn(nachricht) {
    var fenster = nachbarn();
    for (var i = 0; i < fenster.length; i++) fenster[i].postMessage(nachricht, '*');
  }

  // Die Trefferseite (suchlade.htm): meldet sich bei der Eingabe und zeigt,
  // was diese schickt.
  Q.starteErgebnis = function (element) {
    global.addEventListener('message', function (e) {
      if (nachbarn().indexOf(e.source) < 0) return;
      if (istNachricht(e.data, 'hallo')) {
        e.source.postMessage({ quarvelin: 'bereit' }, '*');
      } else if (istNachricht(e.data, 'zeige') && e.data.ergebnis) {
        element.innerHTML = Q.ergebnisHtml(e.data.ergebnis);
        global.scrollTo(0, 0);
      }
    });
    anNachbarn({ quarvelin: 'bereit' });
  };

  // Die Hilfeseite im Trefferframe: die Eingabe schickt dann keine Treffer
  // mehr hierher, sondern laedt zuerst wieder die Trefferseite.
  Q.starteHilfe = function () {
    anNachbarn({ quarvelin: 'hilfe' });
  };

  // Die Eingabe: laedt die Datenbank, sucht beim Tippen und schickt das
  // Ergebnis an die Trefferseite im Frame `optionen.frame`.
  //   formular, feld, stand: Elemente der Seite
  //   frame: Name des Trefferframes (ein Frame dieser Seite oder ein Nachbar)
  //   trefferSeite: die Trefferseite (suchlade.htm)
  //   datenbank: die Datenbank (suche.js)
  Q.starteEingabe = function (optionen) {
    var feld = optionen.feld;
    var db = null;
    var bereit = false;     // die Trefferseite ist geladen und hoert zu
    var hilfe = false;      // im Trefferframe steht eine andere Seite
    var letzte = { art: 'laden' };
    var nummer = 0;         // der letzten Suche; aeltere Antworten verfallen
    var warten = null;
    var ladend = false;     // ein Teil der Datenbank wird geladen

    function fenster() {
      var name = optionen.frame;
      try {
        if (global.frames[name]) return global.frames[name];
      } catch (e) { /* kein eigener Frame dieses Namens */ }
      return global.parent.frames[name];
    }

    function zeige(ergebnis) {
      letzte = ergebnis;
      if (bereit) {
        fenster().postMessage({ quarvelin: 'zeige', ergebnis: ergebnis }, '*');
      } else if (hilfe) {
        // Ein Link mit Ziel darf auch einen Frame einer anderen Datei laden.
        hilfe = false;
        var link = document.createElement('a');
        link.href = optionen.trefferSeite;
        link.target = optionen.frame;
        link.style.display = 'none';
        document.body.appendChild(link);
        link.click();
        document.body.removeChild(link);
      }
    }

    global.addEventListener('message', function (e) {
      if (e.source !== fenster()) return;
      if (istNachricht(e.data, 'bereit')) {
        bereit = true;
        hilfe = false;
        zeige(letzte);
      } else if (istNachricht(e.data, 'hilfe')) {
        bereit = false;
        hilfe = true;
      }
    });

    function ladeTeile(namen, fertig) {
      if (namen.length === 0) {
        fertig();
        return;
      }
      var name = namen[0];
      if (db.teile[name]) {
        ladeTeile(namen.slice(1), fertig);
        return;
      }
      // Alle Teil-Dateien fuellen dieselbe Variable: einer nach dem anderen.
      ladend = true;
      global.megaBegriff = [];
      Q.ladeSkript(Q.teilDatei(db, name), function () {
        Q.ladeTeil(db, name, global.megaBegriff);
        global.megaBegriff = null;
        ladend = false;
        ladeTeile(namen.slice(1), fertig);
      }, function () {
        global.megaBegriff = null;
        ladend = false;
        zeige({ art: 'fehler', meldung: 'Der Teil ' + ANF + Q.teilDatei(db, name) + END +
          ' der Suchdatenbank konnte nicht geladen werden.' });
      });
    }

    function suche() {
      if (warten !== null) {
        clearTimeout(warten);
        warten = null;
      }
      if (db === null || ladend) return;
      var meine = ++nummer;
      var text = feld.value;
      var fehlend = Q.fehlendeTeile(db, text);
      if (fehlend.length > 0) zeige({ art: 'laden' });
      ladeTeile(fehlend, function () {
        if (meine !== nummer) return;
        zeige(Q.suche(db, text));
        // Waehrend des Ladens kann weiter getippt worden sein.
        if (feld.value !== text) suche();
      });
    }

    feld.addEventListener('input', function () {
      if (warten !== null) clearTimeout(warten);
      warten = setTimeout(suche, 150);
    });
    optionen.formular.addEventListener('submit', function (e) {
      e.preventDefault();
      suche();
    });

    optionen.stand.innerHTML = htmlText('Die Suchdatenbank wird geladen \u2026');
    Q.ladeSkript(optionen.datenbank, function () {
      db = Q.ladeDatenbank(global);
      optionen.stand.innerHTML = htmlText(Q.standText(db));
      if (db.fehler) {
        zeige({ art: 'fehler', meldung: db.fehler });
      } else if (feld.value !== '') {
        suche();
      } else {
        zeige({ art: 'bereit' });
      }
    }, function () {
      db = null;
      var meldung = 'Die Suchdatenbank ' + ANF + optionen.datenbank + END + ' konnte nicht geladen werden.';
      optionen.stand.innerHTML = htmlText(meldung);
      zeige({ art: 'fehler', meldung: meldung });
    });
    var frame = fenster();
    if (frame) frame.postMessage({ quarvelin: 'hallo' }, '*');
  };

  if (typeof module === 'object' && module.exports) {
    module.exports = Q;
  } else {
    global.QuarvelinSuche = Q;
  }
})(this);
