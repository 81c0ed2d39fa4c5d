#include "core/PageTitle.h"

#include <array>
#include <iterator>
#include <unordered_set>

#include "core/Entities.h"

namespace core {

namespace {

// How a character stands in a title. An entity is "&", letters, digits or
// "#", and ";": a stretch of such characters may hold or form one, so it is
// worked on as a whole. A character that none may hold and that stays what it
// is separates the stretches: no entity reaches across it. Blanks (and tabs,
// which the normalisation makes blanks) form runs. The characters whose entity
// decodes to nothing (the angle brackets and quotation marks) vanish at the
// next normalisation and join what stood on either side, so they belong to
// their stretch.
enum class Role : std::uint8_t { Blank, Stretch, Separator };

struct Roles {
  std::array<Role, 256> role{};
  // The canonical entities that decode to their own character again: in a
  // normalised title they separate stretches like the character would.
  std::unordered_set<std::string_view> stableEntities;

  Roles() {
    for (int c = 0; c < 256; ++c) {
      const bool entityChar = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                              c == '#' || c == '&' || c == ';';
      role[c] = entityChar ? Role::Stretch : Role::Separator;
      const std::string_view entity = CanonicalEntity(static_cast<unsigned char>(c));
      if (entity.empty()) continue;
      if (DecodeEntityRows(entity, false) == std::string(1, static_cast<char>(c))) {
        stableEntities.insert(entity);
      } else {
        role[c] = Role::Stretch;
      }
    }
    role[' '] = role['\t'] = Role::Blank;
  }
};

const Roles& TitleRoles() {
  static const Roles roles;
  return roles;
}

Role RoleOf(char c) { return TitleRoles().role[static_cast<unsigned char>(c)]; }

// The length of the stable canonical entity at text[at], or 0.
std::size_t StableEntityAt(std::string_view text, std::size_t at) {
  const std::size_t limit = std::min(text.size(), at + kLongestEntity);
  std::size_t end = at + 1;
  while (end < limit && text[end] != ';' && text[end] != '&') ++end;
  if (end >= limit || text[end] != ';') return 0;
  return TitleRoles().stableEntities.count(text.substr(at, end + 1 - at)) ? end + 1 - at : 0;
}

}  // namespace

void PageTitle::Enqueue(std::vector<Place>& work, Place piece) {
  if (piece->slot >= 0) return;
  piece->slot = static_cast<std::ptrdiff_t>(work.size());
  work.push_back(piece);
}

void PageTitle::Dequeue(std::vector<Place>& work, Place piece) {
  if (piece->slot < 0) return;
  const auto slot = static_cast<std::size_t>(piece->slot);
  work[slot] = work.back();
  work[slot]->slot = piece->slot;
  work.pop_back();
  piece->slot = -1;
}

void PageTitle::AddBlanks(Place piece, std::size_t count) {
  piece->blanks += count;
  if (piece->blanks > 1) Enqueue(runs_, piece);
}

void PageTitle::Add(std::string_view text) {
  seen_ = true;
  AppendRaw(text);
  Normalise();
}

// The new text joins the title's last piece where both are blanks or both a
// stretch. Separators are normalised here: their canonical entity is final.
void PageTitle::AppendRaw(std::string_view text) {
  for (const char c : text) {
    const Role role = RoleOf(c);
    Piece* last = pieces_.empty() ? nullptr : &pieces_.back();
    switch (role) {
      case Role::Blank:
        if (!last || last->kind != Kind::Blanks) pieces_.push_back(Piece{Kind::Blanks, {}, 0});
        AddBlanks(std::prev(pieces_.end()), 1);
        break;
      case Role::Stretch:
        if (!last || last->kind != Kind::Stretch) pieces_.push_back(Piece{Kind::Stretch, {}, 0});
        pieces_.back().text += c;
        Enqueue(stretches_, std::prev(pieces_.end()));
        break;
      case Role::Separator: {
        if (!last || last->kind != Kind::Fixed) pieces_.push_back(Piece{Kind::Fixed, {}, 0});
        const std::string_view entity = CanonicalEntity(static_cast<unsigned char>(c));
        if (entity.empty()) {
          pieces_.back().text += c;
        } else {
          pieces_.back().text += entity;
        }
        break;
      }
    }
  }
}

void PageTitle::Normalise() {
  // The entities first: every stretch on its own. Their new blanks join the
  // runs beside them before the runs are halved, as in the whole text.
  std::vector<Place> work;
  work.swap(stretches_);
  for (const Place stretch : work) stretch->slot = -1;
  for (const Place stretch : work) {
    const std::string image = EncodeCanonical(DecodeEntityRows(stretch->text, tradeEntity_));
    // Unchanged, it stays so: it is settled for good.
    if (image != stretch->text) ReplaceStretch(stretch, image);
  }
  // Then every run of blanks: each pair of blanks becomes one.
  for (std::size_t i = 0; i < runs_.size();) {
    const Place run = runs_[i];
    run->blanks = (run->blanks + 1) / 2;
    if (run->blanks > 1) {
      ++i;
    } else {
      Dequeue(runs_, run);
    }
  }
}

// Puts the pieces of image in place of the stretch, joining blanks at either
// end with the runs beside it.
void PageTitle::ReplaceStretch(Place stretch, const std::string& image) {
  const Place after = std::next(stretch);
  Place previous = stretch == pieces_.begin() ? pieces_.end() : std::prev(stretch);
  pieces_.erase(stretch);
  Place first = after;  // the first piece of the image, once there is one
  auto last = [&]() -> Piece* {
    if (first == after) return nullptr;
    return &*std::prev(after);
  };
  auto add = [&](Kind kind) {
    const Place piece = pieces_.insert(after, Piece{kind, {}, 0});
    if (first == after) first = piece;
    return piece;
  };
  for (std::size_t i = 0; i < image.size();) {
    const char c = image[i];
    Piece* tail = last();
    if (c == ' ') {
      const Place run = (tail && tail->kind == Kind::Blanks) ? std::prev(after) : add(Kind::Blanks);
      AddBlanks(run, 1);
      ++i;
      continue;
    }
    std::size_t length = 1;
    Role role = RoleOf(c);
    if (c == '&') {
      length = StableEntityAt(image, i);
      role = length > 0 ? Role::Separator : Role::Stretch;
      if (length == 0) length = 1;
    }
    const Kind kind = role == Role::Separator ? Kind::Fixed : Kind::Stretch;
    const Place piece = (tail && tail->kind == kind) ? std::prev(after) : add(kind);
    piece->text.append(image, i, length);
    if (kind == Kind::Stretch) Enqueue(stretches_, piece);
    i += length;
  }
  // The runs at the seams: before the image, and after it (or, with the
  // stretch gone, between its neighbours).
  if (first != after) {
    if (previous != pieces_.end()) MergeBlanks(previous, first);
    MergeBlanks(std::prev(after), after);
  } else if (previous != pieces_.end()) {
    MergeBlanks(previous, after);
  }
}

// Two runs side by side become one; the right one goes.
void PageTitle::MergeBlanks(Place left, Place right) {
  if (right == pieces_.end() || left->kind != Kind::Blanks || right->kind != Kind::Blanks) return;
  AddBlanks(left, right->blanks);
  Dequeue(runs_, right);
  pieces_.erase(right);
}

std::string PageTitle::Text() const {
  std::string text;
  for (const Piece& piece : pieces_) {
    if (piece.kind == Kind::Blanks) {
      text.append(piece.blanks, ' ');
    } else {
      text += piece.text;
    }
  }
  return text;
}

}  // namespace core
