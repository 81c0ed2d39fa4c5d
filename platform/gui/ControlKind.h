#pragma once
// The registry of control kinds. Each kind declares, in one place beside its
// class, its layout name, where it may stand, its property table and its
// factory:
//
//   const ControlKind& Label::KindInfo() {
//     static constexpr PropSpec kProps[] = {
//         Prop<&Label::SetCaption>("Caption"),
//         Prop<&Label::SetAlignment>("Alignment", kAlignments),
//     };
//     static const ControlKind kind{{.kind = kKind, .props = {kProps}}, &Make<Label>};
//     return kind;
//   }
//
// A property names its setter once: the stored value is handed to it with
// the type the setter takes (int, bool, std::string, LayoutBounds,
// LayoutFont, std::vector<std::string>), and the layout parser checks the
// text against the same table. The form creates a component through the
// factory, lets it create its window (Component::Create), then applies the
// stored properties in table order (the common control properties first);
// the language switch applies them again.
//
// The library's own kinds are registered from the start; a library of
// further kinds registers them once at start-up (RegisterControlKind).
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/gui/FormLayout.h"

namespace platform {

class Form;

struct ControlKind {
  KindSchema schema;
  std::unique_ptr<Component> (*make)(Form& owner, std::string name);
};

template <class T>
std::unique_ptr<Component> Make(Form& owner, std::string name) {
  return std::make_unique<T>(owner, std::move(name));
}

namespace detail {

template <class>
struct SetterOf;
template <class C, class A>
struct SetterOf<void (C::*)(A)> {
  using Class = C;
  using Arg = std::remove_cvref_t<A>;
};

template <class A>
constexpr PropType TypeFor() {
  if constexpr (std::is_same_v<A, int>) return PropType::Int;
  else if constexpr (std::is_same_v<A, bool>) return PropType::Bool;
  else if constexpr (std::is_same_v<A, std::string>) return PropType::Text;
  else if constexpr (std::is_same_v<A, LayoutBounds>) return PropType::Bounds;
  else if constexpr (std::is_same_v<A, LayoutFont>) return PropType::Font;
  else if constexpr (std::is_same_v<A, std::vector<std::string>>) return PropType::Lines;
  else static_assert(sizeof(A) == 0, "a stored property's setter takes int, bool, std::string, LayoutBounds, "
                                     "LayoutFont or std::vector<std::string>");
}

template <auto Setter>
void ApplyVia(Component& component, const LayoutValue& value) {
  using S = SetterOf<decltype(Setter)>;
  (static_cast<typename S::Class&>(component).*Setter)(std::get<typename S::Arg>(value));
}

}  // namespace detail

// A property whose type follows from the setter: a number, true/false, a
// quoted text, bounds, a font, or one `Item` line per entry.
template <auto Setter>
constexpr PropSpec Prop(std::string_view name) {
  using Arg = typename detail::SetterOf<decltype(Setter)>::Arg;
  return {.name = name, .type = detail::TypeFor<Arg>(), .apply = &detail::ApplyVia<Setter>};
}

// A word of the list (the setter takes std::string), or several words or
// none (the setter takes std::vector<std::string>).
template <auto Setter>
constexpr PropSpec Prop(std::string_view name, std::span<const std::string_view> words) {
  using Arg = typename detail::SetterOf<decltype(Setter)>::Arg;
  static_assert(std::is_same_v<Arg, std::string> || std::is_same_v<Arg, std::vector<std::string>>);
  return {.name = name,
          .type = std::is_same_v<Arg, std::string> ? PropType::Word : PropType::WordList,
          .words = words,
          .apply = &detail::ApplyVia<Setter>};
}

// The name of another component of the form, of one of the kinds listed
// (none listed: any control). The setter takes the name; the component may
// be created later, so the name is looked up when it is needed.
template <auto Setter>
constexpr PropSpec RefProp(std::string_view name, std::span<const std::string_view> kinds = {}) {
  return {.name = name, .type = PropType::Ref, .words = kinds, .apply = &detail::ApplyVia<Setter>};
}

constexpr PropSpec Required(PropSpec spec) {
  spec.required = true;
  return spec;
}

constexpr PropSpec Checked(PropSpec spec, bool (*check)(std::string_view, std::string&)) {
  spec.check = check;
  return spec;
}

// Adds a kind; a kind of the same name replaces the one before.
void RegisterControlKind(const ControlKind& kind);
// nullptr for a kind nobody registered.
const ControlKind* FindControlKind(std::string_view kind);
// The registered kinds as the layout parser sees them.
const LayoutSchema& ControlKinds();

// Applies the properties that stored holds to the component, in the order
// of the kind's tables (the common control properties first).
void ApplyStoredProperties(const ControlKind& kind, Component& component, const LayoutObject& stored);

}  // namespace platform
