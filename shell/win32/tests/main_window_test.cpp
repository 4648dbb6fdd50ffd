#include "shell/win32/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/win32/control_ids.h"
#include "shell/win32/layout.h"

namespace veltrano::win32 {
namespace {

void pumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

int heightOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

class AppWindowTest : public testing::Test {
 protected:
  AppWindowTest() : window_(GetModuleHandleW(nullptr)) {}
  void TearDown() override { pumpMessages(); }

  HWND item(int id) const { return GetDlgItem(window_.hwnd(), id); }
  void showAndActivate() {
    window_.show(SW_SHOWNORMAL);
    SetForegroundWindow(window_.hwnd());
    pumpMessages();
  }
  COLORREF backgroundFor(UINT message, HWND control) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window_.hwnd(), message, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const COLORREF colour = GetBkColor(dc);
    DeleteDC(dc);
    return colour;
  }

  std::vector<std::string> events_;  // outlives the window, whose handlers write to it
  AppWindow window_;
};

TEST_F(AppWindowTest, WindowHasItsClassCaptionAndDesignedClientSize) {
  ASSERT_NE(window_.hwnd(), nullptr);
  EXPECT_EQ(classOf(window_.hwnd()), L"VeltranoMain");
  wchar_t caption[32] = {};
  GetWindowTextW(window_.hwnd(), caption, 32);
  EXPECT_EQ(std::wstring(caption), L"Veltrano");
  RECT client{};
  GetClientRect(window_.hwnd(), &client);
  const UINT dpi = GetDpiForWindow(window_.hwnd());
  EXPECT_EQ(client.right, twipsToPixels(kClientWidthTwips, dpi));
  EXPECT_EQ(client.bottom, twipsToPixels(kClientHeightTwips, dpi));
}

TEST_F(AppWindowTest, MovingToAScreenOfAnotherScalingLaysEverythingOutAgain) {
  RECT suggested{10, 20, 1000, 800};
  SendMessageW(window_.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(window_.hwnd(), &client);
  EXPECT_EQ(client.right, twipsToPixels(kClientWidthTwips, 144));
  EXPECT_EQ(client.bottom, twipsToPixels(kClientHeightTwips, 144));
  RECT button{};
  GetWindowRect(item(ids::cmdEsci), &button);
  MapWindowPoints(HWND_DESKTOP, window_.hwnd(), reinterpret_cast<POINT*>(&button), 2);
  // cmdEsci: frame at 5160, 120 twips, button at 2400, 3360 in it, 2175 wide.
  EXPECT_EQ(button.left, twipsToPixels(5160 + 2400, 144));
  EXPECT_EQ(button.top, twipsToPixels(120 + 3360, 144));
  EXPECT_EQ(button.right, twipsToPixels(5160 + 2400 + 2175, 144));
  EXPECT_EQ(heightOf(item(ids::cmbDHCP)),
            twipsToPixels(120 + 720 + 315, 144) - twipsToPixels(120 + 720, 144));
}

TEST_F(AppWindowTest, EveryControlIsADirectChildOfTheKindItsIdSays) {
  for (int id = ids::cmbConnessione; id <= ids::cmdEsci; ++id) {
    ASSERT_NE(item(id), nullptr) << id;
    EXPECT_EQ(GetParent(item(id)), window_.hwnd());
  }
  for (int id = ids::frmConnessioni; id <= ids::frmComandi; ++id) {
    ASSERT_NE(item(id), nullptr) << id;
  }
  EXPECT_EQ(classOf(item(ids::cmbDHCP)), L"ComboBox");
  EXPECT_EQ(GetWindowLongW(item(ids::cmbDHCP), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(classOf(item(ids::txtIP)), L"Edit");
  EXPECT_EQ(classOf(item(ids::cmdSalva)), L"Button");
  EXPECT_EQ(classOf(item(ids::lblMask)), L"Static");
  EXPECT_EQ(GetWindowLongW(item(ids::frmComandi), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(AppWindowTest, TabGoesThroughTheFocusOrderSkippingTheHiddenField) {
  std::vector<int> order;
  HWND current = GetNextDlgTabItem(window_.hwnd(), nullptr, FALSE);
  for (int step = 0; step < 20 && current != nullptr; ++step) {
    order.push_back(GetDlgCtrlID(current));
    current = GetNextDlgTabItem(window_.hwnd(), current, FALSE);
  }
  std::vector<int> expected{ids::cmbConnessione};
  for (int id = ids::cmbDHCP; id <= ids::cmdEsci; ++id) {
    expected.push_back(id);
  }
  EXPECT_EQ(order, expected);
}

TEST_F(AppWindowTest, ClosedListIsAsTallAsDesigned) {
  const UINT dpi = GetDpiForWindow(window_.hwnd());
  for (const ControlLayout& entry : controlTable()) {
    if (entry.kind == ControlKind::DropDownList) {
      EXPECT_EQ(heightOf(item(entry.id)), toPixels(entry, dpi).height) << entry.id;
    }
  }
}

TEST_F(AppWindowTest, ListIndexSetFromCodeRunsTheSelectionHandlerOnlyWhenItChanges) {
  DropDownList& list = window_.dropDownList(ids::cmbDHCP);
  list.setClickHandler([&] { events_.push_back("click " + list.text()); });
  list.addItem("Sì");
  list.insertItem(1, "No");
  EXPECT_TRUE(events_.empty());
  list.setListIndex(1);
  list.setListIndex(1);
  list.setListIndex(0);
  list.setListIndex(-1);
  EXPECT_EQ(events_, (std::vector<std::string>{"click No", "click Sì", "click "}));
}

TEST_F(AppWindowTest, AddingInsertingAndRemovingEntriesRunNoHandler) {
  DropDownList& list = window_.dropDownList(ids::cmbConnessione);
  list.setClickHandler([&] { events_.push_back("click"); });
  list.addItem("b");
  list.insertItem(0, "a");
  list.addItem("c");
  list.setListIndex(2);
  events_.clear();
  list.removeItem(2);
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(list.text(), "");
}

TEST_F(AppWindowTest, FillingAListKeepsTheOrderRunsNoHandlerAndLeavesVisibilityAlone) {
  showAndActivate();
  DropDownList& list = window_.dropDownList(ids::cmbConnessione);
  list.setClickHandler([&] { events_.push_back("click"); });
  const HWND combo = item(ids::cmbConnessione);
  for (const bool visible : {true, false}) {
    list.setVisible(visible);
    while (list.count() > 0) {
      list.removeItem(0);
    }
    list.addItem("Casa");
    list.addItems({"Ufficio", "Città Studi", "", "Ufficio"});
    EXPECT_EQ(list.count(), 5);
    list.setListIndex(2);
    EXPECT_EQ(list.text(), "Città Studi");
    list.setListIndex(4);
    EXPECT_EQ(list.text(), "Ufficio");
    EXPECT_EQ(IsWindowVisible(combo) != FALSE, visible);
  }
  EXPECT_EQ(events_.size(), 4u) << "only the two setListIndex calls per round";
}

TEST_F(AppWindowTest, UsersPickRunsTheSelectionHandler) {
  DropDownList& list = window_.dropDownList(ids::cmbUseProxy);
  list.setClickHandler([&] { events_.push_back("click " + list.text()); });
  list.addItem("Yes");
  list.addItem("No");
  SendMessageW(item(ids::cmbUseProxy), CB_SETCURSEL, 1, 0);
  SendMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(ids::cmbUseProxy, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(item(ids::cmbUseProxy)));
  EXPECT_EQ(events_, (std::vector<std::string>{"click No"}));
}

TEST_F(AppWindowTest, ButtonClickRunsItsHandler) {
  window_.commandButton(ids::cmdInfo).setClickHandler([&] { events_.push_back("info"); });
  SendMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(ids::cmdInfo, BN_CLICKED),
               reinterpret_cast<LPARAM>(item(ids::cmdInfo)));
  EXPECT_EQ(events_, (std::vector<std::string>{"info"}));
}

TEST_F(AppWindowTest, TextFieldKeepsUtf8TextThroughTheNativeControl) {
  TextField& field = window_.textField(ids::txtProxy);
  field.setText("proxy.città.it");
  EXPECT_EQ(field.text(), "proxy.città.it");
  wchar_t native[64] = {};
  GetWindowTextW(item(ids::txtProxy), native, 64);
  EXPECT_EQ(std::wstring(native), L"proxy.citt\u00e0.it");
}

TEST_F(AppWindowTest, FocusMovingBetweenFieldsRunsLostThenGot) {
  showAndActivate();
  window_.textField(ids::txtIP)
      .setFocusHandlers([&] { events_.push_back("got IP"); },
                        [&] { events_.push_back("lost IP"); });
  window_.textField(ids::txtMask)
      .setFocusHandlers([&] { events_.push_back("got Mask"); },
                        [&] { events_.push_back("lost Mask"); });
  window_.textField(ids::txtIP).setFocus();
  window_.textField(ids::txtMask).setFocus();
  EXPECT_EQ(events_, (std::vector<std::string>{"got IP", "lost IP", "got Mask"}));
  EXPECT_EQ(GetFocus(), item(ids::txtMask));
}

TEST_F(AppWindowTest, DisabledFieldDoesNotTakeTheFocus) {
  showAndActivate();
  window_.textField(ids::txtIP).setFocus();
  TextField& gateway = window_.textField(ids::txtGateway);
  gateway.setFocusHandlers([&] { events_.push_back("got"); }, [&] { events_.push_back("lost"); });
  gateway.setEnabled(false);
  gateway.setFocus();
  EXPECT_EQ(GetFocus(), item(ids::txtIP));
  EXPECT_TRUE(events_.empty());
}

TEST_F(AppWindowTest, DisablingTheFocusedButtonHandsTheFocusOn) {
  showAndActivate();
  SetFocus(item(ids::cmdSalva));
  window_.commandButton(ids::cmdSalva).setEnabled(false);
  EXPECT_EQ(GetFocus(), item(ids::cmdRinomina));
}

TEST_F(AppWindowTest, BackgroundColourReachesTheNativePainting) {
  const Colore focus = rgb(99, 200, 250);
  window_.textField(ids::txtDNS).setBackColour(focus);
  EXPECT_EQ(backgroundFor(WM_CTLCOLOREDIT, item(ids::txtDNS)), RGB(99, 200, 250));
  window_.textField(ids::txtDNS).setEnabled(false);
  EXPECT_EQ(backgroundFor(WM_CTLCOLORSTATIC, item(ids::txtDNS)), RGB(99, 200, 250));
  window_.dropDownList(ids::cmbDHCP).setBackColour(focus);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(item(ids::cmbDHCP), &info);
  EXPECT_EQ(backgroundFor(WM_CTLCOLORLISTBOX, info.hwndList), RGB(99, 200, 250));
  window_.dropDownList(ids::cmbDHCP).setBackColour(kWhite);
  EXPECT_EQ(backgroundFor(WM_CTLCOLORLISTBOX, info.hwndList), RGB(255, 255, 255));
}

TEST_F(AppWindowTest, ClosingRunsTheUnloadOnceAndDestroysTheWindow) {
  const HWND hwnd = window_.hwnd();
  window_.setWindowEvents([] {}, [&] { events_.push_back("unload"); });
  window_.close();
  window_.close();
  EXPECT_TRUE(events_.empty());  // the caller returns before the window goes
  pumpMessages();
  EXPECT_EQ(events_, (std::vector<std::string>{"unload"}));
  EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace veltrano::win32
