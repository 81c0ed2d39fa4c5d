#include "platform/gui/FormLayout.h"

#include <array>
#include <charconv>
#include <span>

namespace platform {

namespace {

// ---- Tokens of one line -------------------------------------------------

enum class TokType { Word, String, Equals };

struct Token {
  TokType type;
  std::string text;
};

struct Failure {
  std::string message;
};

bool IsWordChar(unsigned char c) {
  // Letters beyond ASCII too, so that an unquoted text is reported as such.
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
         c == '+' || c >= 0x80;
}

std::string Quote(std::string_view s) {
  std::string q;
  q.reserve(s.size() + 2);
  q += '"';
  q.append(s);
  q += '"';
  return q;
}

// Splits a line into words, quoted texts and "=". Returns a message on error.
std::optional<Failure> Tokenize(std::string_view line, std::vector<Token>& out) {
  size_t i = 0;
  while (i < line.size()) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '=') {
      out.push_back({TokType::Equals, "="});
      ++i;
    } else if (c == '"') {
      std::string text;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const auto d = static_cast<unsigned char>(line[i]);
        if (d == '"') {
          closed = true;
          ++i;
          break;
        }
        if (d == '\\') {
          if (i + 1 >= line.size()) break;
          const char e = line[i + 1];
          switch (e) {
            case '"': text += '"'; break;
            case '\\': text += '\\'; break;
            case 'r': text += '\r'; break;
            case 'n': text += '\n'; break;
            case 't': text += '\t'; break;
            default: return Failure{"unbekannte Folge \\" + std::string(1, e) + " im Text"};
          }
          i += 2;
          continue;
        }
        if (d < 0x20) return Failure{"Steuerzeichen im Text"};
        text += static_cast<char>(d);
        ++i;
      }
      if (!closed) return Failure{"Text ohne schlie\xDF" "endes Anf\xFChrungszeichen"};
      out.push_back({TokType::String, std::move(text)});
    } else if (IsWordChar(c)) {
      const size_t start = i;
      while (i < line.size() && IsWordChar(static_cast<unsigned char>(line[i]))) ++i;
      out.push_back({TokType::Word, std::string(line.substr(start, i - start))});
    } else if (c < 0x20 || c == 0x7F) {
      return Failure{"Steuerzeichen in der Zeile"};
    } else {
      return Failure{"unerwartetes Zeichen '" + std::string(1, static_cast<char>(c)) + "'"};
    }
  }
  return std::nullopt;
}

bool IsIdentifier(std::string_view s) {
  if (s.empty()) return false;
  const auto first = static_cast<unsigned char>(s[0]);
  if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || first == '_')) return false;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  }
  return true;
}

// ---- Values -------------------------------------------------------------

std::variant<int, Failure> ParseInt(const Token& t) {
  if (t.type != TokType::Word) return Failure{"Zahl erwartet statt " + Quote(t.text)};
  std::string_view s = t.text;
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) return Failure{"Zahl au\xDF" "erhalb des Bereichs: " + t.text};
  if (ec != std::errc() || end != s.data() + s.size() || s.empty())
    return Failure{"Zahl erwartet statt " + Quote(t.text)};
  return value;
}

bool Allowed(std::span<const std::string_view> words, std::string_view w) {
  for (auto a : words)
    if (a == w) return true;
  return false;
}

std::string AllowedList(std::span<const std::string_view> words) {
  std::string s;
  for (auto w : words) {
    if (!s.empty()) s += ", ";
    s += w;
  }
  return s;
}

