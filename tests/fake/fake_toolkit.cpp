#include "fake/fake_toolkit.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace veltrano::fake {

void FakeWindow::close() {
  if (!closed) {
    closed = true;
    ASSERT_TRUE(onUnload) << "closing a window nobody listens to";
    onUnload();
  }
}

void FakeButton::click() {
  if (enabled && onClick) {
    onClick();
  }
}

void Focusable::takeFocus() {
  if (*focus == this || !canTakeFocus()) {
    return;
  }
  Focusable* previous = *focus;
  *focus = this;
  if (previous && previous->onLostFocus) {
    previous->onLostFocus();
  }
  if (onGotFocus) {
    onGotFocus();
  }
}

void FakeTextField::setFocusHandlers(Handler got, Handler lost) {
  onGotFocus = std::move(got);
  onLostFocus = std::move(lost);
}

void FakeTextField::type(const std::string& text) {
  EXPECT_TRUE(canTakeFocus()) << "typing into a field that cannot take the focus: " << text;
  if (canTakeFocus()) {
    takeFocus();
    value = text;
  }
}

void FakeList::addItems(const std::vector<std::string_view>& texts) {
  items.insert(items.end(), texts.begin(), texts.end());
}

void FakeList::insertItem(int index, const std::string& text) {
  ASSERT_TRUE(index >= 0 && index <= count()) << "inserting at " << index;
  items.insert(items.begin() + index, text);
  selected += selected >= index ? 1 : 0;
}

void FakeList::removeItem(int index) {
  ASSERT_TRUE(index >= 0 && index < count()) << "removing entry " << index;
  items.erase(items.begin() + index);
  selected = selected == index ? -1 : selected - (selected > index ? 1 : 0);
}

void FakeList::setListIndex(int index) {
  ASSERT_TRUE(index >= -1 && index < count()) << "selecting entry " << index;
  if (index != selected) {
    selected = index;
    ASSERT_TRUE(onClick) << "a list without its selection handler";
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
  takeFocus();
  setListIndex(index);
}

int FakeDialogs::messageBox(const std::string& text, int style, const std::string& title) {
  EXPECT_FALSE(text.empty()) << "an empty message box";
  EXPECT_EQ(std::count(forbidden.begin(), forbidden.end(), text), 0) << "a key with no text";
  boxes.push_back({text, style, title});
  if (style != kYesNo) {
    return 1;
  }
  EXPECT_FALSE(answers.empty()) << "an unexpected question: " << text;
  const bool yes = !answers.empty() && answers.front();
  if (!answers.empty()) {
    answers.pop_front();
  }
  return yes ? kAnswerYes : 7;
}

std::string FakeDialogs::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& initialText) {
  boxes.push_back({prompt, -1, title});
  initialTexts.push_back(initialText);
  EXPECT_FALSE(typed.empty()) << "an unexpected input box: " << prompt;
  std::string answer = typed.empty() ? std::string() : typed.front();
  if (!typed.empty()) {
    typed.pop_front();
  }
  return answer;
}

std::string FakeDialogs::inputBoxWithList(const std::string& prompt, const std::string& title,
                                          const std::string& initialText,
                                          const std::vector<ListChoice>& list) {
  choices = list;
  return inputBox(prompt, title, initialText);
}

void FakePlatform::afterDelay(int milliseconds, Handler handler) {
  EXPECT_GT(milliseconds, 0);
  delays.push_back(std::move(handler));
}

void FakePlatform::wait(int steps) {
  for (int i = 0; i < steps && !delays.empty(); ++i) {
    Handler next = std::move(delays.front());
    delays.pop_front();
    next();
  }
}

}  // namespace veltrano::fake
