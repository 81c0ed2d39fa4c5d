// The stored-form parser on any text, against a schema of its own that has
// every kind of value, placement and container: it parses or names a line;
// what it parses holds only what the schema allows.
#include <array>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "platform/gui/FormLayout.h"

namespace {

using namespace platform;

constexpr std::array<std::string_view, 3> kAlign = {"left", "center", "right"};
constexpr std::array<std::string_view, 3> kIcons = {"system", "minimize", "maximize"};
constexpr std::array<std::string_view, 2> kFocusable = {"Edit", "Box"};

bool NoTab(std::string_view value, std::string& why) {
  if (value.find('\t') == std::string_view::npos) return true;
  why = "TAB";
  return false;
}

constexpr std::array<PropSpec, 4> kFormProps = {{
    {"Caption", PropType::Text},
    {"ClientWidth", PropType::Int},
    {"BorderIcons", PropType::WordList, kIcons},
    {"Font", PropType::Font},
}};
constexpr std::array<PropSpec, 3> kControlProps = {{
    {"Bounds", PropType::Bounds},
    {"Visible", PropType::Bool},
    {"Hint", PropType::Text, {}, false, nullptr, NoTab},
}};
constexpr std::array<PropSpec, 3> kLabelProps = {{
    {"Caption", PropType::Text},
    {"Alignment", PropType::Word, kAlign},
    {"FocusControl", PropType::Ref, kFocusable},
}};
constexpr std::array<PropSpec, 1> kEditProps = {{{"Text", PropType::Text, {}, true}}};
constexpr std::array<PropSpec, 1> kListProps = {{{"Item", PropType::Lines}}};
constexpr std::array<PropSpec, 1> kTimerProps = {{{"Interval", PropType::Int}}};
constexpr std::array<PropSpec, 1> kMenuProps = {{{"Caption", PropType::Text}}};

class Schema : public LayoutSchema {
 public:
  Schema() {
    kinds_ = {
        {"Label", Placement::Window, Holds::Nothing, {kLabelProps}},
        {"Edit", Placement::Window, Holds::Nothing, {kEditProps}},
        {"Box", Placement::Window, Holds::Nothing, {kListProps}},
        {"Panel", Placement::Window, Holds::Controls, {}},
        {"Pages", Placement::Window, Holds::Listed, {}},
        {"Sheet", Placement::Window, Holds::Controls, {}, {"Pages"}, false},
        {"Timer", Placement::Form, Holds::Nothing, {kTimerProps}},
        {"Menu", Placement::Form, Holds::Nothing, {}},
        {"MenuItem", Placement::Menu, Holds::Nothing, {kMenuProps}, {"Menu", "MenuItem"}},
    };
  }
  const KindSchema* FindKind(std::string_view kind) const override {
    for (const KindSchema& k : kinds_)
      if (k.kind == kind) return &k;
    return nullptr;
  }
  std::span<const PropSpec> FormProps() const override { return kFormProps; }
  std::span<const PropSpec> ControlProps() const override { return kControlProps; }

 private:
  std::vector<KindSchema> kinds_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Schema schema;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const LayoutParseResult r = ParseFormLayout(text, schema);
  if (!r.layout) {
    FUZZ_CHECK(!r.error.empty());
    FUZZ_CHECK(r.line >= 0);
    return 0;
  }
  FUZZ_CHECK(r.error.empty());
  const FormLayout& layout = *r.layout;
  for (const LayoutObject& c : layout.components) {
    const KindSchema* kind = schema.FindKind(c.kind);
    FUZZ_CHECK(kind != nullptr);
    FUZZ_CHECK(layout.Find(c.name) != nullptr);
    if (!c.parent.empty()) FUZZ_CHECK(layout.Find(c.parent) != nullptr);
    for (const auto& [name, value] : c.properties) {
      FUZZ_CHECK(schema.FindProp(*kind, name) != nullptr);
      (void)value;
    }
    if (const auto bounds = c.Bounds()) (void)bounds->width;
    (void)c.Font();
    (void)c.Words("Item");
  }
  return 0;
}
