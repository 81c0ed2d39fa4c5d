#include "tests/search/SearchSites.h"

#include <cstdint>
#include <string_view>

#include "tests/support/SyntheticSite.h"

namespace search {

namespace {

const std::string kHost = "http://www.beispiel.test/";

// A page with a title, a META description and body text; an empty title or
// description leaves the tag out.
Page Html(const std::string& path, const std::string& title, const std::string& description,
          const std::string& body) {
  std::string html = "<html><head>\r\n";
  if (!title.empty()) html += "<title>" + title + "</title>\r\n";
  if (!description.empty()) html += "<meta name=\"description\" content=\"" + description + "\">\r\n";
  html += "</head><body>\r\n<p>" + body + "</p>\r\n</body></html>\r\n";
  return {kHost + path, html};
}

}  // namespace

// Every word that the tests search for is placed on purpose: which pages hold
// it, and whether it stands in their title.
const std::vector<Page>& TestSite() {
  static const std::vector<Page> site = {
      Html("index.htm", "Willkommen in Musterstadt", "Die Startseite mit allen Themen der Stadt.",
           "Willkommen in Musterstadt. Hier finden Sie alle Themen im \xDC" "berblick."),
      Html("rathaus.htm", "Rathaus", "\xD6" "ffnungszeiten und \xC4" "mter im Rathaus.",
           "Das Rathaus hat neue \xD6" "ffnungszeiten. Das B\xFC" "rgerb\xFC" "ro und die \xC4" "mter sind im "
           "Erdgeschoss, die Stadtbibliothek im Anbau."),
      Html("bahnhof.htm", "Bahnhof Musterstadt", "Z\xFC" "ge, Busse und Parkpl\xE4" "tze am Bahnhof.",
           "Der Bahnhof hat drei Bahnsteige. Mit der Bahn und mit Bussen erreichen Sie die Stadt, "
           "Parkpl\xE4" "tze gibt es am Bahnhof."),
      Html("bibliothek.htm", "Stadtbibliothek",
           "B\xFC" "cher, Zeitschriften und &Ouml;ffnungszeiten der Stadtbibliothek.",
           "Die Stadtbibliothek leiht B\xFC" "cher und Zeitschriften aus. \xD6" "ffnungszeiten: werktags. "
           "Ein Lesesaal steht bereit."),
      Html("markt.htm", "Wochenmarkt", "Obst und Gem&uuml;se vom Wochenmarkt auf dem Marktplatz.",
           "Jeden Samstag ist Wochenmarkt auf dem Marktplatz: Obst, Gem\xFC" "se und K\xE4" "se von Bauer "
           "M\xFC" "ller."),
      Html("verein/\xDC" "ber uns.htm", "\xDC" "ber uns: Heimatverein M&uuml;ller-L&uuml;denscheidt",
           "Der Heimatverein stellt sich vor.",
           "Der Heimatverein pflegt die Geschichte der Stadt. Vorstand: Anna M\xFC" "ller, Kastanienstra\xDF" "e."),
      Html("bahnlinie.htm", "", "", "Bahnlinie und Stra\xDF" "enbahn: der Fahrplan."),
      Html("stoppwoerter.htm", "", "", "der die das und oder aber"),
      Html("schwimmbad.htm", "Hallenbad &amp; Freibad", "Schwimmen im Hallenbad und im Freibad.",
           "Hallenbad und Freibad haben im Sommer l\xE4" "ngere \xD6" "ffnungszeiten. Die Sauna ist "
           "im Hallenbad."),
  };
  return site;
}

// Pages whose texts could break a database that is written into JavaScript
// strings, or the page that shows it.
const std::vector<Page>& HostileSite() {
  static const std::vector<Page> site = {
      Html("anfuehrung.htm", "Er sagte \"Hallo\" \\ und \\\\ C:\\Pfad\\",
           "Zitat 'einfach' \\\" und \\u0041 \\x41 \\ am Ende\\",
           "Anfuehrung \"doppelt\" 'einfach' Backslash\\Wort \\u0041 \\x4 ende\\"),
      Html("markup.htm", "&lt;script&gt;alert(1)&lt;/script&gt;",
           "<img src=x onerror=window.verletzt=1> &lt;b&gt;fett&lt;/b&gt; <b>offen <i>kursiv",
           "<script>var s = \"</script>\"; eintrag.item = null;</script> Markup Skript "
           "<a href=\"javascript:window.verletzt=1\">Klick</a>"),
      Html("kommentar.htm", "Kommentar // mitten /* drin */ ${x} `tick`",
           "Zeile // Pellinova: Array // Pellinova: Konstanten */ http://x.test/y",
           "Kommentar // Pellinova: Glossar <!-- nie geschlossen"),
      Html("steuer.htm", std::string("Steuer\x01zeichen\x1F und NUL") + std::string(1, '\0') + " mittendrin",
           "Zeilen\rmit\rCR\nund\r\nLF\tTab",
           std::string("Steuerzeichen\x02\x03 Nullbyte") + std::string(1, '\0') + "danach"),
      Html("zeichen.htm", "\x80 \x84Zitat\x93 \x96 Gedankenstrich \x85", "\xA0gesch\xFCtzt \xA7 \xB5 \xFF",
           "Euro \x80 \x84" "deutsche Anf\xFC" "hrung\x93 \xC4rger \xE4rger 1999er #hashtag $dollar _unter"),
      {kHost + "schluessel.htm",
       "<html><head><title>Schl\xFC" "sselw\xF6rter</title>\r\n"
       "<meta name=\"keywords\" content=\"rotes haus, a&quot;b, c\\d, e'f, g,,h, , \xC4pfel und Birnen, "
       "#hash, 2000\">\r\n</head><body>constructor __proto__ hasOwnProperty toString prototype</body></html>"},
      Html("lang.htm", std::string(300, 'L'), std::string(2000, 'D') + " Ende",
           std::string(45, 'w') + " " + std::string(40, 'v') + " kurz " +
               [] {
                 std::string many;
                 for (int i = 0; i < 400; ++i) many += "wort" + std::to_string(i) + " ";
                 return many;
               }()),
      {kHost + "ohne-ende.htm", "<title>Titel ohne Ende <meta name=\"description\" content=\"abgeschnitten"},
  };
  return site;
}

namespace {

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// A page in UTF-8: its declaration goes first in the head.
Page Utf8Html(const std::string& declaration, const std::string& path, std::u8string_view title,
              std::u8string_view description, std::u8string_view body) {
  Page page = Html(path, U8(title), U8(description), U8(body));
  if (declaration == "\xEF\xBB\xBF")
    page.html.insert(0, declaration);
  else
    page.html.insert(page.html.find("<head>") + 6, declaration);
  return page;
}

}  // namespace

const std::vector<Page>& Utf8Site() {
  static const std::vector<Page> site = {
      Utf8Html("<meta charset=\"utf-8\">", "handbuch/uebersetzung.htm", u8"\u00DCbersetzungen",
               u8"Wie die Seiten \u00FCbersetzt werden.",
               u8"\u00DCbersetzt wird jede Seite des Handbuchs. Gr\u00F6\u00DFere \u00C4nderungen pr\u00FCft "
               u8"das Team in \u0141\u00F3d\u017A."),
      Utf8Html("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">", "handbuch/pakete.htm",
               u8"Pakete und Abh\u00E4ngigkeiten", u8"Was ein Paket \u00FCber andere wei\u00DF.",
               u8"Abh\u00E4ngigkeiten werden gepr\u00FCft \u2013 \u00FCbersetzt sind die Beschreibungen auch."),
      Utf8Html("\xEF\xBB\xBF", "handbuch/start.htm", u8"\u00DCber das Handbuch", u8"",
               u8"Dieses Handbuch erkl\u00E4rt die Grundlagen f\u00FCr Einsteiger."),
  };
  return site;
}

const std::vector<Page>& BackslashLinkSite() {
  static const std::vector<Page> site = {
      {kHost + "bilder\\xmas.htm", "<title>Backslash im Link</title>Weihnachten"},
      {kHost + "ordner\\unter.htm", "<title>Noch einer</title>Unterordner"},
  };
  return site;
}

std::vector<Page> BenchSite(int pageCount) {
  sitegen::Random random(0x5EA4C4);
  const std::vector<std::string> vocabulary = sitegen::Vocabulary(random, 20000);
  std::vector<Page> site;
  site.reserve(static_cast<std::size_t>(pageCount));
  for (int i = 0; i < pageCount; ++i) {
    const std::string path = "bereich" + std::to_string(i % 40) + "/seite" + std::to_string(i) + ".htm";
    site.push_back({kHost + path, sitegen::Page(random, vocabulary, {.bytes = 2 * 1024})});
  }
  return site;
}

}  // namespace search
