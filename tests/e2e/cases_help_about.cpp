// Help opens the help file of the current language; About shows the version text.
#include "cases.h"
#include "dialogs.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "text.h"
#include "veltrano_process.h"
#include "wait.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

// The help fixtures carry these titles, which the HTML Help viewer shows as its caption; the
// caption tells which of the two files the program opened.
constexpr const char* kItalianHelpTitle = "Veltrano test help veltita.chm";
constexpr const char* kEnglishHelpTitle = "Veltrano test help velteng.chm";

void startWithHelpFiles(Session& session) {
  session.folder().writeProfile(sampleProfile());
  session.addFixture("veltita.chm");
  session.addFixture("velteng.chm");
  session.start();
}

void expectHelpWindowTitled(Session& session, const std::string& title) {
  const HWND help = pollFor([&] { return findHelpWindow(session.process()); }, kDialogTimeout);
  if (help == nullptr) {
    const std::string box = describeOpenBox(session.process());
    fail("no HTML Help window appeared" + (box.empty() ? "" : "; instead " + box));
  }
  expectText("HTML Help window caption", title, textOf(help));
}

void helpOpensTheItalianFileAtStart(const Environment& environment) {
  Session session(environment);
  startWithHelpFiles(session);
  session.ui().press(ids::cmdAiuto);
  expectHelpWindowTitled(session, kItalianHelpTitle);
}

void helpAfterSwitchingOpensTheEnglishFile(const Environment& environment) {
  Session session(environment);
  startWithHelpFiles(session);
  session.ui().press(ids::cmdLingua);
  session.ui().press(ids::cmdAiuto);
  expectHelpWindowTitled(session, kEnglishHelpTitle);
}

std::vector<std::string> splitAtCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) {
      return lines;
    }
    start = end + 2;
  }
}

std::string aboutText(Ui& ui) {
  Click about = ui.click(ids::cmdInfo);
  const MessageBoxView box = ui.waitForMessageBox();
  expectText("About box title", "Veltrano", box.title());
  expect(box.hasButton(IDOK) && !box.hasButton(IDYES), "the About box should offer OK alone");
  const std::string text = box.text();
  box.answer(IDOK);
  about.finish();
  return text;
}

void aboutShowsTheVersionTextInBothLanguages(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  const std::string italian = aboutText(ui);
  const auto lines = splitAtCrLf(italian);
  expectNumber("About text lines", 6, static_cast<long long>(lines.size()));
  expectText("About text, first line", "Veltrano 2.0", lines.front());
  if (lines.size() > 1) {
    expectText("About text, second line", "", lines[1]);
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    expect(!lines[i].empty(), "About text line " + std::to_string(i + 1) + " is empty");
  }

  ui.press(ids::cmdLingua);
  expectText("About text in English", italian, aboutText(ui));
}

}  // namespace

std::vector<Case> helpAboutCases() {
  return {
      {"help_opens_the_italian_file_at_start", helpOpensTheItalianFileAtStart},
      {"help_after_switching_opens_the_english_file", helpAfterSwitchingOpensTheEnglishFile},
      {"about_shows_the_version_text_in_both_languages", aboutShowsTheVersionTextInBothLanguages},
  };
}

}  // namespace e2e
