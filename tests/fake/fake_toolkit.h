// A toolkit that records what a user would see and keeps the event rules of the real one: a
// selected index set from code to a new value runs the selection handler before returning,
// filling and emptying a list run nothing, a disabled or hidden field cannot take the focus.
// Whatever a test could not have meant (an entry that does not exist, a box nobody answers)
// fails the test and changes nothing.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/toolkit.h"

namespace veltrano::fake {

struct FakeCaption : CaptionControl {
  void setCaption(const std::string& text) override { caption = text; }
  std::string caption;
};

struct FakeWindow : MainWindow {
  void setCaption(const std::string& text) override { caption = text; }
  void close() override;
  std::string caption;
  bool closed = false;
  Handler onUnload;
};

struct FakeButton : CommandButton {
  void setCaption(const std::string& text) override { caption = text; }
  void setEnabled(bool value) override { enabled = value; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  void click();  // as a user clicks: a disabled button does nothing
  std::string caption, toolTip;
  bool enabled = true;
  Handler onClick;
};

// Text fields and lists both take the focus and have a background.
struct Focusable {
  virtual ~Focusable() = default;
  virtual bool canTakeFocus() const = 0;
  void takeFocus();
  Focusable** focus = nullptr;  // the control that has the focus, shared by the window's controls
  Handler onGotFocus, onLostFocus;
  Colore backColour = kWhite;
  bool visible = true;
};

struct FakeTextField : TextField, Focusable {
  std::string text() const override { return value; }
  void setText(const std::string& text) override { value = text; }
  void setEnabled(bool value_) override { enabled = value_; }
  void setVisible(bool value_) override { visible = value_; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setFocus() override { takeFocus(); }
  void setFocusHandlers(Handler got, Handler lost) override;
  bool canTakeFocus() const override { return enabled && visible; }
  void type(const std::string& text);  // the user clicks into the field and types
  std::string value, toolTip;
  bool enabled = true;
};

struct FakeList : DropDownList, Focusable {
  void addItem(const std::string& text) override { items.push_back(text); }
  void addItems(const std::vector<std::string_view>& texts) override;
  void insertItem(int index, const std::string& text) override;
  void removeItem(int index) override;
  int count() const override { return static_cast<int>(items.size()); }
  int listIndex() const override { return selected; }
  void setListIndex(int index) override;
  std::string text() const override;
  void setVisible(bool value) override { visible = value; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  void setFocusHandlers(Handler got, Handler lost) override;
  bool canTakeFocus() const override { return visible; }
  void pick(int index);  // the user opens the list and picks an entry
  std::vector<std::string> items;
  int selected = -1;
  std::string toolTip;
  Handler onClick;
};

struct Box {
  std::string text;
  int style = 0;
  std::string title;
};

struct FakeDialogs : Dialogs {
  int messageBox(const std::string& text, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& initialText) override;
  std::string inputBoxWithList(const std::string& prompt, const std::string& title,
                               const std::string& initialText,
                               const std::vector<ListChoice>& choices) override;
  // Answers for the next questions (true: Yes) and input boxes (empty: Cancel).
  std::deque<bool> answers;
  std::deque<std::string> typed;
  std::vector<Box> boxes;  // message boxes and input boxes (the prompt, with style -1)
  std::vector<std::string> initialTexts;
  std::vector<ListChoice> choices;  // those of the last input box with a list
  // Texts no box may show: the catalogue's fall-backs for a key it does not hold.
  std::vector<std::string> forbidden;
};

struct FakePlatform : Platform {
  std::string programFolder() override { return folder; }
  void setHelpFile(const std::string& path) override { helpPath = path; }
  std::string helpFile() const override { return helpPath; }
  void showHelp(const std::string& path) override { helpShown.push_back(path); }
  void afterDelay(int milliseconds, Handler handler) override;
  void internetSettingsChanged() override { ++settingsNotices; }
  // Lets `steps` delays run, oldest first, as time going by would.
  void wait(int steps = 1);
  std::string folder, helpPath;
  std::vector<std::string> helpShown;
  std::deque<Handler> delays;
  int settingsNotices = 0;
};

}  // namespace veltrano::fake
