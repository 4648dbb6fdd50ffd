#include <winsock2.h>
#include <ws2ipdef.h>

#include "shell/win32/network_watch.h"

#include <iphlpapi.h>
#include <netioapi.h>

#include "shell/win32/system_function.h"

namespace veltrano::win32 {

namespace {

using NotifyInterfaceFunction = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY, PIPINTERFACE_CHANGE_CALLBACK,
                                                      PVOID, BOOLEAN, HANDLE*);
using NotifyAddressFunction = NETIO_STATUS(WINAPI*)(ADDRESS_FAMILY,
                                                    PUNICAST_IPADDRESS_CHANGE_CALLBACK, PVOID,
                                                    BOOLEAN, HANDLE*);
using CancelFunction = NETIO_STATUS(WINAPI*)(HANDLE);

// iphlpapi.dll, loaded from the system folder once the window is up.
SystemFunction<NotifyInterfaceFunction> notifyInterface{L"iphlpapi.dll", "NotifyIpInterfaceChange"};
SystemFunction<NotifyAddressFunction> notifyAddress{L"iphlpapi.dll",
                                                    "NotifyUnicastIpAddressChange"};
SystemFunction<CancelFunction> cancelNotify{L"iphlpapi.dll", "CancelMibChangeNotify2"};

void WINAPI interfaceChanged(PVOID self, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE) {
  static_cast<NetworkWatch*>(self)->changed();
}

void WINAPI addressChanged(PVOID self, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE) {
  static_cast<NetworkWatch*>(self)->changed();
}

constexpr wchar_t kClassName[] = L"VeltranoNetworkWatch";
constexpr UINT kChangedMessage = WM_APP + 1;
constexpr UINT_PTR kQuietTimer = 1;
constexpr UINT kQuietMs = 300;  // a burst is over once no notice came for this long

}  // namespace

NetworkWatch::NetworkWatch(Handler onChange) : onChange_(std::move(onChange)) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
  if (window_ == nullptr) {
    return;
  }
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (const auto notify = notifyInterface.get()) {
    notify(AF_INET, interfaceChanged, this, FALSE, &interfaces_);
  }
  if (const auto notify = notifyAddress.get()) {
    notify(AF_INET, addressChanged, this, FALSE, &addresses_);
  }
}

NetworkWatch::~NetworkWatch() {
  // Cancelling waits for a notice being delivered, so none comes after.
  if (const auto cancel = cancelNotify.get()) {
    for (const HANDLE handle : {interfaces_, addresses_}) {
      if (handle != nullptr) {
        cancel(handle);
      }
    }
  }
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

void NetworkWatch::changed() {
  if (!pending_.exchange(true)) {
    PostMessageW(window_, kChangedMessage, 0, 0);
  }
}

LRESULT CALLBACK NetworkWatch::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<NetworkWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || (message != kChangedMessage && message != WM_TIMER)) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == kChangedMessage) {
    SetTimer(window, kQuietTimer, kQuietMs, nullptr);
    return 0;
  }
  KillTimer(window, kQuietTimer);
  self->pending_ = false;
  self->onChange_();
  return 0;
}

}  // namespace veltrano::win32