std::variant<LayoutValue, Failure> ParseValue(const PropSpec& def, std::span<const Token> v) {
  const std::string prop(def.name);
  auto count = [&](size_t n) -> std::optional<Failure> {
    if (v.size() < n) return Failure{prop + ": Wert fehlt"};
    if (v.size() > n) return Failure{prop + ": zu viele Werte"};
    return std::nullopt;
  };
  switch (def.type) {
    case PropType::Int: {
      if (auto f = count(1)) return *f;
      auto n = ParseInt(v[0]);
      if (auto* f = std::get_if<Failure>(&n)) return Failure{prop + ": " + f->message};
      return LayoutValue(std::get<int>(n));
    }
    case PropType::Bool: {
      if (auto f = count(1)) return *f;
      if (v[0].type == TokType::Word && v[0].text == "true") return LayoutValue(true);
      if (v[0].type == TokType::Word && v[0].text == "false") return LayoutValue(false);
      return Failure{prop + ": true oder false erwartet statt " + Quote(v[0].text)};
    }
    case PropType::Text:
    case PropType::Lines: {
      if (!v.empty() && v[0].type != TokType::String) return Failure{prop + ": Text in Anf\xFChrungszeichen erwartet"};
      if (auto f = count(1)) return *f;
      if (def.check) {
        std::string why;
        if (!def.check(v[0].text, why)) return Failure{prop + ": " + why};
      }
      return LayoutValue(v[0].text);
    }
    case PropType::Word: {
      if (auto f = count(1)) return *f;
      if (v[0].type != TokType::Word || !Allowed(def.words, v[0].text))
        return Failure{prop + ": " + Quote(v[0].text) + " ist keiner der Werte " + AllowedList(def.words)};
      return LayoutValue(v[0].text);
    }
    case PropType::Ref: {
      if (auto f = count(1)) return *f;
      if (v[0].type != TokType::Word || !IsIdentifier(v[0].text)) return Failure{prop + ": Name erwartet"};
      return LayoutValue(v[0].text);
    }
    case PropType::Bounds: {
      if (auto f = count(4)) return Failure{prop + ": vier Zahlen erwartet (links oben Breite H\xF6he)"};
      int n[4];
      for (size_t i = 0; i < 4; ++i) {
        auto r = ParseInt(v[i]);
        if (auto* f = std::get_if<Failure>(&r)) return Failure{prop + ": " + f->message};
        n[i] = std::get<int>(r);
      }
      if (n[2] < 0 || n[3] < 0) return Failure{prop + ": Breite und H\xF6he d\xFCrfen nicht negativ sein"};
      return LayoutValue(LayoutBounds{n[0], n[1], n[2], n[3]});
    }
    case PropType::Font: {
      if (v.size() < 2 || v[0].type != TokType::String)
        return Failure{prop + ": \"Schriftart\" Gr\xF6\xDF" "e [bold] [italic] erwartet"};
      LayoutFont font;
      font.face = v[0].text;
      auto size = ParseInt(v[1]);
      if (auto* f = std::get_if<Failure>(&size)) return Failure{prop + ": " + f->message};
      font.size = std::get<int>(size);
      if (font.size < 1 || font.size > 200) return Failure{prop + ": Schriftgr\xF6\xDF" "e au\xDF" "erhalb 1..200"};
      for (size_t i = 2; i < v.size(); ++i) {
        bool* flag = v[i].text == "bold" ? &font.bold : v[i].text == "italic" ? &font.italic : nullptr;
        if (v[i].type != TokType::Word || !flag)
          return Failure{prop + ": " + Quote(v[i].text) + " ist weder bold noch italic"};
        if (*flag) return Failure{prop + ": " + v[i].text + " doppelt"};
        *flag = true;
      }
      return LayoutValue(font);
    }
    case PropType::WordList: {
      std::vector<std::string> words;
      if (v.size() == 1 && v[0].type == TokType::Word && v[0].text == "none") return LayoutValue(words);
      if (v.empty()) return Failure{prop + ": Wert fehlt (none f\xFCr keinen)"};
      for (const auto& t : v) {
        if (t.type != TokType::Word || !Allowed(def.words, t.text))
          return Failure{prop + ": " + Quote(t.text) + " ist keiner der Werte none, " + AllowedList(def.words)};
        for (const auto& w : words)
          if (w == t.text) return Failure{prop + ": " + t.text + " doppelt"};
        words.push_back(t.text);
      }
      return LayoutValue(std::move(words));
    }
  }
  return Failure{prop + ": unbekannter Typ"};
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

// ---- The parser ---------------------------------------------------------

// A property that names another component, checked once the whole text is read.
struct PendingRef {
  const LayoutObject* owner;
  const PropSpec* spec;
  std::string target;
  int line;
};

struct Parser {
  const LayoutSchema& schema;
  FormLayout layout;
  LayoutObject* current = nullptr;
  const KindSchema* currentKind = nullptr;  // nullptr while the form's own properties are read
  bool haveForm = false;
  std::vector<PendingRef> refs;

  std::optional<Failure> Finish(const LayoutObject& obj, const KindSchema* kind) {
    auto missing = [&](const PropSpec& p) -> std::optional<Failure> {
      if (p.required && !obj.Has(p.name))
        return Failure{obj.kind + " " + obj.name + ": " + std::string(p.name) + " fehlt"};
      return std::nullopt;
    };
    if (!kind) {
      // A layout on a base form takes what it does not store (the client
      // size) from the base.
      if (obj.Has("BaseForm")) return std::nullopt;
      for (const auto& p : schema.FormProps())
        if (auto f = missing(p)) return f;
      return std::nullopt;
    }
    for (const auto& group : kind->props)
      for (const auto& p : group)
        if (auto f = missing(p)) return f;
    if (kind->placement == Placement::Window)
      for (const auto& p : schema.ControlProps()) {
        if (p.type == PropType::Bounds && !kind->boundsRequired) continue;
        if (auto f = missing(p)) return f;
      }
    if ((kind->placement == Placement::Menu || !kind->parents.empty()) && obj.parent.empty())
      return Failure{obj.kind + " " + obj.name + ": Parent fehlt"};
    return std::nullopt;
  }

  std::optional<Failure> Header(const std::vector<Token>& toks) {
    if (toks.size() != 2 || toks[0].type != TokType::Word || toks[1].type != TokType::Word)
      return Failure{"erwartet: Art Name, oder Eigenschaft = Wert"};
    const std::string& kind = toks[0].text;
    const std::string& name = toks[1].text;
    if (!IsIdentifier(name)) return Failure{"ung\xFCltiger Name " + Quote(name)};
    if (!haveForm) {
      if (kind != "Form") return Failure{"das Layout muss mit Form Klassenname beginnen"};
      haveForm = true;
      layout.form.kind = kind;
      layout.form.name = name;
      current = &layout.form;
      currentKind = nullptr;
      return std::nullopt;
    }
    if (kind == "Form") return Failure{"nur ein Form je Layout"};
    const KindSchema* def = schema.FindKind(kind);
    if (!def) return Failure{"unbekannte Art " + Quote(kind)};
    for (const auto& c : layout.components) {
      if (SameNameNoCase(c.name, name))
        return Failure{"Name " + name + " doppelt (zuerst in Zeile " + std::to_string(c.line) + ")"};
    }
    layout.components.push_back(LayoutObject{kind, name, "", 0, {}});
    current = &layout.components.back();
    currentKind = def;
    return std::nullopt;
  }

  std::optional<Failure> SetParent(std::span<const Token> v) {
    const KindSchema& kind = *currentKind;
    if (kind.placement == Placement::Form) return Failure{std::string(kind.kind) + " steht nur im Formular selbst"};
    if (!current->parent.empty()) return Failure{"Parent doppelt"};
    if (v.size() != 1 || v[0].type != TokType::Word || !IsIdentifier(v[0].text)) return Failure{"Parent: Name erwartet"};
    const std::string& parent = v[0].text;
    const LayoutObject* p = layout.Find(parent);
    if (!p || p == current) return Failure{"Parent " + parent + " steht nicht weiter oben"};
    const KindSchema* pk = schema.FindKind(p->kind);
    bool fits = false;
    if (!kind.parents.empty()) {
      for (auto k : kind.parents) fits = fits || k == p->kind;
    } else {
      fits = pk && pk->holds == Holds::Controls && kind.placement == Placement::Window;
    }
    if (!fits) return Failure{"Parent " + parent + " (" + p->kind + ") kann nichts enthalten"};
    current->parent = parent;
    return std::nullopt;
  }

  std::optional<Failure> Property(const std::vector<Token>& toks, int lineNo) {
    if (!current) return Failure{"Eigenschaft vor Form Klassenname"};
    if (toks[0].type != TokType::Word || !IsIdentifier(toks[0].text))
      return Failure{"Name der Eigenschaft erwartet"};
    const std::string& name = toks[0].text;
    const auto values = std::span<const Token>(toks).subspan(2);
    if (name == "Parent" && currentKind) return SetParent(values);
    const PropSpec* def = nullptr;
    if (currentKind) {
      def = schema.FindProp(*currentKind, name);
    } else {
      for (const auto& p : schema.FormProps())
        if (p.name == name) def = &p;
    }
    if (!def) return Failure{current->kind + " kennt die Eigenschaft " + name + " nicht"};
    const bool repeated = def->type == PropType::Lines;
    if (current->Has(name) && !repeated) return Failure{name + " doppelt"};
    auto value = ParseValue(*def, values);
    if (auto* f = std::get_if<Failure>(&value)) return *f;
    LayoutValue& parsed = std::get<LayoutValue>(value);
    if (repeated) {
      auto [it, added] = current->properties.try_emplace(name, std::vector<std::string>{});
      std::get<std::vector<std::string>>(it->second).push_back(std::move(std::get<std::string>(parsed)));
      return std::nullopt;
    }
    if (def->type == PropType::Ref) refs.push_back({current, def, std::get<std::string>(parsed), lineNo});
    current->properties.emplace(name, std::move(parsed));
    return std::nullopt;
  }

  // Names given by properties must stand somewhere in the layout.
  std::optional<std::pair<int, Failure>> CheckRefs() const {
    for (const auto& r : refs) {
      const LayoutObject* target = layout.Find(r.target);
      const std::string prop(r.spec->name);
      if (!target || target == r.owner)
        return std::pair{r.line, Failure{prop + ": " + r.target + " gibt es im Layout nicht"}};
      bool fits = false;
      if (r.spec->words.empty()) {
        const KindSchema* k = schema.FindKind(target->kind);
        fits = k && k->placement == Placement::Window;
      }
      for (auto k : r.spec->words) fits = fits || k == target->kind;
      if (!fits) return std::pair{r.line, Failure{prop + ": " + r.target + " ist ein " + target->kind}};
    }
    return std::nullopt;
  }
};

}  // namespace

