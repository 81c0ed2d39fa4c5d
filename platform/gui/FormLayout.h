#pragma once
// The stored layout of a form: the text that a FORM resource holds, and its
// parser. Pure: no windows, no I/O; the text is code page 1252 (the form code
// converts the UTF-8 resource before parsing).
//
// Format (one item per line, so that layouts are easy to write and to diff):
//
//   # THinweisDlg: a comment; blank lines and lines starting with # are skipped
//   Form THinweisDlg                 the first item: kind Form, the class name
//     ClientWidth = 379              then the form's own properties
//     ClientHeight = 110
//     BorderStyle = single
//   Label lblAnzeige                 each component: kind and name, followed by
//     Bounds = 8 16 363 13           its properties: left top width height in
//     Alignment = center             pixels, relative to the client area of the
//                                    form or of its Parent
//   Button btnKnopf
//     Bounds = 143 74 93 27
//     Caption = "&Abbrechen"
//
// A property line is `Name = value`. Values are numbers (decimal, optional
// sign), true/false, the words listed below, or texts in double quotes where
// \" \\ \r \n \t stand for a quote, a backslash, CR, LF and TAB. Names,
// kinds, words and property names are case-sensitive. Indenting is for the
// reader only.
//
// A layout stores what the design sets, mostly what differs from the kind's
// default. Re-reading a layout into a live form (the language switch)
// replaces exactly the properties a layout stores and leaves everything else
// as the program set it (a label's text set at run time stays unless the
// layout stores a Caption for it).
//
// The order of the components is their creation order and so their tab order.
// A component inside a group box names it with `Parent = grpName`; the group
// box must come earlier. Later kinds with entries (lists, radio groups) take
// one `Item = "..."` line per entry, in order.
//
// Kinds and their properties (* required):
//   Form         Caption "t", ClientWidth* n, ClientHeight* n, Left n, Top n,
//                BorderStyle sizeable|single|dialog|none|toolwindow,
//                BorderIcons none | system minimize maximize help (any of them),
//                Position designed|screencenter, Font, HelpContext n
//   every control: Bounds* l t w h, Visible b, Enabled b, Parent name,
//                Font "face" size [bold] [italic], HelpContext n
//   Label        Caption, Alignment left|center|right, ShowAccelChar b,
//                Transparent b, WordWrap b
//   Button       Caption, Default b, Cancel b, TabStop b,
//                ModalResult none|ok|cancel|abort|retry|ignore|yes|no|all
//   Edit         Text "t", ReadOnly b, MaxLength n, TabStop b
//   CheckBox     Caption, Checked b, TabStop b
//   GroupBox     Caption (a container: may be a Parent)
//   ProgressBar  Min n, Max n, Position n, Step n
//   Timer        Interval n, Enabled b (a component without a window: no Bounds)
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

struct LayoutBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct LayoutFont {
  std::string face;
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
};

// int: numbers; bool: true/false; string: texts and words; vector: word lists.
using LayoutValue = std::variant<int, bool, std::string, LayoutBounds, LayoutFont, std::vector<std::string>>;

// The form itself or one of its components, as stored.
struct LayoutObject {
  std::string kind;    // "Form", "Label", ...
  std::string name;    // class name of the form, component name otherwise
  std::string parent;  // containing component; "" for the form's client area
  int line = 0;        // where it starts, for messages
  std::map<std::string, LayoutValue, std::less<>> properties;

  bool Has(std::string_view property) const { return properties.find(property) != properties.end(); }
  // Each gives nothing when the property is not stored.
  std::optional<int> Int(std::string_view property) const;
  std::optional<bool> Bool(std::string_view property) const;
  std::optional<std::string> Text(std::string_view property) const;  // texts and words
  std::optional<std::vector<std::string>> Words(std::string_view property) const;
  std::optional<LayoutBounds> Bounds() const;
  std::optional<LayoutFont> Font() const;
};

struct FormLayout {
  LayoutObject form;
  std::vector<LayoutObject> components;  // in the order of the text

  const LayoutObject* Find(std::string_view name) const;
};

struct LayoutParseResult {
  std::optional<FormLayout> layout;  // set when the text parsed
  int line = 0;                      // line of the error (1-based)
  std::string error;                 // "Zeile 3: ..." when it did not
};

LayoutParseResult ParseFormLayout(std::string_view text);

// Kinds that hold other controls.
bool IsContainerKind(std::string_view kind);

}  // namespace platform
