#include "shell/win32/layout.h"

#include <array>

#include "shell/win32/control_ids.h"

namespace veltrano::win32 {

namespace {

using K = ControlKind;

// One row per control, as in the design table, so it reads as a table.
// clang-format off
constexpr std::array kControls{
    ControlLayout{ids::frmConnessioni, K::Frame, 0, L"Connessioni", {120, 120, 4935, 4695}, true},
    ControlLayout{ids::lblConnection, K::Label, ids::frmConnessioni, L"Connessione:", {120, 270, 1320, 255}, true},
    ControlLayout{ids::cmbConnessione, K::DropDownList, ids::frmConnessioni, L"", {1440, 240, 3375, 315}, true},
    ControlLayout{ids::txtConnessione, K::TextField, ids::frmConnessioni, L"", {1440, 240, 3375, 375}, false},
    ControlLayout{ids::lblDHCP, K::Label, ids::frmConnessioni, L"DHCP:", {120, 750, 1320, 255}, true},
    ControlLayout{ids::cmbDHCP, K::DropDownList, ids::frmConnessioni, L"", {1440, 720, 3375, 315}, true},
    ControlLayout{ids::lblIP, K::Label, ids::frmConnessioni, L"IP:", {120, 1150, 1320, 255}, true},
    ControlLayout{ids::txtIP, K::TextField, ids::frmConnessioni, L"IP", {1440, 1080, 3375, 375}, true},
    ControlLayout{ids::lblMask, K::Label, ids::frmConnessioni, L"Mask:", {120, 1570, 1320, 255}, true},
    ControlLayout{ids::txtMask, K::TextField, ids::frmConnessioni, L"Mask", {1440, 1500, 3375, 375}, true},
    ControlLayout{ids::lblGateway, K::Label, ids::frmConnessioni, L"Gateway:", {120, 1960, 1320, 255}, true},
    ControlLayout{ids::txtGateway, K::TextField, ids::frmConnessioni, L"Gateway", {1440, 1920, 3375, 375}, true},
    ControlLayout{ids::lblDNS, K::Label, ids::frmConnessioni, L"DNS:", {120, 2380, 1320, 255}, true},
    ControlLayout{ids::txtDNS, K::TextField, ids::frmConnessioni, L"DNS", {1440, 2320, 3375, 375}, true},
    ControlLayout{ids::lblUseProxy, K::Label, ids::frmConnessioni, L"UseProxy:", {120, 2805, 1320, 255}, true},
    ControlLayout{ids::cmbUseProxy, K::DropDownList, ids::frmConnessioni, L"", {1440, 2740, 3375, 315}, true},
    ControlLayout{ids::lblProxy, K::Label, ids::frmConnessioni, L"Proxy:", {120, 3170, 1320, 255}, true},
    ControlLayout{ids::txtProxy, K::TextField, ids::frmConnessioni, L"Proxy", {1440, 3100, 3375, 375}, true},
    ControlLayout{ids::lblProxyPort, K::Label, ids::frmConnessioni, L"ProxyPort:", {120, 3600, 1320, 255}, true},
    ControlLayout{ids::txtProxyPort, K::TextField, ids::frmConnessioni, L"ProxyPort", {1440, 3520, 3375, 375}, true},
    ControlLayout{ids::frmComandi, K::Frame, 0, L"Comandi", {5160, 120, 4695, 4695}, true},
    ControlLayout{ids::cmdSetta, K::CommandButton, ids::frmComandi, L"Setta Connessione", {120, 360, 2175, 495}, true},
    ControlLayout{ids::cmdNuova, K::CommandButton, ids::frmComandi, L"Nuova Connessione", {120, 960, 2175, 495}, true},
    ControlLayout{ids::cmdAnnullaModifiche, K::CommandButton, ids::frmComandi, L"Annulla modifiche", {120, 1560, 2175, 495}, true},
    ControlLayout{ids::cmdSalva, K::CommandButton, ids::frmComandi, L"Salva", {120, 2160, 2175, 495}, true},
    ControlLayout{ids::cmdRinomina, K::CommandButton, ids::frmComandi, L"Rinomina Connessione", {120, 2760, 2175, 495}, true},
    ControlLayout{ids::cmdElimina, K::CommandButton, ids::frmComandi, L"Elimina Connessione", {120, 3360, 2175, 495}, true},
    ControlLayout{ids::cmdRipristina, K::CommandButton, ids::frmComandi, L"Restore Previous", {2400, 360, 2175, 495}, true},
    ControlLayout{ids::cmdDaInterfaccia, K::CommandButton, ids::frmComandi, L"New from Adapter", {2400, 960, 2175, 495}, true},
    ControlLayout{ids::cmdSettings, K::CommandButton, ids::frmComandi, L"Settings", {2400, 1560, 2175, 495}, true},
    ControlLayout{ids::cmdLingua, K::CommandButton, ids::frmComandi, L"English", {2400, 2160, 2175, 495}, true},
    ControlLayout{ids::cmdAiuto, K::CommandButton, ids::frmComandi, L"Aiuto", {2400, 2760, 2175, 495}, true},
    ControlLayout{ids::cmdInfo, K::CommandButton, ids::frmComandi, L"Info", {2400, 3360, 2175, 495}, true},
    ControlLayout{ids::cmdEsci, K::CommandButton, ids::frmComandi, L"Esci", {2400, 3960, 2175, 495}, true},
};
// clang-format on

TwipsRect frameRect(int frameId) {
  for (const ControlLayout& entry : kControls) {
    if (entry.id == frameId) {
      return entry.rect;
    }
  }
  return {0, 0, 0, 0};
}

}  // namespace

std::span<const ControlLayout> controlTable() {
  return kControls;
}

int twipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

PixelRect toPixels(const ControlLayout& entry, UINT dpi) {
  const TwipsRect origin = entry.frameId == 0 ? TwipsRect{0, 0, 0, 0} : frameRect(entry.frameId);
  const int left = origin.left + entry.rect.left;
  const int top = origin.top + entry.rect.top;
  const int x = twipsToPixels(left, dpi);
  const int y = twipsToPixels(top, dpi);
  return {x, y, twipsToPixels(left + entry.rect.width, dpi) - x,
          twipsToPixels(top + entry.rect.height, dpi) - y};
}

}  // namespace veltrano::win32
