// The toolkit's event rules on real controls: the window logic relies on them.
#include "shell/win32/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/win32/control_ids.h"

namespace veltrano::win32 {
namespace {

using Events = std::vector<std::string>;

void pumpMessages() {
  for (MSG message{}; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    DispatchMessageW(&message);
  }
}

class EventRules : public testing::Test {
 protected:
  Events events_;  // outlives the window, whose handlers write to it
  AppWindow window_{GetModuleHandleW(nullptr)};
};

TEST_F(EventRules, ListIndexFromCodeRunsTheHandlerBeforeReturningOnlyWhenItChanges) {
  DropDownList& list = window_.dropDownList(ids::cmbDHCP);
  list.setClickHandler([&] { events_.push_back(list.text()); });
  list.addItem("No");
  list.addItems({"Forse", "Mai"});
  list.insertItem(0, "Sì");
  EXPECT_EQ(events_, Events{}) << "filling runs nothing";
  list.setListIndex(1);
  EXPECT_EQ(events_, Events{"No"}) << "the handler has run when setListIndex returns";
  list.setListIndex(1);
  list.setListIndex(3);
  list.setListIndex(-1);
  EXPECT_EQ(events_, (Events{"No", "Mai", ""}));
  list.setListIndex(3);
  list.removeItem(3);
  list.removeItem(0);
  EXPECT_EQ(events_.size(), 4u) << "emptying runs nothing";
}

TEST_F(EventRules, DisabledFieldCannotTakeTheFocus) {
  window_.show(SW_SHOWNORMAL);
  pumpMessages();
  TextField& ip = window_.textField(ids::txtIP);
  TextField& gateway = window_.textField(ids::txtGateway);
  ip.setFocusHandlers([&] { events_.push_back("got IP"); }, [&] { events_.push_back("lost IP"); });
  gateway.setFocusHandlers([&] { events_.push_back("got gateway"); }, [] {});
  gateway.setEnabled(false);
  ip.setFocus();
  gateway.setFocus();
  EXPECT_EQ(events_, Events{"got IP"});
  EXPECT_EQ(GetFocus(), GetDlgItem(window_.hwnd(), ids::txtIP));
}

TEST_F(EventRules, ShowingActivatesAndClosingUnloadsOnceAfterTheCallerReturns) {
  const HWND hwnd = window_.hwnd();
  window_.setWindowEvents([&] { events_.push_back("activate"); },
                          [&] { events_.push_back("unload"); });
  window_.show(SW_SHOWNORMAL);
  pumpMessages();
  EXPECT_EQ(events_, Events{"activate"});
  window_.close();
  window_.close();
  EXPECT_EQ(events_, Events{"activate"});
  pumpMessages();
  EXPECT_EQ(events_, (Events{"activate", "unload"}));
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace veltrano::win32
