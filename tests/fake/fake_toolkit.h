// A toolkit that records what a user would see and keeps the event rules of the real one:
// a selected index set from code to a new value runs the selection handler before
// returning, filling and emptying a list run nothing, a disabled field cannot take the focus.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/toolkit.h"

namespace veltrano::fake {

class FocusTracker;

class FakeCaption : public CaptionControl {
 public:
  void setCaption(const std::string& text) override { caption = text; }
  std::string caption;
};

class FakeWindow : public MainWindow {
 public:
  void setCaption(const std::string& text) override { caption = text; }
  void close() override;
  std::string caption;
  bool closed = false;
  Handler onUnload;
};

class FakeButton : public CommandButton {
 public:
  explicit FakeButton(std::string design) : caption(std::move(design)) {}
  void setCaption(const std::string& text) override { caption = text; }
  void setEnabled(bool value) override { enabled = value; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  // A user's click: a disabled button does nothing.
  void click();

  std::string caption;
  bool enabled = true;
  std::string toolTip;
  Handler onClick;
};

// Text fields and lists both take the focus and have a background.
class Focusable {
 public:
  virtual ~Focusable() = default;
  virtual bool canTakeFocus() const = 0;
  Handler onGotFocus;
  Handler onLostFocus;
  Colore backColour = kWhite;
};

class FocusTracker {
 public:
  // Moves the focus as Windows does: the old control loses it, then the new one gains it.
  void moveTo(Focusable* control);
  Focusable* focused = nullptr;
};

class FakeTextField : public TextField, public Focusable {
 public:
  FakeTextField(FocusTracker& focus, std::string design)
      : value(std::move(design)), focus_(focus) {}
  std::string text() const override { return value; }
  void setText(const std::string& text) override { value = text; }
  void setEnabled(bool enabled_) override { enabled = enabled_; }
  void setVisible(bool visible_) override { visible = visible_; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setFocus() override;
  void setFocusHandlers(Handler got, Handler lost) override;
  bool canTakeFocus() const override { return enabled && visible; }
  // The user clicks into the field (nothing happens when it cannot take the focus) and types.
  void type(const std::string& text);

  std::string value;
  bool enabled = true;
  bool visible = true;
  std::string toolTip;

 private:
  FocusTracker& focus_;
};

class FakeList : public DropDownList, public Focusable {
 public:
  explicit FakeList(FocusTracker& focus) : focus_(focus) {}
  void addItem(const std::string& text) override { items.push_back(text); }
  void addItems(const std::vector<std::string_view>& texts) override {
    items.insert(items.end(), texts.begin(), texts.end());
  }
  void insertItem(int index, const std::string& text) override;
  void removeItem(int index) override;
  int count() const override { return static_cast<int>(items.size()); }
  int listIndex() const override { return selected; }
  void setListIndex(int index) override;
  std::string text() const override;
  void setVisible(bool visible_) override { visible = visible_; }
  void setBackColour(Colore colour) override { backColour = colour; }
  void setToolTip(const std::string& text) override { toolTip = text; }
  void setClickHandler(Handler handler) override { onClick = std::move(handler); }
  void setFocusHandlers(Handler got, Handler lost) override;
  bool canTakeFocus() const override { return visible; }
  // The user opens the list and picks an entry.
  void pick(int index);
  void pick(const std::string& text);

  std::vector<std::string> items;
  int selected = -1;
  bool visible = true;
  std::string toolTip;
  Handler onClick;
  int selectionEvents = 0;

 private:
  FocusTracker& focus_;
};

struct MessageBoxRecord {
  std::string text;
  int style = 0;
  std::string title;
};

struct InputBoxRecord {
  std::string prompt;
  std::string title;
  std::string initialText;
};

class FakeDialogs : public Dialogs {
 public:
  int messageBox(const std::string& text, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& initialText) override;
  std::string inputBoxWithList(const std::string& prompt, const std::string& title,
                               const std::string& initialText,
                               const std::vector<ListChoice>& choices) override {
    lastChoices = choices;
    return inputBox(prompt, title, initialText);
  }
  std::vector<ListChoice> lastChoices;

  // Answers for the next Yes/No boxes (6 yes, 7 no) and input boxes (the text typed;
  // an empty text is Cancel). An unanswered box fails the test.
  std::deque<int> yesNoAnswers;
  std::deque<std::string> inputAnswers;
  std::vector<MessageBoxRecord> boxes;
  std::vector<InputBoxRecord> inputs;
  std::function<void()> onMessageBox;  // runs while a box is open, before it is answered
};

class FakePlatform : public Platform {
 public:
  std::string programFolder() override { return folder; }
  void setHelpFile(const std::string& path) override { helpPath = path; }
  std::string helpFile() const override { return helpPath; }
  void showHelp(const std::string& path) override { helpShown.push_back(path); }
  void afterDelay(int milliseconds, Handler handler) override {
    delays.push_back({milliseconds, std::move(handler)});
  }
  void internetSettingsChanged() override { ++settingsNotices; }

  std::string folder = "C:\\Programmi\\Veltrano";
  std::string helpPath;
  std::vector<std::string> helpShown;
  struct Delay {
    int milliseconds;
    Handler handler;
  };
  std::vector<Delay> delays;
  int settingsNotices = 0;
};

}  // namespace veltrano::fake
