#include "platform/gui/OwnerDraw.h"

namespace platform {

void PrepareListItem(const ListDrawItem& item) {
  const int back = item.selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  SetBkColor(item.dc, GetSysColor(back));
  SetTextColor(item.dc, GetSysColor(item.selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  FillRect(item.dc, &item.rect, GetSysColorBrush(back));
}

void DrawPlainListItem(const ListDrawItem& item) {
  PrepareListItem(item);
  if (item.index < 0) return;
  SetBkMode(item.dc, TRANSPARENT);
  TextOutA(item.dc, item.rect.left + 2, item.rect.top, item.text.data(), static_cast<int>(item.text.size()));
}

void DrawListItemWith(const ListDrawItem& item, const std::function<void(const ListDrawItem&)>& handler) {
  if (!handler) {
    DrawPlainListItem(item);
    return;
  }
  PrepareListItem(item);
  handler(item);
}

void AnswerDrawItem(const DRAWITEMSTRUCT& draw, HFONT font, std::string text,
                    const std::function<void(const ListDrawItem&)>& paint) {
  if (draw.itemAction == ODA_FOCUS) {
    DrawFocusRect(draw.hDC, &draw.rcItem);
    return;
  }
  ListDrawItem item;
  item.index = static_cast<int>(draw.itemID);
  item.dc = draw.hDC;
  item.rect = draw.rcItem;
  item.selected = (draw.itemState & ODS_SELECTED) != 0;
  item.focused = (draw.itemState & ODS_FOCUS) != 0;
  item.inComboField = (draw.itemState & ODS_COMBOBOXEDIT) != 0;
  item.text = std::move(text);
  const int saved = SaveDC(draw.hDC);
  SelectObject(draw.hDC, font);
  paint(item);
  RestoreDC(draw.hDC, saved);
  if (item.focused) DrawFocusRect(draw.hDC, &draw.rcItem);
}

}  // namespace platform
