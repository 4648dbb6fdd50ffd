// Control IDs of the main window. UI-automation tools and the end-to-end tests reach every
// control with GetDlgItem(mainWindow, id); all controls are direct children of the window.
#pragma once

namespace veltrano::ids {

// The controls of the focus order; the layout table gives the order.
constexpr int cmbConnessione = 1001;
constexpr int txtConnessione = 1002;
constexpr int cmbDHCP = 1003;
constexpr int txtIP = 1004;
constexpr int txtMask = 1005;
constexpr int txtGateway = 1006;
constexpr int txtDNS = 1007;
constexpr int cmbUseProxy = 1008;
constexpr int txtProxy = 1009;
constexpr int txtProxyPort = 1010;
constexpr int cmdSetta = 1011;
constexpr int cmdNuova = 1012;
constexpr int cmdAnnullaModifiche = 1013;
constexpr int cmdSalva = 1014;
constexpr int cmdRinomina = 1015;
constexpr int cmdElimina = 1016;
constexpr int cmdSettings = 1017;
constexpr int cmdLingua = 1018;
constexpr int cmdAiuto = 1019;
constexpr int cmdInfo = 1020;
constexpr int cmdEsci = 1021;
constexpr int cmdDaInterfaccia = 1022;
constexpr int cmdRipristina = 1023;

// Frames and labels, in the order of the layout.
constexpr int frmConnessioni = 1101;
constexpr int lblConnection = 1102;
constexpr int lblDHCP = 1103;
constexpr int lblIP = 1104;
constexpr int lblMask = 1105;
constexpr int lblGateway = 1106;
constexpr int lblDNS = 1107;
constexpr int lblUseProxy = 1108;
constexpr int lblProxy = 1109;
constexpr int lblProxyPort = 1110;
constexpr int frmComandi = 1111;

// The status bar along the bottom.
constexpr int barStato = 1301;

// The input box's edit field, or its editable drop-down list when it offers choices.
constexpr int inputBoxEdit = 1201;
constexpr int inputBoxList = 1202;

}  // namespace veltrano::ids
