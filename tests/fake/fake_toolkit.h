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

#include <gtest/gtest.h>

#include "lang/messaggi.h"
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
  void setFocusHandlers(Handler in, Handler out) override { onGotFocus = in, onLostFocus = out; }
  std::string text() const override {  // a list's: the selected entry's
    return !isList ? value : selected < 0 ? "" : items.at(static_cast<std::size_t>(selected));
  }
  void setText(const std::string& text) override { value = text; }
  void setText(int part, const std::string& text) override {
    parts.resize(std::max(parts.size(), static_cast<std::size_t>(part) + 1));
    parts[static_cast<std::size_t>(part)] = text;
  }
  void setFocus() override {
    if (*focus == this || !visible || !(enabled || isList))
      return;
    FakeControl* previous = std::exchange(*focus, this);
    if (previous && previous->onLostFocus)
      previous->onLostFocus();
    if (onGotFocus)
      onGotFocus();
  }
  void addItem(const std::string& text) override { items.push_back(text); }
  void addItems(const std::vector<std::string_view>& texts) override {
    items.insert(items.end(), texts.begin(), texts.end());
  }
  void insertItem(int index, const std::string& text) override {
    ASSERT_TRUE(index >= 0 && index <= count()) << "inserting at " << index;
    items.insert(items.begin() + index, text);
    selected += selected >= index ? 1 : 0;
  }
  void removeItem(int index) override {
    ASSERT_TRUE(index >= 0 && index < count()) << "removing entry " << index;
    items.erase(items.begin() + index);
    selected = selected == index ? -1 : selected - (selected > index ? 1 : 0);
  }
  int count() const override { return static_cast<int>(items.size()); }
  int listIndex() const override { return selected; }
  void setListIndex(int index) override {
    ASSERT_TRUE(index >= -1 && index < count() && onClick) << "selecting entry " << index;
    if (std::exchange(selected, index) != index)
      onClick();
  }
  // What a user does: a disabled button does nothing; typing and picking take the focus.
  void click() {
    if (enabled && onClick)
      onClick();
  }
  void type(const std::string& text) {
    ASSERT_TRUE(enabled && visible) << "typing into a field that cannot take the focus: " << text;
    setFocus();
    value = text;
  }
  void pick(int index) {
    ASSERT_TRUE(visible) << "picking from a hidden list";
    setFocus();
    setListIndex(index);
  }

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
  void close() override {
    ASSERT_TRUE(onUnload) << "closing a window nobody listens to";
    if (!std::exchange(closed, true))
      onUnload();
  }
  std::string caption;
  bool closed = false;
  Handler onUnload;
};

struct Box {
  std::string text;
  int style = 0;  // -1 for an input box, whose text is its prompt
  std::string title, initialText;
};

// The next answer a test gave; an unexpected box fails the test and gets No, or Cancel.
template <class T>
T next(std::deque<T>& answers, const std::string& box) {
  EXPECT_FALSE(answers.empty()) << "an unexpected box: " << box;
  const T answer = answers.empty() ? T() : answers.front();
  answers.erase(answers.begin(), answers.begin() + (answers.empty() ? 0 : 1));
  return answer;
}

struct FakeDialogs : Dialogs {
  int messageBox(const std::string& text, int style, const std::string& title) override {
    for (const std::string& missing : forbidden) {
      EXPECT_EQ(text.find(missing), std::string::npos) << "a key with no text in: " << text;
    }
    EXPECT_TRUE(!text.empty() && text.front() != ' ' && text.back() != ' ') << "[" << text << "]";
    for (char digit = '1'; digit <= '9'; ++digit) {
      EXPECT_EQ(text.find(std::string("%") + digit), std::string::npos) << "unfilled: " << text;
    }
    boxes.push_back({text, style, title, {}});
    return style == kYesNo && next(answers, text) ? kAnswerYes : 7;
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& initialText) override {
    boxes.push_back({prompt, -1, title, initialText});
    return next(typed, prompt);
  }
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
                             const std::string& revert, const std::string& title) override {
    const std::string shown = componi(text, {std::to_string(seconds)});
    boxes.push_back({shown + " [" + keep + "|" + revert + "]", -2, title, {}});
    return next(confirms, shown);
  }
  std::deque<ConfirmAnswer> confirms;  // to the next boxes that count down
  std::vector<ListChoice> choices;     // those of the last input box with a list
  std::vector<std::string> forbidden;  // the catalogue's texts for a key it does not hold
};

struct FakePlatform : Platform {
  std::string programFolder() override { return folder; }
  void setHelpFile(const std::string& path) override { helpPath = path; }
  std::string helpFile() const override { return helpPath; }
  void showHelp(const std::string& path) override { helpShown.push_back(path); }
  void afterDelay(int milliseconds, Handler handler) override {
    EXPECT_GT(milliseconds, 0);
    delays.emplace(now + milliseconds, std::move(handler));
  }
  void internetSettingsChanged() override { ++settingsNotices; }
  void watchNetwork(Handler onChange) override { networkChanged = std::move(onChange); }
  std::string timeOfDay() override { return "10:42"; }
  bool remoteSession() override { return remote; }
  bool remote = false;
  Handler networkChanged;
  // Time goes by: the delays due by then run, earliest first.
  void wait(int milliseconds) {
    const int end = now + milliseconds;
    while (!delays.empty() && delays.begin()->first <= end) {
      now = delays.begin()->first;
      Handler next = std::move(delays.begin()->second);
      delays.erase(delays.begin());
      next();
    }
    now = end;
  }
  std::string folder, helpPath;
  std::vector<std::string> helpShown;
  int now = 0;                         // milliseconds since the window was made
  std::multimap<int, Handler> delays;  // by when they are due
  int settingsNotices = 0;
};

}  // namespace veltrano::fake
