// Expectations about the main window shared by the cases.
#pragma once

#include <string>

#include "profile.h"
#include "ui.h"

namespace e2e {

class ProgramFolder;

enum class Language { Italian, English };

// Caption of every button, label and frame, and of the window, in that language.
void expectCaptions(const Ui& ui, Language language);
// The two yes/no lists hold the yes and no texts of that language.
void expectYesNoEntries(const Ui& ui, Language language);
// The connection is the selected entry and the fields and lists show it by the display rules:
// placeholders "DHCP" and "NO PROXY" in disabled fields where a flag says so.
void expectShows(const Ui& ui, const Connection& connection);
void expectField(const Ui& ui, int id, const std::string& text, bool enabled);
// Apply, delete, save, undo and rename together; New is enabled either way.
void expectEditingButtons(const Ui& ui, bool enabled);
void expectBrowsing(const Ui& ui);
void expectProfileFile(const ProgramFolder& folder, const Profile& profile);

}  // namespace e2e
