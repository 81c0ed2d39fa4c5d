#include "tessarel/ProjectFile.h"

#include <array>

namespace tessarel {

namespace {

struct FixedText {
  unsigned number;
  const char* text;
};

// As the string table spells them (a check under Wine keeps them alike).
constexpr FixedText kTexts[] = {
    {txt::kSecEinstellungen, "Einstellungen"},
    {txt::kKeySchlagwortbreiteMin, "SchlagwortbreiteMin"},
    {txt::kKeySchlagwortbreiteMax, "SchlagwortbreiteMax"},
    {txt::kKeyAnzahlSchlagworteMax, "AnzahlSchlagworteMax"},
    {txt::kKeySchlagwortbreiteVerwenden, "SchlagwortbreiteVerwenden"},
    {txt::kKeyAnzahlSchlagworteVerwenden, "AnzahlSchlagworteVerwenden"},
    {txt::kKeyOLEAutomationVerwenden, "OLEAutomationVerwenden"},
    {txt::kKeyOLEAutoPDFVerwenden, "OLEAutoPDFVerwenden"},
    {txt::kKeyOLEAutoDOCVerwenden, "OLEAutoDOCVerwenden"},
    {txt::kKeyOLEAutoXLSVerwenden, "OLEAutoXLSVerwenden"},
    {txt::kKeyOLEAutoPPTVerwenden, "OLEAutoPPTVerwenden"},
    {txt::kKeyUpdateHTMLDatei, "UpdateHTMLDatei"},
    {txt::kKeyExcludeDateiendungen, "ExcludeDateiendungen"},
    {txt::kKeyDokumenteVerzeichnis, "DokumenteVerzeichnis"},
    {txt::kKeyVorlagenVerzeichnis, "VorlagenVerzeichnis"},
    {txt::kKeyStopwortListe, "StopwortListe"},
    {txt::kKeyStopzeichenListe, "StopzeichenListe"},
    {txt::kKeyRahmen, "Rahmen"},
    {txt::kKeyRahmenVerzeichnis, "RahmenVerzeichnis"},
    {txt::kKeyGemeinsamesRahmenVerzeichnis, "GemeinsamesRahmenVerzeichnis"},
    {txt::kDefDrive, "C:"},
    {txt::kDefVorlagen, "vorlage"},
    {txt::kDefStopwortListe, "stopword.lst"},
    {txt::kDefStopzeichenListe, "stopchars.lst"},
    {txt::kDefRahmen, "extract.htm"},
    {txt::kDefExclude,
     ",*~,~,~*,pdf,ps,eps,ai,cdr,wmf,cgm,tif,gif,jpg,bmp,pcx,js,exe,com,dll,res,lib,ico,bat,zip,lzh,arj,rar,ini,cfg,"
     "diz,sql,pas,dpr,dcu,dfm,dsm,mak,c,h,ico,bin,obj,cpp,hpp,hlp,txt,bak,wbk,lnk,xls,js,dot,sql,pas,dpr,bas,ocx,tlb,"
     "db,fon,deu,abt,ddd,did,pdd,plc,stp,trn,pdx,txt,log,eml,jar,jsp,asp,mdb,idx,dat,sh,css,class,java,xml"},
};

constexpr auto kNumbers = [] {
  std::array<unsigned, std::size(kTexts)> numbers{};
  for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = kTexts[i].number;
  return numbers;
}();

std::string T(unsigned number) { return ProjectFileText(number); }

}  // namespace

std::string ProjectFileText(unsigned number) {
  for (const FixedText& t : kTexts)
    if (t.number == number) return t.text;
  return {};
}

std::span<const unsigned> ProjectFileTextNumbers() { return kNumbers; }

bool ReadProjectSettings(const platform::TIniFile& ini, ProjectSettings& s, const std::string& programDir,
                         const std::function<bool(const std::string&)>& dirExists) {
  using namespace txt;
  const std::string sec = T(kSecEinstellungen);
  const std::string drive = T(kDefDrive);
  const std::string vorlagen = programDir + T(kDefVorlagen);

  s.SchlagwortbreiteMin = ini.ReadInteger(sec, T(kKeySchlagwortbreiteMin), 3);
  s.SchlagwortbreiteMax = ini.ReadInteger(sec, T(kKeySchlagwortbreiteMax), 40);
  s.AnzahlSchlagworteMax = ini.ReadInteger(sec, T(kKeyAnzahlSchlagworteMax), 160);
  s.SchlagwortbreiteVerwenden = ini.ReadBool(sec, T(kKeySchlagwortbreiteVerwenden), true);
  s.AnzahlSchlagworteVerwenden = ini.ReadBool(sec, T(kKeyAnzahlSchlagworteVerwenden), true);
  s.OLEAutomationVerwenden = ini.ReadBool(sec, T(kKeyOLEAutomationVerwenden), false);
  s.OLEAutoPDFVerwenden = ini.ReadBool(sec, T(kKeyOLEAutoPDFVerwenden), true);
  s.OLEAutoDOCVerwenden = ini.ReadBool(sec, T(kKeyOLEAutoDOCVerwenden), true);
  s.OLEAutoXLSVerwenden = ini.ReadBool(sec, T(kKeyOLEAutoXLSVerwenden), true);
  s.OLEAutoPPTVerwenden = ini.ReadBool(sec, T(kKeyOLEAutoPPTVerwenden), true);
  s.UpdateHTMLDatei = ini.ReadBool(sec, T(kKeyUpdateHTMLDatei), false);
  s.ExcludeDateiendungen = ini.ReadString(sec, T(kKeyExcludeDateiendungen), T(kDefExclude));
  s.DokumenteVerzeichnis = ini.ReadString(sec, T(kKeyDokumenteVerzeichnis), drive);
  const bool documentsReplaced =
      !ini.ValueExists(sec, T(kKeyDokumenteVerzeichnis)) || !dirExists(s.DokumenteVerzeichnis);
  if (documentsReplaced) s.DokumenteVerzeichnis = drive;
  s.VorlagenVerzeichnis = ini.ReadString(sec, T(kKeyVorlagenVerzeichnis), vorlagen);
  if (!dirExists(s.VorlagenVerzeichnis)) s.VorlagenVerzeichnis = vorlagen;
  s.StopwortListe = ini.ReadString(sec, T(kKeyStopwortListe), T(kDefStopwortListe));
  s.StopzeichenListe = ini.ReadString(sec, T(kKeyStopzeichenListe), T(kDefStopzeichenListe));
  s.Rahmen = ini.ReadString(sec, T(kKeyRahmen), T(kDefRahmen));
  s.RahmenVerzeichnis = ini.ReadString(sec, T(kKeyRahmenVerzeichnis), drive);
  s.GemeinsamesRahmenVerzeichnis = ini.ReadBool(sec, T(kKeyGemeinsamesRahmenVerzeichnis), false);
  return documentsReplaced;
}

void WriteProjectSettings(platform::TIniFile& ini, const ProjectSettings& s) {
  using namespace txt;
  const std::string sec = T(kSecEinstellungen);
  ini.WriteInteger(sec, T(kKeySchlagwortbreiteMin), s.SchlagwortbreiteMin);
  ini.WriteInteger(sec, T(kKeySchlagwortbreiteMax), s.SchlagwortbreiteMax);
  ini.WriteInteger(sec, T(kKeyAnzahlSchlagworteMax), s.AnzahlSchlagworteMax);
  ini.WriteBool(sec, T(kKeySchlagwortbreiteVerwenden), s.SchlagwortbreiteVerwenden);
  ini.WriteBool(sec, T(kKeyAnzahlSchlagworteVerwenden), s.AnzahlSchlagworteVerwenden);
  ini.WriteBool(sec, T(kKeyUpdateHTMLDatei), s.UpdateHTMLDatei);
  ini.WriteBool(sec, T(kKeyOLEAutomationVerwenden), s.OLEAutomationVerwenden);
  ini.WriteBool(sec, T(kKeyOLEAutoPDFVerwenden), s.OLEAutoPDFVerwenden);
  ini.WriteBool(sec, T(kKeyOLEAutoDOCVerwenden), s.OLEAutoDOCVerwenden);
  ini.WriteBool(sec, T(kKeyOLEAutoXLSVerwenden), s.OLEAutoXLSVerwenden);
  ini.WriteBool(sec, T(kKeyOLEAutoPPTVerwenden), s.OLEAutoPPTVerwenden);
  ini.WriteString(sec, T(kKeyExcludeDateiendungen), s.ExcludeDateiendungen);
  ini.WriteString(sec, T(kKeyDokumenteVerzeichnis), s.DokumenteVerzeichnis);
  ini.WriteString(sec, T(kKeyVorlagenVerzeichnis), s.VorlagenVerzeichnis);
  ini.WriteString(sec, T(kKeyStopwortListe), s.StopwortListe);
  ini.WriteString(sec, T(kKeyStopzeichenListe), s.StopzeichenListe);
  ini.WriteString(sec, T(kKeyRahmen), s.Rahmen);
}

void WriteFrameSettings(platform::TIniFile& ini, const ProjectSettings& s) {
  using namespace txt;
  const std::string sec = T(kSecEinstellungen);
  ini.WriteString(sec, T(kKeyRahmenVerzeichnis), s.RahmenVerzeichnis);
  ini.WriteBool(sec, T(kKeyGemeinsamesRahmenVerzeichnis), s.GemeinsamesRahmenVerzeichnis);
}

}  // namespace tessarel
