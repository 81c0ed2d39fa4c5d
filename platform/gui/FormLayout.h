#pragma once
// The stored layout of a form: the text that a FORM resource holds, and its
// parser. Pure: no windows, no I/O; the text is code page 1252 (the form code
// converts the UTF-8 resource before parsing). Which kinds exist and which
// properties each takes comes from a schema (LayoutSchema): the window half
// of the library builds it from the registered control kinds
// (ControlKind.h), each of which documents its own properties.
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
// sign), true/false, words from the property's list, names of other
// components, or texts in double quotes where \" \\ \r \n \t stand for a
// quote, a backslash, CR, LF and TAB. A list property (the entries of a list
// box, the lines of a memo) takes one `Item = "..."` line per entry, in order.
// Names, kinds, words and property names are case-sensitive. Indenting is
// for the reader only.
//
// A layout stores what the design sets, mostly what differs from the kind's
// default. Re-reading a layout into a live form (the language switch)
// replaces exactly the properties a layout stores and leaves everything else
// as the program set it (a label's text set at run time stays unless the
// layout stores a Caption for it).
//
// A layout that adds to another form's layout (a form class derived from
// another) names it: `BaseForm = "THinweisDlg"`. Building it by its own name
// reads the base layout first, then this one, which changes stored
// properties of inherited components and adds its own; the form's client
// size it need not repeat.
//
// The order of the components is their creation order and so their tab order.
// A component inside a container (group box, panel, tab sheet; a menu item
// inside its menu or parent item) names it with `Parent = name`; the
// container must come earlier. Properties that name another component (a
// label's FocusControl, a control's PopupMenu) may name one further down.
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

class Component;

struct LayoutBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const LayoutBounds&) const = default;
};

struct LayoutFont {
  std::string face;
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
};

// int: numbers; bool: true/false; string: texts, words and names; vector:
// word lists and list properties.
using LayoutValue = std::variant<int, bool, std::string, LayoutBounds, LayoutFont, std::vector<std::string>>;

enum class PropType {
  Int,
  Bool,
  Text,      // a quoted text
  Word,      // one word of the property's list
  Bounds,    // left top width height
  Font,      // "face" size [bold] [italic]
  WordList,  // words of the property's list, or none
  Lines,     // one quoted text per line, repeated: gathered into a list
  Ref,       // the name of another component (of the kinds the list names)
};

// Applies a stored value to a component; the window half fills it in. The
// parser never calls it.
using ApplyProperty = void (*)(Component& component, const LayoutValue& value);

struct PropSpec {
  std::string_view name;
  PropType type;
  std::span<const std::string_view> words = {};  // Word, WordList: the allowed words; Ref: the allowed kinds
  bool required = false;
  ApplyProperty apply = nullptr;
  // A further check of a text value (a shortcut's spelling): false with a
  // reason when the value does not fit.
  bool (*check)(std::string_view value, std::string& why) = nullptr;
};

// Where a kind may stand.
enum class Placement {
  Window,  // in the form's client area or inside a container: takes Bounds
  Menu,    // inside a menu or a menu item
  Form,    // on the form itself, without a window of its own (timers, menus)
};

// What a kind holds when it is named as a Parent.
enum class Holds {
  Nothing,
  Controls,  // any kind placed in windows (group box, panel, tab sheet)
  Listed,    // only kinds that name it among their parents (page control: tab sheets)
};

struct KindSchema {
  std::string_view kind;
  Placement placement = Placement::Window;
  Holds holds = Holds::Nothing;
  // The property tables, base kinds' first. A kind placed in windows also
  // takes the common control properties (Bounds, Visible, ...).
  std::vector<std::span<const PropSpec>> props;
  // The kinds this one must stand in (a tab sheet in a page control); empty:
  // any container of its placement, or the form itself.
  std::vector<std::string_view> parents;
  // Whether Bounds must be stored (a tab sheet takes its page control's).
  bool boundsRequired = true;
};

// Which kinds exist: the registered control kinds in the programs.
class LayoutSchema {
 public:
  virtual ~LayoutSchema() = default;
  virtual const KindSchema* FindKind(std::string_view kind) const = 0;
  // The form's own properties and the common ones of every windowed kind.
  virtual std::span<const PropSpec> FormProps() const = 0;
  virtual std::span<const PropSpec> ControlProps() const = 0;

  const PropSpec* FindProp(const KindSchema& kind, std::string_view name) const;
  bool IsContainer(std::string_view kind) const;
};

// The form itself or one of its components, as stored.
struct LayoutObject {
  std::string kind;    // "Form", "Label", ...
  std::string name;    // class name of the form, component name otherwise
  std::string parent;  // containing component; "" for the form itself
  int line = 0;        // where it starts, for messages
  std::map<std::string, LayoutValue, std::less<>> properties;

  bool Has(std::string_view property) const { return properties.find(property) != properties.end(); }
  // Each gives nothing when the property is not stored.
  std::optional<int> Int(std::string_view property) const;
  std::optional<bool> Bool(std::string_view property) const;
  std::optional<std::string> Text(std::string_view property) const;  // texts, words and names
  std::optional<std::vector<std::string>> Words(std::string_view property) const;  // word lists and lines
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

LayoutParseResult ParseFormLayout(std::string_view text, const LayoutSchema& schema);

}  // namespace platform
