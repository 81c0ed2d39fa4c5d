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
    {IDS_SEC_EINSTELLUNGEN, "Einstellungen"},
    {IDS_KEY_SCHLAGWORTBREITE_MIN, "SchlagwortbreiteMin"},
    {IDS_KEY_SCHLAGWORTBREITE_MAX, "SchlagwortbreiteMax"},
    {IDS_KEY_ANZAHL_SCHLAGWORTE_MAX, "AnzahlSchlagworteMax"},
    {IDS_KEY_SCHLAGWORTBREITE_VERWENDEN, "SchlagwortbreiteVerwenden"},
    {IDS_KEY_ANZAHL_SCHLAGWORTE_VERWENDEN, "AnzahlSchlagworteVerwenden"},
    {IDS_KEY_OLE_AUTOMATION_VERWENDEN, "OLEAutomationVerwenden"},
    {IDS_KEY_OLE_AUTO_PDF_VERWENDEN, "OLEAutoPDFVerwenden"},
    {IDS_KEY_OLE_AUTO_DOC_VERWENDEN, "OLEAutoDOCVerwenden"},
    {IDS_KEY_OLE_AUTO_XLS_VERWENDEN, "OLEAutoXLSVerwenden"},
    {IDS_KEY_OLE_AUTO_PPT_VERWENDEN, "OLEAutoPPTVerwenden"},
    {IDS_KEY_UPDATE_HTML_DATEI, "UpdateHTMLDatei"},
    {IDS_KEY_EXCLUDE_DATEIENDUNGEN, "ExcludeDateiendungen"},
    {IDS_KEY_DOKUMENTE_VERZEICHNIS, "DokumenteVerzeichnis"},
    {IDS_KEY_VORLAGEN_VERZEICHNIS, "VorlagenVerzeichnis"},
    {IDS_KEY_STOPWORT_LISTE, "StopwortListe"},
    {IDS_KEY_STOPZEICHEN_LISTE, "StopzeichenListe"},
    {IDS_KEY_RAHMEN, "Rahmen"},
    {IDS_KEY_RAHMEN_VERZEICHNIS, "RahmenVerzeichnis"},
    {IDS_KEY_GEMEINSAMES_RAHMEN_VERZEICHNIS, "GemeinsamesRahmenVerzeichnis"},
    {IDS_DEF_DRIVE, "C:"},
    {IDS_DEF_VORLAGEN, "vorlage"},
    {IDS_DEF_STOPWORT_LISTE, "stopword.lst"},
    {IDS_DEF_STOPZEICHEN_LISTE, "stopchars.lst"},
    {IDS_DEF_RAHMEN, "extract.htm"},
    {IDS_DEF_EXCLUDE,
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
  const std::string sec = T(IDS_SEC_EINSTELLUNGEN);
  const std::string drive = T(IDS_DEF_DRIVE);
  const std::string vorlagen = programDir + T(IDS_DEF_VORLAGEN);

  s.SchlagwortbreiteMin = ini.ReadInteger(sec, T(IDS_KEY_SCHLAGWORTBREITE_MIN), 3);
  s.SchlagwortbreiteMax = ini.ReadInteger(sec, T(IDS_KEY_SCHLAGWORTBREITE_MAX), 40);
  s.AnzahlSchlagworteMax = ini.ReadInteger(sec, T(IDS_KEY_ANZAHL_SCHLAGWORTE_MAX), 160);
  s.SchlagwortbreiteVerwenden = ini.ReadBool(sec, T(IDS_KEY_SCHLAGWORTBREITE_VERWENDEN), true);
  s.AnzahlSchlagworteVerwenden = ini.ReadBool(sec, T(IDS_KEY_ANZAHL_SCHLAGWORTE_VERWENDEN), true);
  s.OLEAutomationVerwenden = ini.ReadBool(sec, T(IDS_KEY_OLE_AUTOMATION_VERWENDEN), false);
  s.OLEAutoPDFVerwenden = ini.ReadBool(sec, T(IDS_KEY_OLE_AUTO_PDF_VERWENDEN), true);
  s.OLEAutoDOCVerwenden = ini.ReadBool(sec, T(IDS_KEY_OLE_AUTO_DOC_VERWENDEN), true);
  s.OLEAutoXLSVerwenden = ini.ReadBool(sec, T(IDS_KEY_OLE_AUTO_XLS_VERWENDEN), true);
  s.OLEAutoPPTVerwenden = ini.ReadBool(sec, T(IDS_KEY_OLE_AUTO_PPT_VERWENDEN), true);
  s.UpdateHTMLDatei = ini.ReadBool(sec, T(IDS_KEY_UPDATE_HTML_DATEI), false);
  s.ExcludeDateiendungen = ini.ReadString(sec, T(IDS_KEY_EXCLUDE_DATEIENDUNGEN), T(IDS_DEF_EXCLUDE));
  s.DokumenteVerzeichnis = ini.ReadString(sec, T(IDS_KEY_DOKUMENTE_VERZEICHNIS), drive);
  const bool documentsReplaced =
      !ini.ValueExists(sec, T(IDS_KEY_DOKUMENTE_VERZEICHNIS)) || !dirExists(s.DokumenteVerzeichnis);
  if (documentsReplaced) s.DokumenteVerzeichnis = drive;
  s.VorlagenVerzeichnis = ini.ReadString(sec, T(IDS_KEY_VORLAGEN_VERZEICHNIS), vorlagen);
  if (!dirExists(s.VorlagenVerzeichnis)) s.VorlagenVerzeichnis = vorlagen;
  s.StopwortListe = ini.ReadString(sec, T(IDS_KEY_STOPWORT_LISTE), T(IDS_DEF_STOPWORT_LISTE));
  s.StopzeichenListe = ini.ReadString(sec, T(IDS_KEY_STOPZEICHEN_LISTE), T(IDS_DEF_STOPZEICHEN_LISTE));
  s.Rahmen = ini.ReadString(sec, T(IDS_KEY_RAHMEN), T(IDS_DEF_RAHMEN));
  s.RahmenVerzeichnis = ini.ReadString(sec, T(IDS_KEY_RAHMEN_VERZEICHNIS), drive);
  s.GemeinsamesRahmenVerzeichnis = ini.ReadBool(sec, T(IDS_KEY_GEMEINSAMES_RAHMEN_VERZEICHNIS), false);
  return documentsReplaced;
}

