#include "desktop/beschreibung.h"

#include "core/HelpContexts.h"
#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/CommandLine.h"
#include "coregui/projektVerwaltung.h"
#include "desktop/DescriptionText.h"
#include "platform/gui/Dialogs.h"

namespace desktop {

namespace {
constexpr int kPageLineLength = 60;
}  // namespace

TBeschreibungDlg::TBeschreibungDlg(core::TProjekt& project, std::vector<std::string> layouts,
                                   DialogServices services)
    : Form(std::move(layouts)),
      lblDateiname(Find<platform::Label>("lblDateiname")),
      meoBeschreibung(Find<platform::Memo>("meoBeschreibung")),
      Button1(Find<platform::Button>("Button1")),
      Button2(Find<platform::Button>("Button2")),
      Button3(Find<platform::Button>("Button3")),
      Button4(Find<platform::Button>("Button4")),
      Button5(Find<platform::Button>("Button5")),
      Button6(Find<platform::Button>("Button6")),
      btnok(Find<platform::Button>("btnok")),
      CancelBtn(Find<platform::Button>("CancelBtn")),
      BitBtn5(Find<platform::Button>("BitBtn5")),
      project_(project),
      services_(std::move(services)) {
  const std::pair<platform::Button*, DescriptionTag> tags[] = {
      {&Button1, DescriptionTag::Bold},      {&Button2, DescriptionTag::Italic},
      {&Button3, DescriptionTag::Underline}, {&Button4, DescriptionTag::Small},
      {&Button5, DescriptionTag::LineBreak}, {&Button6, DescriptionTag::Paragraph}};
  for (const auto& [button, tag] : tags) {
    button->OnClick = [this, tag] {
      meoBeschreibung.SetSelText(WrapSelection(tag, meoBeschreibung.SelText()));
      meoBeschreibung.SetFocus();
    };
  }
  BitBtn5.OnClick = [this] { BitBtn5Click(); };
  OnShow = [this] { meoBeschreibung.SetFocus(); };
}

void TBeschreibungDlg::EditPageDescription(int position, bool& cancel) {
  core::TSchlagwortDatei& page = *project_.Pages().at(static_cast<size_t>(position));
  const std::string start = core::Text().DecodeEntities(page.description);
  const std::string pageLine =
      core::FormatStr(core::LoadStr(core::Txt::FmtPageLine),
                      {project_.PageName(page), std::to_string(position),
                       std::to_string(static_cast<int>(project_.Pages().size()) - 1)});
  const std::string result = ShowPageDescription(start, pageLine, cancel);
  if (cancel) return;
  page.description = StoredDescription(result);
  if (result != start) page.manualDescription = page.description;
}

std::string TBeschreibungDlg::ShowPageDescription(const std::string& text, const std::string& pageLine,
                                                  bool& cancel) {
  meoBeschreibung.SetText(text);
  lblDateiname.SetCaption(core::Text().ShortenUrl(pageLine, kPageLineLength));
  cancel = ShowModal() != platform::mrOk;
  return cancel ? text : meoBeschreibung.Text();
}

void TBeschreibungDlg::BitBtn5Click() {
  if (services_.openInBrowser) services_.openInBrowser(core::HelpPagePath(core::ProgramDirectory(), core::helppage::kBeschreibung));
}

}  // namespace desktop
