#pragma once
// The HTML entity tables of the text utilities, and the two walks over a text
// that apply them. The order of the rows is part of the behaviour, because
// every row is one full replace pass over the text (row 10 of the named table,
// "&amp;", creates entities that later rows decode).
#include <array>
#include <string>
#include <string_view>

namespace core {

// One replace pass: every occurrence of `from` becomes `to`.
struct EntityRow {
  std::string_view from;
  std::string_view to;
};

// "&#032;" to "&#255;", three digits only, ascending. The double quote, the
// angle brackets and the angle quotation marks decode to nothing, so that an
// encoded tag cannot reappear as markup; the no-break space becomes a blank.
extern const std::array<EntityRow, 200> kNumericEntities;

// The named entities, in the order they are decoded.
extern const std::array<EntityRow, 134> kNamedEntities;

// Decoded after the named table by programs that recognise it (Pellinova).
extern const EntityRow kTradeEntity;

// Character to canonical entity, in the order they are encoded. Where two
// rows stand for one character, the earlier row wins.
extern const std::array<EntityRow, 112> kCanonicalEntities;

// The numeric rows, the named rows and (with tradeEntity) the trade row, each
// as one full replace pass in that order. Only the rows that match something
// are run, so a text costs a pass per entity it holds rather than per row.
std::string DecodeEntityRows(std::string_view text, bool tradeEntity);

// Every character that has a canonical entity replaced by it (one pass; the
// entities hold none of the characters encoded).
std::string EncodeCanonical(std::string_view text);
// The canonical entity of c, or "" when c stands as it is.
std::string_view CanonicalEntity(unsigned char c);

// The longest entity of the tables, "&" and ";" included.
inline constexpr std::size_t kLongestEntity = 8;

}  // namespace core
