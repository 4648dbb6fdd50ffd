#include "fake/fake_toolkit.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace veltrano::fake {

void FakeWindow::close() {
  if (closed) {
    return;
  }
  closed = true;
  if (onUnload) {
    onUnload();
  }
}

void FakeButton::click() {
  if (enabled && onClick) {
    onClick();
  }
}

void FocusTracker::moveTo(Focusable* control) {
  if (control == focused || !control->canTakeFocus()) {
    return;
  }
  Focusable* previous = focused;
  focused = control;
  if (previous && previous->onLostFocus) {
    previous->onLostFocus();
  }
  if (control->onGotFocus) {
    control->onGotFocus();
  }
}

void FakeTextField::setFocus() {
  focus_.moveTo(this);
}

void FakeTextField::setFocusHandlers(Handler got, Handler lost) {
  onGotFocus = std::move(got);
  onLostFocus = std::move(lost);
}

void FakeTextField::type(const std::string& text) {
  ASSERT_TRUE(canTakeFocus()) << "typing into a field that cannot take the focus";
  focus_.moveTo(this);
  value = text;
}

void FakeList::insertItem(int index, const std::string& text) {
  ASSERT_TRUE(index >= 0 && index <= count());
  items.insert(items.begin() + index, text);
  if (selected >= index) {
    ++selected;
  }
}

void FakeList::removeItem(int index) {
  ASSERT_TRUE(index >= 0 && index < count()) << "removing entry " << index;
  items.erase(items.begin() + index);
  if (selected == index) {
    selected = -1;
  } else if (selected > index) {
    --selected;
  }
}

void FakeList::setListIndex(int index) {
  ASSERT_TRUE(index >= -1 && index < count()) << "selecting entry " << index;
  if (index == selected) {
    return;
  }
  selected = index;
  ++selectionEvents;
  if (onClick) {
    onClick();
  }
}

std::string FakeList::text() const {
  return selected >= 0 ? items[static_cast<std::size_t>(selected)] : std::string();
}

void FakeList::setFocusHandlers(Handler got, Handler lost) {
  onGotFocus = std::move(got);
  onLostFocus = std::move(lost);
}

void FakeList::pick(int index) {
  ASSERT_TRUE(visible) << "picking from a hidden list";
  focus_.moveTo(this);
  setListIndex(index);
}

void FakeList::pick(const std::string& text) {
  const auto found = std::find(items.begin(), items.end(), text);
  ASSERT_NE(found, items.end()) << "no entry " << text;
  pick(static_cast<int>(found - items.begin()));
}

int FakeDialogs::messageBox(const std::string& text, int style, const std::string& title) {
  boxes.push_back({text, style, title});
  if (onMessageBox) {
    onMessageBox();
  }
  if (style != kYesNo) {
    return 1;  // OK
  }
  if (yesNoAnswers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return 7;
  }
  const int answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

std::string FakeDialogs::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& initialText) {
  inputs.push_back({prompt, title, initialText});
  if (inputAnswers.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt;
    return {};
  }
  std::string answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

}  // namespace veltrano::fake
