// Where the labels lie, and which captions run on into a box beside them.
#include "tavrel/window/label_layout.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tavrel::window {
namespace {

// A caption's width in 宋体 9 pt at 96 dots per inch: 6 pixels a Latin
// letter, 12 a Chinese character.
int SongTi9Width(std::u16string_view caption) {
  int width = 0;
  for (char16_t unit : caption) width += unit < 0x80 ? 6 : 12;
  return width;
}

constexpr int kSongTi9Height = 12;

LabelLayout MeasuredInSongTi9() {
  LabelLayout layout;
  for (const LabelDesign& design : kLabels)
    layout.SetCaptionSize(design.label, SongTi9Width(design.caption), kSongTi9Height);
  return layout;
}

TEST(LabelLayout, ALabelLiesAtItsPlaceAsLargeAsItsCaption) {
  const LabelLayout layout = MeasuredInSongTi9();
  EXPECT_EQ(layout.Bounds(Label::Label5), (PixelRect{43, 109, 48, 12})) << "Ombrik码";
  EXPECT_EQ(layout.Bounds(Label::Label4), (PixelRect{76, 181, 84, 12})) << "访问Tavrel主页";
  EXPECT_FALSE(LabelLayout().Bounds(Label::Label1).Contains({0, 0})) << "nothing before it is measured";
}

TEST(LabelLayout, OnlyOmbrikRunsIntoABoxAndOnlyText2GetsAMargin) {
  const LabelLayout layout = MeasuredInSongTi9();
  for (const LabelDesign& label : kLabels)
    for (const TextBoxDesign& box : kTextBoxes)
      EXPECT_EQ(layout.RunsInto(label.label, box.box), label.label == Label::Label5 && box.box == Box::Text2)
          << label.name << " and " << box.name;
  // "Ombrik码" ends at pixel 91, Text2 starts at 85: six pixels into the box, and two more.
  EXPECT_EQ(layout.LeftMarginOf(Box::Text2), 8);
  EXPECT_EQ(layout.LeftMarginOf(Box::Text1), 0);
  EXPECT_EQ(layout.LeftMarginOf(Box::Text3), 0);
}

struct MarginCase {
  const char* name;
  Label label;
  int width, height;
  Box box;
  int margin;
};

TEST(LabelLayout, ABoxMakesRoomOnlyForACaptionBesideItThatEndsInsideIt) {
  const MarginCase cases[] = {
      {"Ombrik码 in 宋体 9 pt runs into Text2", Label::Label5, 48, 12, Box::Text2, 8},
      {"a wider font runs further in", Label::Label5, 64, 16, Box::Text2, 24},
      {"a caption that ends on the box's edge", Label::Label5, 42, 12, Box::Text2, 0},
      {"one pixel past the edge", Label::Label5, 43, 12, Box::Text2, 3},
      {"输入汉字 ends before Text1", Label::Label1, 48, 12, Box::Text1, 0},
      {"拼音码 ends before Text3", Label::Label2, 36, 12, Box::Text3, 0},
      {"Ombrik码 crosses Text3's left edge in another row", Label::Label5, 48, 12, Box::Text3, 0},
      {"a caption so tall that it reaches Text3's first row", Label::Label5, 48, 32, Box::Text3, 8},
      {"a caption whose last row touches Text3's first", Label::Label5, 48, 31, Box::Text3, 0},
  };
  for (const MarginCase& c : cases) {
    LabelLayout layout;
    layout.SetCaptionSize(c.label, c.width, c.height);
    EXPECT_EQ(layout.LeftMarginOf(c.box), c.margin) << c.name;
    EXPECT_EQ(layout.RunsInto(c.label, c.box), c.margin != 0) << c.name;
  }
}

}  // namespace
}  // namespace tavrel::window
