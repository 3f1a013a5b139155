// The design of the window abc: its settings and its controls, in twips
// (1440 to the inch), measured from the window's top-left corner. On the
// screen they are pixels at the screen's dots per inch: 15 twips a pixel at
// 96, the screen the window's pictures were drawn for.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tavrel/form/window_toolkit.h"

namespace tavrel::form {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDotsPerInch = 96;

// Twips to pixels on a screen of that many dots per inch, to the nearest
// pixel.
constexpr int PixelsOfTwips(int twips, int dots_per_inch) {
  return (twips * dots_per_inch + kTwipsPerInch / 2) / kTwipsPerInch;
}

struct TwipRect {
  int left, top, width, height;
};

struct PixelPoint {
  int x, y;
  friend constexpr bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
  int left, top, width, height;
  constexpr int Right() const { return left + width; }
  constexpr int Bottom() const { return top + height; }
  constexpr bool Contains(PixelPoint p) const {
    return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
  }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle's edges each to the nearest pixel, so that what ends on one
// line in the design ends on one column on every screen.
constexpr PixelRect PixelsOf(const TwipRect& r, int dots_per_inch) {
  const int left = PixelsOfTwips(r.left, dots_per_inch);
  const int top = PixelsOfTwips(r.top, dots_per_inch);
  return {left, top, PixelsOfTwips(r.left + r.width, dots_per_inch) - left,
          PixelsOfTwips(r.top + r.height, dots_per_inch) - top};
}

struct Rgb {
  std::uint8_t red, green, blue;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
// The light panel of the skin, on which the read-only boxes lie unseen.
inline constexpr Rgb kPanel{246, 250, 255};

struct FontDesign {
  std::u16string_view name;
  int points;
  int weight;
  int character_set;  // 0 ANSI, 134 GB2312
};

inline constexpr FontDesign kSongTi9{u"宋体", 9, 400, 134};
inline constexpr FontDesign kMsSansSerif12{u"MS Sans Serif", 12, 400, 0};

// The fonts Form_Load gives the labels and the boxes, by name and size.
inline constexpr FontDesign kLoadedLabelFont = kSongTi9;
inline constexpr FontDesign kLoadedBoxFont = kMsSansSerif12;

// The window itself.
struct WindowDesign {
  std::string_view title;
  int design_client_width, design_client_height;  // the client area as designed
  int loaded_width, loaded_height;                // as Form_Load sets it: the background's size
  int left, top;                                  // where it is first shown, on the screen
};

inline constexpr WindowDesign kWindow{"Tavrel", 4575, 3450, 4500, 3350, 5730, 3975};

// The three text boxes. Text2 and Text3 are read-only; Text1 takes at most
// kText1MaxLength UTF-16 units, and never half a character (limited_insertion.h).
// All three are flat, borderless and centred.
struct TextBoxDesign {
  std::string_view name;
  Box box;
  TwipRect place;
  FontDesign font;
  Rgb colour;
  int tab_index;
  bool read_only;
};

inline constexpr int kText1MaxLength = 18;
inline constexpr int kTextBoxCount = 3;

// In the order in which the window lists them.
inline constexpr std::array<TextBoxDesign, kTextBoxCount> kTextBoxes{{
    {"Text1", Box::Text1, {1500, 940, 2325, 300}, kMsSansSerif12, kBlue, 1, false},
    {"Text3", Box::Text3, {1280, 2100, 2545, 300}, kSongTi9, kBlack, 3, true},
    {"Text2", Box::Text2, {1280, 1560, 2545, 300}, kSongTi9, kRed, 2, true},
}};

// A box's design, found among kTextBoxes; every box has one.
constexpr const TextBoxDesign& DesignOf(Box box) {
  for (const TextBoxDesign& design : kTextBoxes)
    if (design.box == box) return design;
  std::abort();
}
static_assert(DesignOf(Box::Text1).box == Box::Text1 && DesignOf(Box::Text2).box == Box::Text2 &&
              DesignOf(Box::Text3).box == Box::Text3);

// The five labels: drawn flat and transparent on the skin, each as large as
// its one-line caption in its font.
enum class Label { Label1, Label2, Label3, Label4, Label5 };
inline constexpr int kLabelCount = 5;

constexpr int IndexOf(Label label) { return static_cast<int>(label); }

struct LabelDesign {
  std::string_view name;
  Label label;
  int left, top;  // twips
  std::u16string_view caption;
  std::u16string_view tooltip;  // empty: none
  FontDesign font;
  int tab_index;
};

// Indexed by Label.
inline constexpr std::array<LabelDesign, kLabelCount> kLabels{{
    {"Label1", Label::Label1, 640, 1000, u"输入汉字", u"", kSongTi9, 0},
    {"Label2", Label::Label2, 640, 2160, u"拼音码", u"", kSongTi9, 6},
    {"Label3", Label::Label3, 495, 105, u"单字Tavrel", u"已收录汉字20938个", kSongTi9, 4},
    {"Label4", Label::Label4, 1140, 2720, u"访问Tavrel主页", u"欢迎使用Ombrik输入法", kSongTi9, 5},
    {"Label5", Label::Label5, 640, 1640, u"Ombrik码", u"", kSongTi9, 7},
}};

// The six images, each stretched to fill its place: at 96 dots per inch that
// is the picture's own pixel size. Within a button the later image lies above
// the earlier one.
struct ImageDesign {
  std::string_view name;
  Image image;
  TwipRect place;
  bool visible_at_start;
};

// Indexed by Image.
inline constexpr std::array<ImageDesign, kImageCount> kImages{{
    {"Image1", Image::Image1, {4100, 130, 300, 300}, true},
    {"Image2", Image::Image2, {4100, 130, 300, 285}, false},
    {"Image3", Image::Image3, {4100, 130, 300, 300}, false},
    {"Image4", Image::Image4, {3800, 130, 300, 300}, true},
    {"Image5", Image::Image5, {3800, 130, 300, 300}, false},
    {"Image6", Image::Image6, {3800, 130, 300, 300}, false},
}};

// The nine frame lines: they only draw, and the mouse over them is the
// background's.
struct LineDesign {
  std::string_view name;
  int x1, y1, x2, y2;  // twips
};

// Indexed by line number less one.
inline constexpr std::array<LineDesign, 9> kLines{{
    {"Line1", 480, 840, 4000, 840},
    {"Line2", 480, 1320, 4000, 1320},
    {"Line3", 480, 1320, 480, 840},
    {"Line4", 4000, 840, 4000, 1320},
    {"Line5", 480, 1440, 4000, 1440},
    {"Line6", 480, 2520, 4000, 2520},
    {"Line7", 4000, 2520, 4000, 1440},
    {"Line8", 480, 1440, 480, 2520},
    {"Line9", 480, 1980, 4000, 1980},
}};

// What the window draws itself, in the order in which the window lists its
// controls: what comes later is drawn above what comes before.
struct DrawnItem {
  enum class Kind { Line, Label, Image } kind;
  int index;  // into kLines, kLabels or kImages
};

inline constexpr std::array<DrawnItem, 20> kDrawingOrder{{
    {DrawnItem::Kind::Line, 8},  {DrawnItem::Kind::Line, 7},  {DrawnItem::Kind::Line, 6},
    {DrawnItem::Kind::Line, 5},  {DrawnItem::Kind::Label, 4}, {DrawnItem::Kind::Line, 4},
    {DrawnItem::Kind::Line, 3},  {DrawnItem::Kind::Line, 2},  {DrawnItem::Kind::Line, 1},
    {DrawnItem::Kind::Line, 0},  {DrawnItem::Kind::Label, 1}, {DrawnItem::Kind::Label, 3},
    {DrawnItem::Kind::Image, 3}, {DrawnItem::Kind::Image, 4}, {DrawnItem::Kind::Image, 5},
    {DrawnItem::Kind::Label, 2}, {DrawnItem::Kind::Label, 0}, {DrawnItem::Kind::Image, 0},
    {DrawnItem::Kind::Image, 1}, {DrawnItem::Kind::Image, 2},
}};

}  // namespace tavrel::form
