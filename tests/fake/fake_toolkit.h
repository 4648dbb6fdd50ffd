// A toolkit that records what a user would see and keeps the event rules of the real one: a
// selected index set from code to a new value runs the selection handler before returning,
// filling and emptying a list run nothing, a disabled or hidden field cannot take the focus.
// Whatever a test could not have meant (an entry that does not exist, a box nobody answers, a
// text the catalogue lacks) fails the test and changes nothing.
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
  std::string toolTip;
};

struct FakeTextField : TextField, Focusable {
  std::string text() const override { return value; }
  void setText(const std::string& text) override { value = text; }
  void setEnabled(bool value_) override { enabled = value_; }
  void setVisible(bool value_) override { visible = value_; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setFocus() override { takeFocus(); }
  void setFocusHandlers(Handler got, Handler lost) override {
    onGotFocus = got, onLostFocus = lost;
  }
  bool canTakeFocus() const override { return enabled && visible; }
  void type(const std::string& text);  // the user clicks into the field and types
  std::string value;
  bool enabled = true;
};

struct FakeList : DropDownList, Focusable {
  void addItem(const std::string& text) override { items.push_back(text); }
  void addItems(const std::vector<std::string_view>& texts) override {
    items.insert(items.end(), texts.begin(), texts.end());
  }
  void insertItem(int index, const std::string& text) override;
  void removeItem(int index) override;
  int count() const override { return static_cast<int>(items.size()); }
  int listIndex() const override { return selected; }
  void setListIndex(int index) override;
  std::string text() const override { return selected < 0 ? "" : items.at(std::size_t(selected)); }
  void setVisible(bool value) override { visible = value; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  void setFocusHandlers(Handler got, Handler lost) override {
    onGotFocus = got, onLostFocus = lost;
  }
  bool canTakeFocus() const override { return visible; }
  void pick(int index);  // the user opens the list and picks an entry
  std::vector<std::string> items;
  int selected = -1;
  Handler onClick;
};

struct Box {
  std::string text;
  int style = 0;  // -1 for an input box, whose text is its prompt
  std::string title, initialText;
};

struct FakeDialogs : Dialogs {
  int messageBox(const std::string& text, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& initialText) override;
  std::string inputBoxWithList(const std::string& prompt, const std::string& title,
                               const std::string& initialText,
                               const std::vector<ListChoice>& list) override {
    choices = list;
    return inputBox(prompt, title, initialText);
  }
  // Answers for the next questions (true: Yes) and input boxes (empty: Cancel).
  std::deque<bool> answers;
  std::deque<std::string> typed;
  std::vector<Box> boxes;
  std::vector<ListChoice> choices;     // those of the last input box with a list
  std::vector<std::string> forbidden;  // the catalogue's texts for a key it does not hold
};

struct FakePlatform : Platform {
  std::string programFolder() override { return folder; }
  void setHelpFile(const std::string& path) override { helpPath = path; }
  std::string helpFile() const override { return helpPath; }
  void showHelp(const std::string& path) override { helpShown.push_back(path); }
  void afterDelay(int milliseconds, Handler handler) override;
  void internetSettingsChanged() override { ++settingsNotices; }
  void wait(int steps = 1);  // lets that many delays run, oldest first, as time going by would
  std::string folder, helpPath;
  std::vector<std::string> helpShown;
  std::deque<Handler> delays;
  int settingsNotices = 0;
};

}  // namespace veltrano::fake
