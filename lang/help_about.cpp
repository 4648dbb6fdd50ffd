// Help opens the help file of the current language; About shows who made the program.
#include "shell/frmMain.h"

namespace veltrano {

void frmMain::cmdAiuto_Click() {
  MostraAiuto();
}

void frmMain::MostraAiuto() {
  s_.platform.showHelp(s_.platform.helpFile());
}

void frmMain::cmdInfo_Click() {
  MostraInfo(messaggio("ABOUT"));
}

}  // namespace veltrano
