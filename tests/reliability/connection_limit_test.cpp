// The table's limit of 1000 connections: the thousandth is stored, the next one refused, and a
// file of 1000 starts, shows, saves and deletes like a small one.
#include <gtest/gtest.h>

#include "reliability/harness_on.h"

namespace veltrano::reliability {
namespace {

using fake::Conn;
using fake::Harness;

Conn numbered(int i) {
  return {"conn " + std::to_string(i),
          "10." + std::to_string(i / 256) + "." + std::to_string(i % 256) + ".1",
          "255.255.255.0",
          "10.0.0.1",
          "10.0.0.2",
          "proxy" + std::to_string(i),
          std::to_string(8000 + i),
          i % 2 == 0 ? "SI" : "NO",
          "NO"};
}

std::vector<Conn> numberedConnections(int count) {
  std::vector<Conn> conns;
  for (int i = 1; i <= count; ++i) {
    conns.push_back(numbered(i));
  }
  return conns;
}

void addStatic(Harness& h, const std::string& name) {
  h.cmdNuova.click();
  h.txtConnessione.type(name);
  h.txtIP.type("192.168.9.9");
  h.cmdSalva.click();
}

TEST(ConnectionLimit, TheThousandthIsStoredAndTheNextIsRefusedInTheCurrentLanguage) {
  for (const std::string lingua : {"IT", "IN"}) {
    SCOPED_TRACE(lingua);
    Harness h;
    h.withProfile(fake::profileFile(numberedConnections(kMaxConnessioni - 1), lingua));
    h.start();
    addStatic(h, "the thousandth");
    ASSERT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(h.cmbConnessione.count(), kMaxConnessioni);
    const auto full = h.iniLines();
    EXPECT_EQ(full.size(), 4u + 9u * kMaxConnessioni);
    EXPECT_EQ(full[3], " 1000 ");

    const std::string before = h.ini();
    addStatic(h, "one too many");
    ASSERT_EQ(h.boxTexts(), std::vector<std::string>{catalogueText("TABLEFULL", lingua)});
    EXPECT_EQ(h.lastBox().style, kCritical);
    EXPECT_EQ(h.ini(), before);
    EXPECT_EQ(h.cmbConnessione.count(), kMaxConnessioni);
    EXPECT_FALSE(h.window.closed);

    Harness restart;
    restart.files.files = h.files.files;
    restart.start();
    EXPECT_TRUE(restart.dialogs.boxes.empty());
    EXPECT_EQ(restart.cmbConnessione.items.back(), "the thousandth");
  }
}

TEST(ConnectionLimit, FileOfAThousandStartsShowsSavesAndDeletes) {
  Harness h;
  const auto conns = numberedConnections(kMaxConnessioni);
  h.withProfile(fake::profileFile(conns));
  h.start();
  ASSERT_TRUE(h.dialogs.boxes.empty());
  ASSERT_EQ(h.cmbConnessione.count(), kMaxConnessioni);
  EXPECT_EQ(h.txtIP.value, conns.front().ip);

  // Shows: the last connection, with its proxy.
  h.cmbConnessione.pick(kMaxConnessioni - 1);
  EXPECT_EQ(h.txtIP.value, conns.back().ip);
  EXPECT_EQ(h.txtProxy.value, conns.back().proxy);
  EXPECT_TRUE(h.txtProxy.enabled);

  // Saves: only the changed line differs.
  const auto before = h.iniLines();
  h.txtIP.type("172.16.0.1");
  h.dialogs.yesNoAnswers = {kAnswerYes};
  h.cmdSalva.click();
  auto expected = before;
  expected[4 + 9 * (kMaxConnessioni - 1) + kIP] = "172.16.0.1";
  EXPECT_EQ(h.iniLines(), expected);

  // Deletes: one in the middle; the others keep their order.
  h.cmbConnessione.pick(499);
  h.dialogs.yesNoAnswers = {kAnswerYes};
  h.cmdElimina.click();
  EXPECT_EQ(h.cmbConnessione.count(), kMaxConnessioni - 1);
  const auto after = h.iniLines();
  ASSERT_EQ(after.size(), 4u + 9u * (kMaxConnessioni - 1));
  EXPECT_EQ(after[3], " 999 ");
  EXPECT_EQ(after[4 + 9 * 499], "conn 501");

  // And with room again, a new one fits.
  addStatic(h, "back to a thousand");
  for (const auto& box : h.dialogs.boxes) {
    EXPECT_EQ(box.style, kYesNo) << box.text;  // only the save and delete questions
  }
  EXPECT_EQ(h.cmbConnessione.count(), kMaxConnessioni);

  Harness restart;
  restart.files.files = h.files.files;
  restart.start();
  EXPECT_TRUE(restart.dialogs.boxes.empty());
  EXPECT_EQ(restart.cmbConnessione.count(), kMaxConnessioni);
  EXPECT_EQ(restart.cmbConnessione.items[499], "conn 501");
  EXPECT_EQ(restart.cmbConnessione.items.back(), "back to a thousand");
}

}  // namespace
}  // namespace veltrano::reliability
