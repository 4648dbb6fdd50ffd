// The few operations the window logic needs from native controls and dialogs.
//
// Event rules every implementation keeps (the logic depends on them):
//  - setting a list's selected index from code to a new value runs its selection
//    handler before setListIndex returns; setting the current index again runs nothing;
//  - adding, inserting and removing list entries run no handler;
//  - a disabled text field cannot take the focus;
//  - message and input boxes are modal.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

using Handler = std::function<void()>;

// A colour packed as red + 256 * green + 65536 * blue.
using Colore = std::int32_t;
constexpr Colore rgb(int red, int green, int blue) {
  return red + 256 * green + 65536 * blue;
}
constexpr Colore kWhite = rgb(255, 255, 255);

// Frames, labels and the window itself: only their caption changes at run time.
class CaptionControl {
 public:
  virtual ~CaptionControl() = default;
  virtual void setCaption(const std::string& text) = 0;
};

class CommandButton {
 public:
  virtual ~CommandButton() = default;
  virtual void setCaption(const std::string& text) = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void setToolTip(const std::string& text) = 0;
  virtual void setClickHandler(Handler onClick) = 0;
};

class TextField {
 public:
  virtual ~TextField() = default;
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void setVisible(bool visible) = 0;
  virtual void setBackColour(Colore colour) = 0;
  virtual void setToolTip(const std::string& text) = 0;
  virtual void setFocus() = 0;
  virtual void setFocusHandlers(Handler gotFocus, Handler lostFocus) = 0;
};

// A drop-down list the user picks from without typing.
class DropDownList {
 public:
  virtual ~DropDownList() = default;
  virtual void addItem(const std::string& text) = 0;
  // Appends the texts in order, as addItem one by one would; a long list fills faster so.
  virtual void addItems(const std::vector<std::string_view>& texts) = 0;
  virtual void insertItem(int index, const std::string& text) = 0;
  virtual void removeItem(int index) = 0;
  virtual int count() const = 0;
  virtual int listIndex() const = 0;  // -1 when nothing is selected
  virtual void setListIndex(int index) = 0;
  virtual std::string text() const = 0;  // the selected entry, empty when none
  virtual void setVisible(bool visible) = 0;
  virtual void setBackColour(Colore colour) = 0;
  virtual void setToolTip(const std::string& text) = 0;
  virtual void setClickHandler(Handler onSelection) = 0;
  virtual void setFocusHandlers(Handler gotFocus, Handler lostFocus) = 0;
};

// The bar at the bottom of the window: parts of text, left to right, read by screen readers.
class StatusBar {
 public:
  virtual ~StatusBar() = default;
  virtual void setText(int part, const std::string& text) = 0;
};

class MainWindow : public CaptionControl {
 public:
  // Closes the window; its unload handler runs and the program ends.
  virtual void close() = 0;
};

// An entry of an input box's list: the text it puts in the field, and a detail shown after it
// in the list only.
struct ListChoice {
  std::string text;
  std::string detail;
};

// The title of every box and input box of the program.
inline constexpr const char* kTitolo = "Veltrano";

// How a box that counts down ends: Keep, Revert now, or the time running out.
enum class ConfirmAnswer { Keep, Revert, Timeout };

// Message-box styles and the one answer the program tests.
enum MessageStyle : int { kYesNo = 4, kCritical = 16, kInformation = 64 };
constexpr int kAnswerYes = 6;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
  // The typed text on OK, the empty text on Cancel.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& initialText) = 0;
  // The same, with a field that is also a drop-down list: picking an entry puts its text in
  // the field; any other text can still be typed.
  virtual std::string inputBoxWithList(const std::string& prompt, const std::string& title,
                                       const std::string& initialText,
                                       const std::vector<ListChoice>& choices) = 0;
  // A box with Keep and Revert-now buttons whose text (its %1 the seconds left) counts down
  // from `seconds`; it closes by itself when they are over.
  virtual ConfirmAnswer countdownBox(const std::string& text, int seconds, const std::string& keep,
                                     const std::string& revert, const std::string& title) = 0;
};

// Services of the machine the window needs: where it lives, help, time.
class Platform {
 public:
  virtual ~Platform() = default;
  // The executable's folder; ends in "\" only for a drive's root.
  virtual std::string programFolder() = 0;
  virtual void setHelpFile(const std::string& path) = 0;
  virtual std::string helpFile() const = 0;
  // Opens a help file at its table of contents; the outcome is not reported.
  virtual void showHelp(const std::string& path) = 0;
  // Runs the handler once, on the window's thread, after about this many milliseconds; the
  // program answers the user meanwhile.
  virtual void afterDelay(int milliseconds, Handler handler) = 0;
  // Tells running programs that the user's Internet settings changed.
  virtual void internetSettingsChanged() = 0;
  // Runs the handler on the window's thread whenever the machine's network interfaces or
  // addresses change; a burst of changes runs it once.
  virtual void watchNetwork(Handler onChange) = 0;
  // The local time of day, "10:42".
  virtual std::string timeOfDay() = 0;
  // True in a remote desktop session, where a wrong address cuts the user off.
  virtual bool remoteSession() = 0;
};

}  // namespace veltrano