void WriteProjectSettings(platform::TIniFile& ini, const ProjectSettings& s) {
  const std::string sec = T(IDS_SEC_EINSTELLUNGEN);
  ini.WriteInteger(sec, T(IDS_KEY_SCHLAGWORTBREITE_MIN), s.SchlagwortbreiteMin);
  ini.WriteInteger(sec, T(IDS_KEY_SCHLAGWORTBREITE_MAX), s.SchlagwortbreiteMax);
  ini.WriteInteger(sec, T(IDS_KEY_ANZAHL_SCHLAGWORTE_MAX), s.AnzahlSchlagworteMax);
  ini.WriteBool(sec, T(IDS_KEY_SCHLAGWORTBREITE_VERWENDEN), s.SchlagwortbreiteVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_ANZAHL_SCHLAGWORTE_VERWENDEN), s.AnzahlSchlagworteVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_UPDATE_HTML_DATEI), s.UpdateHTMLDatei);
  ini.WriteBool(sec, T(IDS_KEY_OLE_AUTOMATION_VERWENDEN), s.OLEAutomationVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_OLE_AUTO_PDF_VERWENDEN), s.OLEAutoPDFVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_OLE_AUTO_DOC_VERWENDEN), s.OLEAutoDOCVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_OLE_AUTO_XLS_VERWENDEN), s.OLEAutoXLSVerwenden);
  ini.WriteBool(sec, T(IDS_KEY_OLE_AUTO_PPT_VERWENDEN), s.OLEAutoPPTVerwenden);
  ini.WriteString(sec, T(IDS_KEY_EXCLUDE_DATEIENDUNGEN), s.ExcludeDateiendungen);
  ini.WriteString(sec, T(IDS_KEY_DOKUMENTE_VERZEICHNIS), s.DokumenteVerzeichnis);
  ini.WriteString(sec, T(IDS_KEY_VORLAGEN_VERZEICHNIS), s.VorlagenVerzeichnis);
  ini.WriteString(sec, T(IDS_KEY_STOPWORT_LISTE), s.StopwortListe);
  ini.WriteString(sec, T(IDS_KEY_STOPZEICHEN_LISTE), s.StopzeichenListe);
  ini.WriteString(sec, T(IDS_KEY_RAHMEN), s.Rahmen);
}

void WriteFrameSettings(platform::TIniFile& ini, const ProjectSettings& s) {
  const std::string sec = T(IDS_SEC_EINSTELLUNGEN);
  ini.WriteString(sec, T(IDS_KEY_RAHMEN_VERZEICHNIS), s.RahmenVerzeichnis);
  ini.WriteBool(sec, T(IDS_KEY_GEMEINSAMES_RAHMEN_VERZEICHNIS), s.GemeinsamesRahmenVerzeichnis);
}

}  // namespace tessarel
