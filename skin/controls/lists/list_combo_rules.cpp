// Decisions and arithmetic of the combo box and list-type skins.
#include "skin/controls/lists/list_combo_rules.h"

#include <cctype>

namespace {

struct KindName {
  ListKind kind;
  const char* name;
};

constexpr KindName kKindNames[] = {
    {ListKind::ListBox, "ListBox"},
    {ListKind::ComboList, "ComboLBox"},
    {ListKind::ListView, "SysListView32"},
    {ListKind::TreeView, "SysTreeView32"},
    {ListKind::IpAddress, "SysIPAddress32"},
    {ListKind::DateTimePicker, "SysDateTimePick32"},
};

bool SameNoCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return i == a.size() && b[i] == '\0';
}

constexpr int kComboOutlineHotAlpha = 200;
constexpr int kComboOutlinePlainAlpha = 80;
constexpr int kListOutlineHotAlpha = 200;
constexpr int kListOutlinePlainAlpha = 90;
constexpr int kTextSize = 12;
constexpr int kListChildInset = 2;

}  // namespace

ListKind ListKindOfClass(const std::string& className) {
  for (const KindName& k : kKindNames) {
    if (SameNoCase(className, k.name)) return k.kind;
  }
  return ListKind::Other;
}

const char* ListKindClass(ListKind kind) {
  for (const KindName& k : kKindNames) {
    if (k.kind == kind) return k.name;
  }
  return "";
}

bool KindHasDrawnBars(ListKind kind) {
  return kind == ListKind::ListBox || kind == ListKind::ListView || kind == ListKind::TreeView;
}

bool IsOwnerDrawListStyle(ListKind kind, std::uint32_t style) {
  return kind == ListKind::ListBox &&
         (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool SkipsListRegistration(ListKind kind, std::uint32_t style) {
  switch (kind) {
    case ListKind::ComboList:
      return (style & LBS_OWNERDRAWFIXED) != 0;
    case ListKind::ListView:
      return (style & (LBS_OWNERDRAWFIXED | LVS_OWNERDRAWFIXED)) != 0;
    default:
      return false;
  }
}

EraseAnswer EraseAnswerFor(ListKind kind, bool ownerDrawnListBox, bool backdropSet) {
  if (!backdropSet) return EraseAnswer::PassOn;
  switch (kind) {
    case ListKind::TreeView:
    case ListKind::ListView:
      return EraseAnswer::Transparent;
    case ListKind::ListBox:
      return ownerDrawnListBox ? EraseAnswer::PassOn : EraseAnswer::Transparent;
    case ListKind::IpAddress:
    case ListKind::DateTimePicker:
      return EraseAnswer::TransparentColour;
    default:
      return EraseAnswer::PassOn;
  }
}

ClientPaint ClientPaintFor(ListKind kind, bool backdropSet) {
  if (!backdropSet) return ClientPaint::PassOn;
  switch (kind) {
    case ListKind::TreeView:
      return ClientPaint::KeyedTree;
    case ListKind::ListView:
    case ListKind::ListBox:
    case ListKind::DateTimePicker:
      return ClientPaint::OverBackground;
    default:
      return ClientPaint::PassOn;
  }
}

bool MustCompose(bool stale, bool hasVerticalBar, bool hoverSeen) {
  return stale || !hasVerticalBar || hoverSeen;
}

ListOutline ListFrameOutline(int width, int height, bool hot, bool focus, bool wideHotFrame) {
  const float w = static_cast<float>(width);
  const float h = static_cast<float>(height);
  ListOutline o;
  o.width = 1;
  o.rect = {0, 0, w - 1, h - 1};
  if (hot && wideHotFrame) {
    o.accent = true;
    o.alpha = kListOutlineHotAlpha;
    o.width = 2;
    o.rect = {1, 1, w - 2, h - 2};
  } else if (hot || focus) {
    o.accent = true;
    o.alpha = kListOutlineHotAlpha;
  } else {
    o.alpha = kListOutlinePlainAlpha;
  }
  return o;
}

ComboOutline ComboBoxOutline(bool hot, bool focus) {
  if (hot || focus) return {true, kComboOutlineHotAlpha};
  return {false, kComboOutlinePlainAlpha};
}

ComboButtonLook ComboButtonGeometry(int x, int y, int width, int height, int arrowWidth,
                                    int arrowHeight) {
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float fw = static_cast<float>(width), fh = static_cast<float>(height);
  ComboButtonLook look;
  look.outline = {fx, fy, fw - 1, fh - 1};
  look.face = {fx + 1, fy + 1, fw - 2, fh - 2};
  look.gradientX = fx + 1;
  look.gradientTop = fy;
  look.gradientBottom = fy + fh - 2;
  look.arrowX = fx + (fw - static_cast<float>(arrowWidth)) / 2;
  look.arrowY = fy + (fh - static_cast<float>(arrowHeight)) / 2;
  return look;
}

ComboFaceGradient ComboButtonFace(bool hot) {
  if (hot) return {{false, 100}, {true, 150}};
  return {{true, 30}, {true, 100}};
}

RectF ComboTextLayout(int width, int height) {
  return {2, static_cast<float>((height - kTextSize) / 2), static_cast<float>(width - 17),
          static_cast<float>(height - 4)};
}

RECT KeyedChildBox(RECT child, bool isComboList) {
  if (!isComboList) return child;
  return {child.left + kListChildInset, child.top + kListChildInset,
          child.right - kListChildInset, child.bottom - kListChildInset};
}
