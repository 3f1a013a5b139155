// What the window's handlers ask of the toolkit that shows the window. The
// Windows layer implements it for the real window; tests record the calls.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::form {

// The three text boxes.
enum class Box { Text1, Text2, Text3 };

// The six images of the two buttons: Image1 to Image3 the close button,
// Image4 to Image6 the minimize button.
enum class Image { Image1, Image2, Image3, Image4, Image5, Image6 };
inline constexpr int kImageCount = 6;

constexpr int IndexOf(Image image) { return static_cast<int>(image); }

enum class MouseButton { Left, Right, Middle };

// A label or a text box, found by its name.
class NamedControl {
 public:
  virtual ~NamedControl() = default;
  virtual void SetFontName(const std::u16string& name) = 0;
  virtual void SetFontSize(int points) = 0;
};

class WindowToolkit {
 public:
  virtual ~WindowToolkit() = default;

  // Outer size of the window, in twips.
  virtual void SetHeight(int twips) = 0;
  virtual void SetWidth(int twips) = 0;

  // The control of that name ("Label1" .. "Label5", "Text1" .. "Text3").
  virtual NamedControl& ControlNamed(std::string_view name) = 0;

  virtual std::u16string Text(Box box) const = 0;
  virtual void SetText(Box box, const std::u16string& text) = 0;

  virtual bool IsImageVisible(Image image) const = 0;
  virtual void SetImageVisible(Image image, bool visible) = 0;

  // Sets the window's state to minimized; a window minimized already stays
  // as it is.
  virtual void Minimize() = 0;
  virtual void Unload() = 0;

  // Puts the whole text on the clipboard.
  virtual void PutOnClipboard(const std::u16string& text) = 0;

  // A drag of the window belongs to the button that began it. While one
  // runs, by either operation below, neither operation does anything: a
  // second button's press takes no drag over, and its release ends none.

  // Lets go of the mouse and asks the system to move the window with it, as
  // though its caption bar had been pressed with the left button; the
  // system's move runs until the left button is released.
  virtual void BeginSystemMove() = 0;

  // Keeps the mouse and moves the window with the pointer for as long as
  // that button is held: the window stays where it is under the pointer, and
  // stops at the button's release.
  virtual void MoveWithPointerWhileHeld(MouseButton button) = 0;

  // Opens the maker's web page (module URL_Mail).
  virtual void OpenHomePage() = 0;
};

}  // namespace tavrel::form
