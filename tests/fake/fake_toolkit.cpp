#include "fake/fake_toolkit.h"

#include <gtest/gtest.h>

namespace veltrano::fake {

std::string FakeControl::text() const {
  return !isList ? value : selected < 0 ? "" : items.at(static_cast<std::size_t>(selected));
}

void FakeControl::setFocus() {
  if (*focus == this || !visible || !(enabled || isList)) {
    return;
  }
  FakeControl* previous = *focus;
  *focus = this;
  if (previous && previous->onLostFocus) {
    previous->onLostFocus();
  }
  if (onGotFocus) {
    onGotFocus();
  }
}

void FakeControl::insertItem(int index, const std::string& text) {
  ASSERT_TRUE(index >= 0 && index <= count()) << "inserting at " << index;
  items.insert(items.begin() + index, text);
  selected += selected >= index ? 1 : 0;
}

void FakeControl::removeItem(int index) {
  ASSERT_TRUE(index >= 0 && index < count()) << "removing entry " << index;
  items.erase(items.begin() + index);
  selected = selected == index ? -1 : selected - (selected > index ? 1 : 0);
}

void FakeControl::setListIndex(int index) {
  ASSERT_TRUE(index >= -1 && index < count() && onClick) << "selecting entry " << index;
  if (index != selected) {
    selected = index;
    onClick();
  }
}

void FakeControl::click() {
  if (enabled && onClick) {
    onClick();
  }
}

void FakeControl::type(const std::string& text) {
  ASSERT_TRUE(enabled && visible) << "typing into a field that cannot take the focus: " << text;
  setFocus();
  value = text;
}

void FakeControl::pick(int index) {
  ASSERT_TRUE(visible) << "picking from a hidden list";
  setFocus();
  setListIndex(index);
}

void FakeWindow::close() {
  ASSERT_TRUE(onUnload) << "closing a window nobody listens to";
  if (!closed) {
    closed = true;
    onUnload();
  }
}

int FakeDialogs::messageBox(const std::string& text, int style, const std::string& title) {
  for (const std::string& missing : forbidden) {
    EXPECT_EQ(text.find(missing), std::string::npos) << "a key with no text in: " << text;
  }
  EXPECT_TRUE(!text.empty() && text.front() != ' ' && text.back() != ' ') << "[" << text << "]";
  for (char digit = '1'; digit <= '9'; ++digit) {
    EXPECT_EQ(text.find(std::string("%") + digit), std::string::npos) << "unfilled: " << text;
  }
  boxes.push_back({text, style, title, {}});
  EXPECT_TRUE(style != kYesNo || !answers.empty()) << "an unexpected question: " << text;
  const bool yes = style == kYesNo && !answers.empty() && answers.front();
  if (style == kYesNo && !answers.empty()) {
    answers.pop_front();
  }
  return yes ? kAnswerYes : 7;
}

std::string FakeDialogs::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& initialText) {
  boxes.push_back({prompt, -1, title, initialText});
  EXPECT_FALSE(typed.empty()) << "an unexpected input box: " << prompt;
  const std::string answer = typed.empty() ? std::string() : typed.front();
  if (!typed.empty()) {
    typed.pop_front();
  }
  return answer;
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
