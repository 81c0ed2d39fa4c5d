#include "coregui/indexErzeugen.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/PageSource.h"
#include "core/Profile.h"
#include "core/ReviewDialogs.h"
#include "core/Schlagworte.h"
#include "core/TText.h"
#include "core/TextFile.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/PageParser.h"
#include "coregui/Retry.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Clock.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Dialogs.h"

namespace core {

namespace {

// The label of a page: its name shortened.
constexpr int kLabelWidth = 55;
// Milliseconds between two labels of a pass without file or network steps.
constexpr unsigned kLabelInterval = 50;

std::string ClosingMark() { return LoadStr(Txt::JsClosing); }

// Whether two paths name one file: the same full path (case ignored), or
// the same file reached under another name.
bool SameFile(const std::string& a, const std::string& b) {
  if (platform::SameText(platform::ExpandFileName(a), platform::ExpandFileName(b))) return true;
  auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    return ok;
  };
  BY_HANDLE_FILE_INFORMATION ia{};
  BY_HANDLE_FILE_INFORMATION ib{};
  if (!identify(a, ia) || !identify(b, ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
         ia.nFileIndexLow == ib.nFileIndexLow;
}

std::int64_t TotalWordCharacters(TProjekt& project, bool withGlossary) {
  std::int64_t total = 0;
  for (const auto& page : project.Pages()) {
    total += page->words.TotalLength();
  }
  if (withGlossary) {
    for (const auto& entry : project.GlossaryEntries()) total += static_cast<std::int64_t>(entry->wort.size());
  }
  return total;
}

std::int32_t Clamp32(std::int64_t value) {
  return value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

// Copies the template into the output, line by line, each file step in the
// retry loop; the lines pass the compaction and are counted.
class SectionWriter {
 public:
  SectionWriter(RunContext& run, TextReader& in, TextWriter& out, const std::string& templatePath,
                const std::string& outputPath, bool optimize, std::array<std::string, 3> markers)
      : run_(run),
        in_(in),
        out_(out),
        actEof_(FormatStr(LoadStr(Txt::ActTestEof), {templatePath})),
        actRead_(FormatStr(LoadStr(Txt::ActRead), {templatePath})),
        actWrite_(FormatStr(LoadStr(Txt::ActWrite), {outputPath})),
        optimize_(optimize),
        markers_(std::move(markers)) {}

  // Copies template lines up to and including the marker line, or to the end
  // of the template when it has no such line. Only a whole line is a marker.
  void CopyThrough(const std::string& marker, bool& abort) { Copy(&marker, abort); }
  void CopyRest(bool& abort) { Copy(nullptr, abort); }

  // A generated line: compacted and counted. A line that is not compacted
  // is written as it stands, without a copy.
  void Write(const std::string& line, bool& abort) {
    if (!optimize_) {
      sizes_.plain += static_cast<std::int64_t>(line.size() + 2);
      WriteRaw(line, abort);
      return;
    }
    std::string compacted = line;
    if (OptimizeLine(compacted, optimize_, markers_, sizes_)) WriteRaw(compacted, abort);
  }
  // A constants line: counted, never compacted.
  void WriteCounted(const std::string& line, bool& abort) {
    const auto size = static_cast<std::int64_t>(line.size() + 2);
    sizes_.plain += size;
    if (optimize_) sizes_.optimized += size;
    WriteRaw(line, abort);
  }
  void WriteRaw(const std::string& line, bool& abort) {
    RetryStep(abort, actWrite_, hcWrite, [&] { out_.WriteLine(line); });
  }

  const FileSizes& Sizes() const { return sizes_; }

 private:
  void Copy(const std::string* marker, bool& abort) {
    std::string current;
    for (;;) {
      bool eof = false;
      if (!RetryStep(abort, actEof_, hcTestEof, [&] { eof = in_.Eof(); }) || eof) return;
      if (marker && !marker->empty() && current == *marker) return;
      run_.Pump();
      if (!RetryStep(abort, actRead_, hcRead, [&] { current = in_.ReadLine(); })) return;
      Write(current, abort);
      if (abort) return;
    }
  }

  RunContext& run_;
  TextReader& in_;
  TextWriter& out_;
  std::string actEof_;
  std::string actRead_;
  std::string actWrite_;
  bool optimize_;
  std::array<std::string, 3> markers_;
  FileSizes sizes_;
};

}  // namespace

// --- tJavascript -----------------------------------------------------------------

tJavascript::tJavascript(TProjekt& project, PageSource& pages, ReviewDialogs* dialogs, bool silent)
    : project_(project), silent_(silent), pages_(pages), dialogs_(dialogs) {}

tJavascript::~tJavascript() = default;

std::string tJavascript::PageName(const TSchlagwortDatei& page) const { return project_.PageName(page); }

std::string tJavascript::PageLabel(const TSchlagwortDatei& page) const {
  return Text().ShortenUrl(PageName(page), kLabelWidth);
}

bool tJavascript::UsesGlossary() const { return project_.GetGlossarModus(); }

void tJavascript::FormatKeywordLines(TSchlagwortDatei& page, int n) {
  page.keywordLines.Clear();
  AppendKeywordLines(FormatDescriptor(Descriptor(DescriptorValue::EntryKeywords), std::to_string(n)), page.words,
                     project_.GetOptimiertModus(), page.keywordLines);
}

void tJavascript::FormatUrlLines(TSchlagwortDatei& page, int n) {
  page.urlLines.Clear();
  AppendUrlLines(FormatDescriptor(Descriptor(DescriptorValue::EntryPage), std::to_string(n)), page.url,
                 project_.GetOptimiertModus(), page.urlLines);
}

void tJavascript::FormatDescriptionLines(TSchlagwortDatei& page, int n) {
  page.descriptionLines.Clear();
  AppendDescriptionLines(FormatDescriptor(Descriptor(DescriptorValue::EntryDescription), std::to_string(n)),
                         page.description, project_.GetOptimiertModus(), page.descriptionLines);
}

void tJavascript::WriteFiles(bool& abort) { WriteJavascriptFile(abort); }

void tJavascript::Step() {
  if (position_ < maximum_) ++position_;
  // A bar is narrower than a thousand pixels: finer steps draw nothing new.
  if (position_ == maximum_ || position_ - shown_ >= std::max(1, maximum_ / 1000)) ShowPosition();
  const double percent = std::nearbyint(static_cast<double>(position_) / maximum_ * 100.0);
  std::string title = FormatStr(LoadStr(Txt::FmtTitlePercent),
                                {LoadStr(Txt::ProgramTitle), std::to_string(static_cast<int>(percent))});
  if (title != platform::App().Title()) platform::App().SetTitle(title);
}

void tJavascript::ShowPosition() {
  window_->pbFortschritt.SetPosition(position_);
  shown_ = position_;
}

void tJavascript::TakePosition() {
  position_ = std::min(window_->pbFortschritt.Position(), maximum_);
  shown_ = position_;
}

void tJavascript::ShowLabel(const TSchlagwortDatei& page, bool force) {
  const unsigned now = GetTickCount();
  if (!force && labelShown_ && now - labelTick_ < kLabelInterval) return;
  window_->lblAnzeige.SetCaption(PageLabel(page));
  labelTick_ = now;
  labelShown_ = true;
}

void tJavascript::SetCaption(std::string_view suffix) {
  window_->SetCaption(LoadStr(Txt::ProgramTitle) + std::string(suffix));
}

void tJavascript::Fail(bool& abort) {
  platform::App().SetTitle(LoadStr(Txt::ProgramTitle) + LoadStr(Txt::RunFailed));
  abort = true;
}

bool tJavascript::Cancelled() const { return run_->Cancelled(); }

void tJavascript::Generate(THinweisDlg& window, bool& abort) {
  window_ = &window;
  ProgressRun run(window);
  run_ = &run;
  project_.SetDateiGroesse(0);
  project_.SetDateiGroesseOptimiert(0);
  project_.SetGlossarGroesse(0);
  const ProjectSettings& s = project_.Settings();
  templatePath_ = s.VorlagenVerzeichnis + "\\" + s.JavascriptDatei;
  outputPath_ = s.ZielVerzeichnis + "\\" + s.JavascriptDatei;
  const int pages = static_cast<int>(project_.Pages().size());
  maximum_ = pages * CurrentProfile().runStepsPerPage + 1;
  position_ = 0;
  window.pbFortschritt.SetMax(maximum_);
  ShowPosition();

  if (!Analyse(abort) || !PostProcess(abort)) return;

  project_.DropEmptyPages();
  PagesKept();
  const std::int32_t memory = Clamp32(TotalWordCharacters(project_, UsesGlossary()));
  project_.SetSpeicherGroesse(memory);
  if (UsesGlossary()) {
    BuildGlossary();
    project_.SetSpeicherGroesseMitGlossar(Clamp32(TotalWordCharacters(project_, true)));
  } else {
    project_.SetSpeicherGroesseMitGlossar(memory);
  }
  window.lblAnzeige.SetCaption(std::string());
  SetCaption(LoadStr(Txt::CapFormatting));
  if (!Format(abort)) return;
  ShowPosition();

  SetCaption(LoadStr(Txt::CapFileGeneration));
  WriteFiles(abort);
  if (!abort) PutOutputsInPlace(abort);
  outputs_.clear();
  position_ = maximum_;
  ShowPosition();
  platform::App().SetTitle(FormatStr(LoadStr(Txt::FmtTitlePercent), {LoadStr(Txt::ProgramTitle), "100"}));
}

void tJavascript::PutOutputsInPlace(bool& abort) {
  // One rename after the other: only for that moment does the folder hold
  // old and new files side by side.
  for (TextWriter& out : outputs_) {
    if (!RetryStep(abort, FormatStr(LoadStr(Txt::ActClose), {out.Path()}), hcClose, [&] { out.Commit(); })) return;
  }
}

bool tJavascript::Analyse(bool& abort) {
  auto& pages = project_.Pages();
  for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
    // Reading a page may take long (a fetch): its name shows while it does.
    // A local page is read at once: the label shows a page now and then.
    ShowLabel(*pages[i], !pages_.QuickToRead());
    run_->Pump();
    tParser parser(project_, i, pages_, abort);
    Step();
    if (!abort) parser.ParsePage(*run_, abort);
    if (abort || Cancelled()) {
      ShowPosition();
      Fail(abort);
      return false;
    }
  }
  return true;
}

bool tJavascript::PostProcess(bool& abort) {
  const ProjectSettings& s = project_.Settings();
  SetCaption(LoadStr(s.StopwortListeVerwenden ? Txt::CapStopWords : Txt::CapPostProcessing));
  auto& pages = project_.Pages();
  const int count = static_cast<int>(pages.size());
  for (int j = 0; j < count; ++j) {
    TSchlagwortDatei& page = *pages[j];
    run_->Pump();
    if (Cancelled()) {
      ShowPosition();
      Fail(abort);
      return false;
    }
    const bool reviewWords = !silent_ && dialogs_ && s.GefundeneSchlagworte == 1;
    ShowLabel(page, reviewWords);
    Step();
    project_.RemoveStopWords(j);
    if (silent_ || !dialogs_) continue;
    if (reviewWords) {
      ShowPosition();
      bool cancel = false;
      const std::string pageLine =
          FormatStr(LoadStr(Txt::FmtPageLine), {PageName(page), std::to_string(j), std::to_string(count - 1)});
      dialogs_->EditPageWords(project_, j, pageLine, cancel);
      if (cancel) {
        abort = true;
        return false;
      }
      project_.RemoveStopWords(j);
    }
    if (page.words.Count() > 0 && (s.Beschreibung == 1 || (s.Beschreibung == 2 && page.description.empty()))) {
      ShowLabel(page, true);
      ShowPosition();
      page.CleanDescription();
      bool cancel = false;
      dialogs_->EditPageDescription(project_, j, cancel);
      if (cancel) {
        abort = true;
        return false;
      }
    }
  }
  return true;
}

void tJavascript::BuildGlossary() {
  SetCaption(LoadStr(Txt::CapGlossary));
  ShowPosition();
  project_.BuildGlossary(*window_, *run_);
  TakePosition();
  project_.GlossaryLine();
}

bool tJavascript::Format(bool& abort) {
  auto& pages = project_.Pages();
  for (int k = 0; k < static_cast<int>(pages.size()); ++k) {
    if (Cancelled()) {
      ShowPosition();
      Fail(abort);
      return false;
    }
    TSchlagwortDatei& page = *pages[k];
    run_->Pump();
    Step();
    // The lines themselves are made as they are written: held for every page
    // at once, they would take more memory than the words they are made of.
    page.CleanDescription();
  }
  return true;
}

void tJavascript::WriteJavascriptFile(bool& abort) {
  const ProjectSettings& s = project_.Settings();
  const std::array<std::string, 3> markers = {Descriptor(DescriptorValue::InsertConsts),
                                              Descriptor(DescriptorValue::InsertGlossary),
                                              Descriptor(DescriptorValue::InsertArray)};
  TextReader in;
  TextWriter& out = NewOutput();
  const bool inOpen = RetryStep(abort, FormatStr(LoadStr(Txt::ActOpenRead), {templatePath_}), hcOpenRead,
                                [&] { in.Open(templatePath_); });
  bool outOpen = false;
  if (!abort) {
    if (SameFile(templatePath_, outputPath_)) {
      // Opening the output would empty the template it is copied from.
      platform::MessageDlg(FormatStr(LoadStr(Txt::MsgTemplateIsOutput), {templatePath_}),
                           platform::MsgDlgType::Error, platform::mbOK | platform::mbHelp, hcOpenWrite);
      abort = true;
    } else {
      outOpen = RetryStep(abort, FormatStr(LoadStr(Txt::ActOpenWrite), {outputPath_}), hcOpenWrite,
                          [&] { out.Rewrite(outputPath_); });
    }
  }

  SectionWriter writer(*run_, in, out, templatePath_, outputPath_, s.OptimiertModus, markers);
  if (!abort) writer.CopyThrough(markers[0], abort);
  if (!abort) {
    const platform::TDateTime now = platform::Now();
    project_.SetStand(FormatStr(LoadStr(Txt::FmtStand),
                                {platform::ShortDateString(now), platform::LongTimeString(now)}));
    writer.WriteCounted(FormatDescriptor(Descriptor(DescriptorValue::IndexMax),
                                         std::to_string(static_cast<int>(project_.Pages().size()) - 1)),
                        abort);
    if (!abort) {
      writer.WriteCounted(FormatDescriptor(Descriptor(DescriptorValue::GlossaryMode),
                                           LoadStr(UsesGlossary() ? Txt::JsTrue : Txt::JsFalse)),
                          abort);
    }
    if (!abort) {
      writer.WriteCounted(FormatDescriptor(Descriptor(DescriptorValue::LastUpdate), project_.GetStand()) +
                              ClosingMark() +
                              FormatStr(LoadStr(Txt::JsGeneratedBy),
                                        {LoadStr(Txt::ProgramTitle), LoadStr(Txt::ProgramVersion)}),
                          abort);
    }
  }
  if (!abort && UsesGlossary()) {
    writer.CopyThrough(markers[1], abort);
    auto& lines = project_.GlossaryLines();
    for (int i = 0; i < lines.Count() && !abort; ++i) writer.Write(lines[i], abort);
    if (!abort) writer.WriteRaw(LoadStr(Txt::JsGlossarySplit), abort);
    project_.SetGlossarGroesse(static_cast<std::int32_t>(project_.GlossaryEntries().size()));
  }
  if (!abort) {
    writer.CopyThrough(markers[2], abort);
    auto& pages = project_.Pages();
    for (int k = 0; k < static_cast<int>(pages.size()) && !abort; ++k) {
      TSchlagwortDatei& page = *pages[k];
      run_->Pump();
      FormatKeywordLines(page, k);
      FormatUrlLines(page, k);
      FormatDescriptionLines(page, k);
      for (platform::TStringList* lines : {&page.keywordLines, &page.urlLines, &page.descriptionLines}) {
        for (int i = 0; i < lines->Count() && !abort; ++i) writer.Write((*lines)[i], abort);
        *lines = platform::TStringList();  // its buffer too
      }
    }
  }
  if (!abort) writer.CopyRest(abort);

  if (outOpen) RetryCloseStep(abort, FormatStr(LoadStr(Txt::ActClose), {outputPath_}), hcClose, [&] { out.Close(); });
  if (inOpen) RetryCloseStep(abort, FormatStr(LoadStr(Txt::ActClose), {templatePath_}), hcClose, [&] { in.Close(); });
  project_.SetDateiGroesse(Clamp32(writer.Sizes().plain));
  project_.SetDateiGroesseOptimiert(Clamp32(writer.Sizes().optimized));
}

}  // namespace core
