// Renaming and deleting the selected connection.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

const char* const kTaken =
    "Il nome della connessione è già stato usato. Modificare il nome e riprovare.";

struct RenameDeleteTest : ::testing::Test {
  void SetUp() override {
    h.withProfile(profileFile(
        {staticConn("Ufficio", "10.0.0.5"), dhcpConn("Casa"), proxyConn("Hotel", "px", "3128")}));
    h.start();
    before = h.ini();
  }
  Harness h;
  std::string before;
};

TEST_F(RenameDeleteTest, RenamePromptNamesTheConnectionAndStartsEmpty) {
  h.cmbConnessione.pick("Casa");
  h.dialogs.inputAnswers = {""};
  h.cmdRinomina.click();
  ASSERT_EQ(h.dialogs.inputs.size(), 1u);
  EXPECT_EQ(h.dialogs.inputs[0].prompt, "Inserire il nuovo nome della connessione Casa");
  EXPECT_EQ(h.dialogs.inputs[0].title, "Veltrano");
  EXPECT_EQ(h.dialogs.inputs[0].initialText, "");
}

TEST_F(RenameDeleteTest, CancelAndBlanksChangeNothing) {
  for (const std::string answer : {"", "    "}) {
    h.dialogs.inputAnswers = {answer};
    h.cmdRinomina.click();
  }
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.files.replaceCount, 0);
  EXPECT_EQ(h.cmbConnessione.items[0], "Ufficio");
}

TEST_F(RenameDeleteTest, SameNameEvenWithBlanksIsTaken) {
  for (const std::string answer : {"Ufficio", "  Ufficio ", "Hotel"}) {
    h.dialogs.inputAnswers = {answer};
    h.cmdRinomina.click();
    EXPECT_EQ(h.lastBox().text, kTaken);
  }
  EXPECT_EQ(h.files.replaceCount, 0);
}

TEST_F(RenameDeleteTest, RenameKeepsThePlaceAndSelectionAndWritesTheFile) {
  h.cmbConnessione.pick("Hotel");
  h.dialogs.inputAnswers = {" HOTEL "};
  h.cmdRinomina.click();
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Ufficio", "Casa", "HOTEL"}));
  EXPECT_EQ(h.cmbConnessione.selected, 2);
  EXPECT_EQ(h.txtProxy.value, "px");
  EXPECT_EQ(h.ini(), profileFile({staticConn("Ufficio", "10.0.0.5"), dhcpConn("Casa"),
                                  proxyConn("HOTEL", "px", "3128")}));
}

TEST_F(RenameDeleteTest, RenameToATextTheFileCannotHoldIsRefused) {
  h.dialogs.inputAnswers = {"Uff\nicio"};
  h.cmdRinomina.click();
  EXPECT_EQ(h.dialogs.boxes.size(), 1u);
  EXPECT_EQ(h.ini(), before);
  EXPECT_EQ(h.cmbConnessione.items[0], "Ufficio");
}

TEST_F(RenameDeleteTest, DeleteAnsweredNoRewritesTheSameFile) {
  h.dialogs.yesNoAnswers = {7};
  h.cmdElimina.click();
  EXPECT_EQ(h.lastBox().text, "Si è sicuri di voler eliminare la connessione?");
  EXPECT_EQ(h.lastBox().style, kYesNo);
  EXPECT_EQ(h.files.replaceCount, 1);
  EXPECT_EQ(h.ini(), before);
  EXPECT_EQ(h.cmbConnessione.count(), 3);
}

TEST_F(RenameDeleteTest, DeletingTheMiddleOneSelectsTheFirst) {
  h.cmbConnessione.pick("Casa");
  h.dialogs.yesNoAnswers = {6};
  h.cmdElimina.click();
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Ufficio", "Hotel"}));
  EXPECT_EQ(h.cmbConnessione.selected, 0);
  EXPECT_EQ(h.txtIP.value, "10.0.0.5");
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{"Sì", "No"}));
  EXPECT_EQ(h.ini(),
            profileFile({staticConn("Ufficio", "10.0.0.5"), proxyConn("Hotel", "px", "3128")}, "IT",
                        "LAN", " 2 "));
}

TEST(DeleteOnly, DeletingTheOnlyConnectionLeavesOnlyNewEnabled) {
  Harness h;
  h.withProfile(profileFile({dhcpConn("Casa")}));
  h.start();
  h.dialogs.yesNoAnswers = {6};
  h.cmdElimina.click();
  EXPECT_EQ(h.cmbConnessione.count(), 0);
  for (auto* b :
       {&h.cmdSetta, &h.cmdElimina, &h.cmdSalva, &h.cmdAnnullaModifiche, &h.cmdRinomina}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(h.cmdNuova.enabled);
  EXPECT_EQ(h.txtIP.value, "");
  EXPECT_FALSE(h.txtIP.enabled);  // it showed "DHCP": stays disabled, now empty
  EXPECT_EQ(h.txtProxy.value, "");
  EXPECT_EQ(h.ini(), lines({"LAN", "", "IT", " 0 "}));
}

}  // namespace
}  // namespace veltrano::fake
