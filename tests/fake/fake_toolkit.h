// A toolkit that records what a user would see and keeps the event rules of the real one: a
// selected index set from code to a new value runs the selection handler before returning,
// filling and emptying a list run nothing, a disabled or hidden field cannot take the focus.
// Whatever a test could not have meant (an entry that does not exist, a box nobody answers, a
// text the catalogue lacks) fails the test and changes nothing.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "shell/toolkit.h"

namespace veltrano::fake {

// One fake for every kind of control: labels, buttons, text fields and lists share most of
// what the window logic asks of them.
struct FakeControl : CaptionControl, CommandButton, TextField, DropDownList, StatusBar {
  explicit FakeControl(bool list = false) : isList(list) {}
  void setCaption(const std::string& text) override { caption = text; }
  void setEnabled(bool on) override { enabled = on; }
  void setVisible(bool on) override { visible = on; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  void setFocusHandlers(Handler got, Handler lost) override {
    onGotFocus = got, onLostFocus = lost;
  }
  std::string text() const override;  // a list's: the selected entry's
  void setText(const std::string& text) override { value = text; }
  void setText(int part, const std::string& text) override {
    parts.resize(std::max(parts.size(), static_cast<std::size_t>(part) + 1));
    parts[static_cast<std::size_t>(part)] = text;
  }
  void setFocus() override;
  void addItem(const std::string& text) override { items.push_back(text); }
  void addItems(const std::vector<std::string_view>& texts) override {
    items.insert(items.end(), texts.begin(), texts.end());
  }
  void insertItem(int index, const std::string& text) override;
  void removeItem(int index) override;
  int count() const override { return static_cast<int>(items.size()); }
  int listIndex() const override { return selected; }
  void setListIndex(int index) override;
  // What a user does: a disabled button does nothing; typing and picking take the focus.
  void click();
  void type(const std::string& text);
  void pick(int index);

  bool isList, enabled = true, visible = true;
  std::string caption, toolTip, value;
  std::vector<std::string> items, parts;
  int selected = -1;
  Colore backColour = kWhite;
  Handler onClick, onGotFocus, onLostFocus;
  FakeControl** focus = nullptr;  // the control with the focus, shared by the window's controls
};

struct FakeWindow : MainWindow {
  void setCaption(const std::string& text) override { caption = text; }
  void close() override;
  std::string caption;
  bool closed = false;
  Handler onUnload;
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
  std::deque<bool> answers;       // to the next questions: true is Yes
  std::deque<std::string> typed;  // into the next input boxes: empty is Cancel
  std::vector<Box> boxes;
  ConfirmAnswer countdownBox(const std::string& text, int seconds, const std::string& keep,
                             const std::string& revert, const std::string& title) override;
  std::deque<ConfirmAnswer> confirms;  // to the next boxes that count down
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
  void watchNetwork(Handler onChange) override { networkChanged = std::move(onChange); }
  std::string timeOfDay() override { return "10:42"; }
  bool remoteSession() override { return remote; }
  bool remote = false;
  Handler networkChanged;
  // Time goes by: the delays due by then run, earliest first.
  void wait(int milliseconds);
  std::string folder, helpPath;
  std::vector<std::string> helpShown;
  int now = 0;                         // milliseconds since the window was made
  std::multimap<int, Handler> delays;  // by when they are due
  int settingsNotices = 0;
};

}  // namespace veltrano::fake