const PropSpec* LayoutSchema::FindProp(const KindSchema& kind, std::string_view name) const {
  for (const auto& group : kind.props)
    for (const auto& p : group)
      if (p.name == name) return &p;
  if (kind.placement == Placement::Window)
    for (const auto& p : ControlProps())
      if (p.name == name) return &p;
  return nullptr;
}

bool LayoutSchema::IsContainer(std::string_view kind) const {
  const KindSchema* k = FindKind(kind);
  return k && k->holds != Holds::Nothing;
}

std::optional<int> LayoutObject::Int(std::string_view property) const {
  auto it = properties.find(property);
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<int>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<bool> LayoutObject::Bool(std::string_view property) const {
  auto it = properties.find(property);
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<bool>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<std::string> LayoutObject::Text(std::string_view property) const {
  auto it = properties.find(property);
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<std::string>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<std::vector<std::string>> LayoutObject::Words(std::string_view property) const {
  auto it = properties.find(property);
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<std::vector<std::string>>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<LayoutBounds> LayoutObject::Bounds() const {
  auto it = properties.find("Bounds");
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<LayoutBounds>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<LayoutFont> LayoutObject::Font() const {
  auto it = properties.find("Font");
  if (it == properties.end()) return std::nullopt;
  if (auto* v = std::get_if<LayoutFont>(&it->second)) return *v;
  return std::nullopt;
}

const LayoutObject* FormLayout::Find(std::string_view name) const {
  for (const auto& c : components)
    if (c.name == name) return &c;
  return nullptr;
}

LayoutParseResult ParseFormLayout(std::string_view text, const LayoutSchema& schema) {
  Parser parser{schema};
  LayoutParseResult result;
  auto fail = [&](int line, const std::string& message) {
    result.line = line;
    result.error = "Zeile " + std::to_string(line) + ": " + message;
    return result;
  };

  int lineNo = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    std::vector<Token> toks;
    if (auto f = Tokenize(line, toks)) return fail(lineNo, f->message);
    std::optional<Failure> f;
    if (toks.size() >= 2 && toks[1].type == TokType::Equals) {
      f = parser.Property(toks, lineNo);
    } else {
      for (const auto& t : toks)
        if (t.type == TokType::Equals) return fail(lineNo, "Name der Eigenschaft vor = erwartet");
      // The object before this header is complete: check what it lacks.
      if (parser.current) {
        if (auto g = parser.Finish(*parser.current, parser.currentKind)) return fail(parser.current->line, g->message);
      }
      f = parser.Header(toks);
      if (!f) parser.current->line = lineNo;
    }
    if (f) return fail(lineNo, f->message);
  }
  if (!parser.haveForm) return fail(lineNo, "leeres Layout: Form Klassenname fehlt");
  if (auto g = parser.Finish(*parser.current, parser.currentKind)) return fail(parser.current->line, g->message);
  if (auto g = parser.CheckRefs()) return fail(g->first, g->second.message);
  result.layout = std::move(parser.layout);
  return result;
}

}  // namespace platform
