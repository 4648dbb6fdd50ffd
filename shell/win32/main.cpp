// veltrano.exe: creates the Win32 services and the main window, hands them to the window
// logic and runs the message loop until the window closes; with arguments, runs their
// command without the window.
#include <windows.h>

#include <commctrl.h>

#include "shell/frmMain.h"
#include "shell/win32/code_page_codec.h"
#include "shell/win32/control_ids.h"
#include "shell/win32/main_window.h"
#include "shell/win32/message_loop.h"
#include "shell/win32/program_arguments.h"
#include "shell/win32/win32_batch_runner.h"
#include "shell/win32/win32_dialogs.h"
#include "shell/win32/win32_file_system.h"
#include "shell/win32/win32_network_adapters.h"
#include "shell/win32/win32_platform.h"
#include "shell/win32/win32_proxy_settings.h"
#include "shell/win32/win32_registry.h"
#include "shell/win32/windowless_command.h"

namespace {

using veltrano::Controls;
using veltrano::win32::AppWindow;
namespace ids = veltrano::ids;

Controls controlsOf(AppWindow& window) {
  return Controls{window,
                  window.captionControl(ids::frmConnessioni),
                  window.captionControl(ids::frmComandi),
                  window.captionControl(ids::lblConnection),
                  window.captionControl(ids::lblDHCP),
                  window.captionControl(ids::lblIP),
                  window.captionControl(ids::lblMask),
                  window.captionControl(ids::lblGateway),
                  window.captionControl(ids::lblDNS),
                  window.captionControl(ids::lblUseProxy),
                  window.captionControl(ids::lblProxy),
                  window.captionControl(ids::lblProxyPort),
                  window.dropDownList(ids::cmbConnessione),
                  window.textField(ids::txtConnessione),
                  window.dropDownList(ids::cmbDHCP),
                  window.textField(ids::txtIP),
                  window.textField(ids::txtMask),
                  window.textField(ids::txtGateway),
                  window.textField(ids::txtDNS),
                  window.dropDownList(ids::cmbUseProxy),
                  window.textField(ids::txtProxy),
                  window.textField(ids::txtProxyPort),
                  window.commandButton(ids::cmdSetta),
                  window.commandButton(ids::cmdNuova),
                  window.commandButton(ids::cmdAnnullaModifiche),
                  window.commandButton(ids::cmdSalva),
                  window.commandButton(ids::cmdRinomina),
                  window.commandButton(ids::cmdElimina),
                  window.commandButton(ids::cmdSettings),
                  window.commandButton(ids::cmdLingua),
                  window.commandButton(ids::cmdAiuto),
                  window.commandButton(ids::cmdInfo),
                  window.commandButton(ids::cmdEsci),
                  window.commandButton(ids::cmdDaInterfaccia),
                  window.commandButton(ids::cmdRipristina),
                  window.statusBar()};
}

void initCommonControls() {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&classes);
}

int runWindow(HINSTANCE instance, int showCommand) {
  namespace win32 = veltrano::win32;
  AppWindow window(instance);
  if (window.hwnd() == nullptr) {
    return 1;
  }
  win32::Win32Platform platform;
  // Destroyed after the window and the logic: a batch the user left running keeps the program,
  // windowless, until it ends.
  win32::Win32BatchRunner batch(window.hwnd(), win32::oemCodePage().codePage());
  win32::Win32NetworkAdapters adapters;
  win32::Win32Dialogs dialogs(instance, window.hwnd());
  win32::Win32FileSystem files;
  win32::Win32Registry registry;
  win32::Win32ProxySettings proxy;
  veltrano::frmMain form(controlsOf(window),
                         veltrano::Services{dialogs, platform, files, registry, proxy, batch,
                                            adapters, win32::ansiCodePage(), win32::oemCodePage()});
  window.setWindowEvents([&form] { form.Form_Activate(); }, [&form] { form.Form_Unload(); });
  form.Form_Load();
  window.show(showCommand);
  return win32::runMessageLoop(window.hwnd(), window.toolTips());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/,
                    int showCommand) {
  // DLLs loaded later come from the system folder only, never from beside the program.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  initCommonControls();
  const veltrano::CommandLine command = veltrano::win32::commandOfProcess();
  if (command.kind != veltrano::CommandLine::Kind::Window) {
    return veltrano::win32::runWindowlessCommand(instance, command);
  }
  return runWindow(instance, showCommand);
}
