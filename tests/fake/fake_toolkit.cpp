#include "fake/fake_toolkit.h"

#include <gtest/gtest.h>

#include "lang/messaggi.h"

namespace veltrano::fake {

namespace {

// The next answer a test gave; an unexpected box fails the test and gets No, or Cancel.
template <class T>
T next(std::deque<T>& answers, const std::string& box) {
  EXPECT_FALSE(answers.empty()) << "an unexpected box: " << box;
  const T answer = answers.empty() ? T() : answers.front();
  answers.erase(answers.begin(), answers.begin() + (answers.empty() ? 0 : 1));
  return answer;
}

}  // namespace

std::string FakeControl::text() const {
  return !isList ? value : selected < 0 ? "" : items.at(static_cast<std::size_t>(selected));
}

void FakeControl::setFocus() {
  if (*focus == this || !visible || !(enabled || isList)) {
    return;
  }
  FakeControl* previous = std::exchange(*focus, this);
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
  if (std::exchange(selected, index) != index) {
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
  if (!std::exchange(closed, true)) {
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
  return style == kYesNo && next(answers, text) ? kAnswerYes : 7;
}

std::string FakeDialogs::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& initialText) {
  boxes.push_back({prompt, -1, title, initialText});
  return next(typed, prompt);
}

ConfirmAnswer FakeDialogs::countdownBox(const std::string& text, int seconds,
                                        const std::string& keep, const std::string& revert,
                                        const std::string& title) {
  const std::string shown = componi(text, {std::to_string(seconds)});
  boxes.push_back({shown + " [" + keep + "|" + revert + "]", -2, title, {}});
  return next(confirms, shown);
}

void FakePlatform::afterDelay(int milliseconds, Handler handler) {
  EXPECT_GT(milliseconds, 0);
  delays.emplace(now + milliseconds, std::move(handler));
}

void FakePlatform::wait(int milliseconds) {
  const int end = now + milliseconds;
  while (!delays.empty() && delays.begin()->first <= end) {
    now = delays.begin()->first;
    Handler next = std::move(delays.begin()->second);
    delays.erase(delays.begin());
    next();
  }
  now = end;
}

}  // namespace veltrano::fake
