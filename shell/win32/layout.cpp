#include "shell/win32/layout.h"

#include <array>

#include "shell/win32/control_ids.h"

namespace veltrano::win32 {

namespace {

using K = ControlKind;

// One row per control, as in the design table, so it reads as a table.
// clang-format off
constexpr std::array kControls{
    ControlSpec{ids::cmbConnessione, K::DropDownList, ids::frmConnessioni, L"", {1440, 240, 3375, 315}, true},
    ControlSpec{ids::txtConnessione, K::TextField, ids::frmConnessioni, L"", {1440, 240, 3375, 375}, false},
    ControlSpec{ids::cmbDHCP, K::DropDownList, ids::frmConnessioni, L"", {1440, 720, 3375, 315}, true},
    ControlSpec{ids::txtIP, K::TextField, ids::frmConnessioni, L"IP", {1440, 1080, 3375, 375}, true},
    ControlSpec{ids::txtMask, K::TextField, ids::frmConnessioni, L"Mask", {1440, 1500, 3375, 375}, true},
    ControlSpec{ids::txtGateway, K::TextField, ids::frmConnessioni, L"Gateway", {1440, 1920, 3375, 375}, true},
    ControlSpec{ids::txtDNS, K::TextField, ids::frmConnessioni, L"DNS", {1440, 2320, 3375, 375}, true},
    ControlSpec{ids::cmbUseProxy, K::DropDownList, ids::frmConnessioni, L"", {1440, 2740, 3375, 315}, true},
    ControlSpec{ids::txtProxy, K::TextField, ids::frmConnessioni, L"Proxy", {1440, 3100, 3375, 375}, true},
    ControlSpec{ids::txtProxyPort, K::TextField, ids::frmConnessioni, L"ProxyPort", {1440, 3520, 3375, 375}, true},
    ControlSpec{ids::cmdSetta, K::CommandButton, ids::frmComandi, L"Setta Connessione", {120, 360, 2175, 495}, true},
    ControlSpec{ids::cmdNuova, K::CommandButton, ids::frmComandi, L"Nuova Connessione", {120, 960, 2175, 495}, true},
    ControlSpec{ids::cmdAnnullaModifiche, K::CommandButton, ids::frmComandi, L"Annulla modifiche", {120, 1560, 2175, 495}, true},
    ControlSpec{ids::cmdSalva, K::CommandButton, ids::frmComandi, L"Salva", {120, 2160, 2175, 495}, true},
    ControlSpec{ids::cmdRinomina, K::CommandButton, ids::frmComandi, L"Rinomina Connessione", {120, 2760, 2175, 495}, true},
    ControlSpec{ids::cmdElimina, K::CommandButton, ids::frmComandi, L"Elimina Connessione", {120, 3360, 2175, 495}, true},
    ControlSpec{ids::cmdSettings, K::CommandButton, ids::frmComandi, L"Settings", {2400, 360, 2175, 495}, true},
    ControlSpec{ids::cmdLingua, K::CommandButton, ids::frmComandi, L"English", {2400, 1560, 2175, 495}, true},
    ControlSpec{ids::cmdAiuto, K::CommandButton, ids::frmComandi, L"Aiuto", {2400, 2160, 2175, 495}, true},
    ControlSpec{ids::cmdInfo, K::CommandButton, ids::frmComandi, L"Info", {2400, 2760, 2175, 495}, true},
    ControlSpec{ids::cmdEsci, K::CommandButton, ids::frmComandi, L"Esci", {2400, 3360, 2175, 495}, true},
    ControlSpec{ids::lblConnection, K::Label, ids::frmConnessioni, L"Connessione:", {120, 270, 1815, 255}, true},
    ControlSpec{ids::lblDHCP, K::Label, ids::frmConnessioni, L"DHCP:", {120, 750, 1815, 255}, true},
    ControlSpec{ids::lblIP, K::Label, ids::frmConnessioni, L"IP:", {120, 1150, 1815, 255}, true},
    ControlSpec{ids::lblMask, K::Label, ids::frmConnessioni, L"Mask:", {120, 1570, 1815, 255}, true},
    ControlSpec{ids::lblGateway, K::Label, ids::frmConnessioni, L"Gateway:", {120, 1960, 1815, 255}, true},
    ControlSpec{ids::lblDNS, K::Label, ids::frmConnessioni, L"DNS:", {120, 2380, 1815, 255}, true},
    ControlSpec{ids::lblUseProxy, K::Label, ids::frmConnessioni, L"UseProxy:", {120, 2805, 1815, 255}, true},
    ControlSpec{ids::lblProxy, K::Label, ids::frmConnessioni, L"Proxy:", {120, 3170, 1815, 255}, true},
    ControlSpec{ids::lblProxyPort, K::Label, ids::frmConnessioni, L"ProxyPort:", {120, 3600, 1815, 255}, true},
    ControlSpec{ids::frmConnessioni, K::Frame, 0, L"Connessioni", {120, 120, 4935, 4095}, true},
    ControlSpec{ids::frmComandi, K::Frame, 0, L"Comandi", {5160, 120, 4695, 4095}, true},
};
// clang-format on

TwipsRect frameRect(int frameId) {
  for (const ControlSpec& spec : kControls) {
    if (spec.id == frameId) {
      return spec.rect;
    }
  }
  return {0, 0, 0, 0};
}

}  // namespace

std::span<const ControlSpec> controlTable() {
  return kControls;
}

int twipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

PixelRect toPixels(const ControlSpec& spec, UINT dpi) {
  const TwipsRect origin = spec.frameId == 0 ? TwipsRect{0, 0, 0, 0} : frameRect(spec.frameId);
  const int left = origin.left + spec.rect.left;
  const int top = origin.top + spec.rect.top;
  const int x = twipsToPixels(left, dpi);
  const int y = twipsToPixels(top, dpi);
  return {x, y, twipsToPixels(left + spec.rect.width, dpi) - x,
          twipsToPixels(top + spec.rect.height, dpi) - y};
}

}  // namespace veltrano::win32
