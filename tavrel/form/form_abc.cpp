#include "tavrel/form/form_abc.h"

#include <string>

#include "tavrel/form/window_design.h"

namespace tavrel::form {
namespace {

void Show(WindowToolkit& form, Image image) { form.SetImageVisible(image, true); }
void Hide(WindowToolkit& form, Image image) { form.SetImageVisible(image, false); }

// An empty box has nothing to give: the clipboard keeps what the user had put
// there, which is most often what they are about to paste into Text1.
void CopyWholeText(WindowToolkit& form, Box box) {
  const std::u16string text = form.Text(box);
  if (!text.empty()) form.PutOnClipboard(text);
}

// Looks each control up by name twice: once for the font name, once for the size.
void SetFonts(WindowToolkit& form, const char* kind, int count, const FontDesign& font) {
  for (int i = 1; i <= count; ++i) {
    const std::string control = kind + std::to_string(i);
    form.ControlNamed(control).SetFontName(std::u16string(font.name));
    form.ControlNamed(control).SetFontSize(font.points);
  }
}

}  // namespace

void Form_Load(WindowToolkit& form) {
  form.SetHeight(kWindow.loaded_height);
  form.SetWidth(kWindow.loaded_width);
  form.SetText(Box::Text1, u"");
  SetFonts(form, "Label", kLabelCount, kLoadedLabelFont);
  SetFonts(form, "Text", kTextBoxCount, kLoadedBoxFont);
}

void Form_MouseDown(WindowToolkit& form, MouseButton button) {
  if (button == MouseButton::Left)
    form.BeginSystemMove();
  else
    form.MoveWithPointerWhileHeld(button);
}

void Form_MouseMove(WindowToolkit& form) {
  Show(form, Image::Image1);
  Hide(form, Image::Image2);
  Hide(form, Image::Image3);
  Show(form, Image::Image4);
  Hide(form, Image::Image5);
  Hide(form, Image::Image6);
}

void Image1_MouseMove(WindowToolkit& form) {
  Show(form, Image::Image2);
  Hide(form, Image::Image1);
  Hide(form, Image::Image3);
}

void Image2_MouseDown(WindowToolkit& form) {
  Show(form, Image::Image3);
  Hide(form, Image::Image1);
  Show(form, Image::Image2);
}

void Image2_MouseUp(WindowToolkit& form) {
  Show(form, Image::Image1);
  Hide(form, Image::Image2);
  Hide(form, Image::Image3);
  form.Unload();
}

void Image4_MouseMove(WindowToolkit& form) {
  Hide(form, Image::Image4);
  Show(form, Image::Image5);
  Hide(form, Image::Image6);
}

void Image5_MouseDown(WindowToolkit& form) {
  Hide(form, Image::Image4);
  Show(form, Image::Image5);
  Show(form, Image::Image6);
  form.Minimize();
}

void Image6_MouseUp(WindowToolkit& form) {
  Show(form, Image::Image4);
  Hide(form, Image::Image5);
  Hide(form, Image::Image6);
}

void Label4_Click(WindowToolkit& form) { form.OpenHomePage(); }

void Text1_Click(WindowToolkit& form) { CopyWholeText(form, Box::Text1); }
void Text2_Click(WindowToolkit& form) { CopyWholeText(form, Box::Text2); }
void Text3_Click(WindowToolkit& form) { CopyWholeText(form, Box::Text3); }

}  // namespace tavrel::form
