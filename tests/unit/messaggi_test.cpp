#include "lang/messaggi.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace veltrano {
namespace {

struct Atteso {
  const char* chiave;
  const char* italiano;
  const char* inglese;
};

constexpr const char* kAbout =
    "Veltrano 2.0\r\n\r\nThe Veltrano developers\r\nhttps://www.example.org\r\n"
    "veltrano@example.org\r\nhttps://www.example.org/veltrano";
constexpr const char* kBy =
    "Veltrano 2.0 The Veltrano developers\r\nhttps://www.example.org - "
    "veltrano@example.org\r\nhttps://www.example.org/veltrano";

const std::vector<Atteso> kMessaggiAttesi = {
    {"NOERR", "Errore non riconosciuto", "Unrecognized error"},
    {"NODB", "Database non trovato. Impossibile continuare.", "Database not found. Exiting."},
    {"NOINIFILE", "Errore nell'apertura del file velt2.ini. Impossibile continuare.",
     "Error opening velt2.ini. Exiting."},
    {"INSINTERFACE", "Inserire il nome dell'interfaccia di rete", "Insert network interface name"},
    {"ESCI", "Esci", "Quit"},
    {"SETTINGS", "Impostazioni", "Settings"},
    {"NUOVACONN", "Nuova Connessione", "New Connection"},
    {"SALVA", "Salva", "Save"},
    {"SETTA", "Imposta Connessione", "Set Connection"},
    {"ANNMOD", "Annulla Modifiche", "Undo Changes"},
    {"CONN", "Connessione", "Connection"},
    {"DHCP", "DHCP", "DHCP"},
    {"IP", "IP", "IP"},
    {"MASK", "Subnet Mask", "Subnet Mask"},
    {"GATEWAY", "Gateway", "Gateway"},
    {"DNS", "DNS", "DNS"},
    {"PROXY", "Proxy", "Proxy"},
    {"SERVERPROXY", "Server Proxy", "Proxy Server"},
    {"PROXYPORT", "Porta Proxy", "Proxy Port"},
    {"INSERTCONNNAME", "Inserire il nome della connessione", "Insert connection name"},
    {"INSERTIP", "Inserire IP", "Insert IP"},
    {"INSERTPROXY", "Inserire il server proxy", "Insert proxy server"},
    {"INSERTPROXYPORT", "Inserire la porta del proxy", "Insert proxy port"},
    {"ABORT", "Annulla", "Abort"},
    {"LINGUA", "English", "Italiano"},
    {"ABOUT", kAbout, kAbout},
    {"SI", "Sì", "Yes"},
    {"NO", "No", "No"},
    {"SURETOSAVE", "Si è sicuri di voler salvare le modifiche?", "Are you sure to save changes?"},
    {"SURETODEL", "Si è sicuri di voler eliminare la connessione?",
     "Are you sure to delete this connection?"},
    {"DELCONN", "Elimina Connessione", "Delete Connection"},
    {"BY", kBy, kBy},
    {"CONNESSIONI", "Connessioni", "Connections"},
    {"COMANDI", "Comandi", "Commands"},
    {"RENAME", "Rinomina Connessione", "Rename Connection"},
    {"AIUTO", "Aiuto", "Help"},
    {"INSRENAME", "Inserire il nuovo nome della connessione", "Insert new connection name"},
    {"HELPFILENAME", "veltita.chm", "velteng.chm"},
    {"NAMEALREADY", "Il nome della connessione è già stato usato. Modificare il nome e riprovare.",
     "Connection name already used. Modify the name, then retry."},
    {"NOLINEBREAK", "Il testo non può contenere ritorni a capo, tabulazioni o caratteri nulli.",
     "The text cannot contain line breaks, tabs or null characters."},
    {"NOCODEPAGE",
     "Il testo contiene caratteri che il file velt2.ini non può memorizzare. Usare altri "
     "caratteri.",
     "The text contains characters that velt2.ini cannot store. Use other characters."},
    {"TABLEFULL",
     "Sono già memorizzate 1000 connessioni. Eliminarne una prima di aggiungerne un'altra.",
     "1000 connections are already stored. Delete one before adding another."},
    {"NOBATCHFILE",
     "Impossibile scrivere il file lastconnection.bat nella cartella del programma. La "
     "connessione non è stata impostata.",
     "Cannot write lastconnection.bat in the program folder. The connection was not set."},
    {"NOINTERFACE",
     "Nessuna interfaccia di rete impostata. Impostarla con il pulsante Impostazioni.",
     "No network interface set. Set it with the Settings button."},
    {"BATCHCHARS",
     "I valori contengono caratteri che non possono essere passati a netsh (virgolette, punto "
     "esclamativo, caratteri di controllo o non supportati dalla console). Correggerli e "
     "riprovare.",
     "The values contain characters that cannot be passed to netsh (double quotes, exclamation "
     "marks, control characters or characters the console cannot show). Correct them and "
     "retry."},
    {"NOBATCHSTART",
     "Impossibile avviare lastconnection.bat. La connessione non è stata impostata.",
     "Cannot start lastconnection.bat. The connection was not set."},
    {"BATCHTOOLONG",
     "I valori sono troppo lunghi per essere passati a netsh. Accorciarli e riprovare.",
     "The values are too long to be passed to netsh. Shorten them and retry."},
};

const std::vector<Atteso> kToolTipAttesi = {
    {"NOTT", "ToolTip non trovato", "ToolTip not found"},
    {"TT_COMBOCONN", "Scegliere la connessione", "Select the connection"},
    {"TT_TXTNEWCONN", "Inserire il nome della nuova connessione", "Insert new connection name"},
    {"TT_DHCP", "Selezionare se usare il DHCP", "Select if you want to use DHCP"},
    {"TT_IP", "Inserire l'indirizzo IP", "Insert IP address"},
    {"TT_SUBNET", "Inserire la subnet mask", "Insert subnet mask"},
    {"TT_GATEWAY", "Inserire il gateway", "Insert gateway"},
    {"TT_DNS", "Inserire il DNS", "Insert DNS"},
    {"TT_USEPROXY", "Selezionare se usare il proxy", "Select if you want to use the proxy"},
    {"TT_SERVERPROXY", "Indirizzo del server proxy", "Proxy server address"},
    {"TT_PROXYPORT", "Porta del server proxy", "Proxy server port"},
    {"TT_IMPOSTACONN", "Imposta la connessione corrente", "Set current connection"},
    {"TT_NUOVACONN", "Crea una nuova connessione", "Create a new connection"},
    {"ANNULLAMOD", "Annulla le modifiche", "Undo changes"},
    {"SALVA", "Salva i parametri della connessione", "Save connection parameters"},
    {"RINOCONN", "Rinomina la connessione corrente", "Rename current connection"},
    {"ELICONN", "Elimina la connessione corrente", "Delete current connection"},
    {"IMPOSTAZ", "Impostazioni di Veltrano", "Veltrano's settings"},
    {"LINGUA", "Cambia la lingua", "Change language"},
    {"AIUTO", "Help in linea", "On line help"},
    {"INFO", "Informazioni su Veltrano", "About Veltrano"},
    {"ESCI", "Abbandona Veltrano", "Quit Veltrano"},
};

const Catalogo::Riga& riga(const Catalogo::Tabella& tabella, int r) {
  return tabella.righe[static_cast<std::size_t>(r)];
}

std::vector<std::string> righeDi(const std::string& testo) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  for (auto fine = testo.find("\r\n"); fine != std::string::npos;
       fine = testo.find("\r\n", inizio)) {
    righe.push_back(testo.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  righe.push_back(testo.substr(inizio));
  return righe;
}

void expectTabellaUguale(const Catalogo::Tabella& tabella, const std::vector<Atteso>& attesi) {
  const int n = static_cast<int>(attesi.size());
  ASSERT_EQ(tabella.conteggio, n);
  for (int r = 1; r <= n; ++r) {
    const Atteso& atteso = attesi[static_cast<std::size_t>(r - 1)];
    SCOPED_TRACE(atteso.chiave);
    EXPECT_EQ(riga(tabella, r).numero, r);
    EXPECT_EQ(riga(tabella, r).chiave, atteso.chiave);
    EXPECT_EQ(riga(tabella, r).italiano, atteso.italiano);
    EXPECT_EQ(riga(tabella, r).inglese, atteso.inglese);
  }
}

void expectFineTabellaDopo(const Catalogo::Tabella& tabella, int conteggio) {
  EXPECT_EQ(riga(tabella, 0).numero, 0);
  EXPECT_TRUE(riga(tabella, 0).chiave.empty());
  const auto& fine = riga(tabella, conteggio + 1);
  EXPECT_EQ(fine.numero, -1);
  EXPECT_TRUE(fine.chiave.empty());
  EXPECT_TRUE(fine.italiano.empty());
  EXPECT_TRUE(fine.inglese.empty());
  for (int r = conteggio + 2; r < Catalogo::kRighe; ++r) {
    EXPECT_EQ(riga(tabella, r).numero, 0) << "row " << r;
    EXPECT_TRUE(riga(tabella, r).chiave.empty()) << "row " << r;
  }
}

class CatalogoCostruito : public ::testing::Test {
 protected:
  void SetUp() override { catalogo.caricaMessaggi(); }
  Catalogo catalogo;
};

TEST_F(CatalogoCostruito, HoldsFortySixMessagesAndTwentyTwoToolTips) {
  EXPECT_EQ(catalogo.numMessaggi(), 47);
  EXPECT_EQ(catalogo.numToolTip(), 22);
}

TEST_F(CatalogoCostruito, MessageRowsHoldEveryEntryInOrder) {
  expectTabellaUguale(catalogo.messageTable(), kMessaggiAttesi);
}

TEST_F(CatalogoCostruito, ToolTipRowsHoldEveryEntryInOrder) {
  expectTabellaUguale(catalogo.toolTipTable(), kToolTipAttesi);
}

TEST_F(CatalogoCostruito, EveryMessageIsFoundInBothLanguages) {
  for (const auto& atteso : kMessaggiAttesi) {
    SCOPED_TRACE(atteso.chiave);
    EXPECT_EQ(catalogo.getMessaggio(atteso.chiave, "IT"), atteso.italiano);
    EXPECT_EQ(catalogo.getMessaggio(atteso.chiave, "IN"), atteso.inglese);
  }
}

TEST_F(CatalogoCostruito, EveryToolTipIsFoundInBothLanguages) {
  for (const auto& atteso : kToolTipAttesi) {
    SCOPED_TRACE(atteso.chiave);
    EXPECT_EQ(catalogo.getToolTip(atteso.chiave, "IT"), atteso.italiano);
    EXPECT_EQ(catalogo.getToolTip(atteso.chiave, "IN"), atteso.inglese);
  }
}

TEST_F(CatalogoCostruito, KeysAreUniqueWithinEachTable) {
  for (const auto* tabella : {&catalogo.messageTable(), &catalogo.toolTipTable()}) {
    std::set<std::string> chiavi;
    for (int r = 1; r <= tabella->conteggio; ++r) {
      EXPECT_TRUE(chiavi.insert(riga(*tabella, r).chiave).second) << riga(*tabella, r).chiave;
    }
  }
}

TEST_F(CatalogoCostruito, EndMarkersFollowTheLastEntries) {
  expectFineTabellaDopo(catalogo.messageTable(), 47);
  expectFineTabellaDopo(catalogo.toolTipTable(), 22);
}

TEST_F(CatalogoCostruito, UnknownKeyGivesTheFallBackTextInTheSameLanguage) {
  EXPECT_EQ(catalogo.getMessaggio("NONESISTE", "IT"), "Errore non riconosciuto");
  EXPECT_EQ(catalogo.getMessaggio("NONESISTE", "IN"), "Unrecognized error");
  EXPECT_EQ(catalogo.getToolTip("NONESISTE", "IT"), "ToolTip non trovato");
  EXPECT_EQ(catalogo.getToolTip("NONESISTE", "IN"), "ToolTip not found");
  EXPECT_EQ(catalogo.getMessaggio("", "IN"), "Unrecognized error");
}

TEST_F(CatalogoCostruito, TheTwoTablesAreSeparateKeySpaces) {
  EXPECT_EQ(catalogo.getToolTip("NUOVACONN", "IT"), "ToolTip non trovato");
  EXPECT_EQ(catalogo.getMessaggio("TT_IP", "IN"), "Unrecognized error");
  EXPECT_EQ(catalogo.getMessaggio("ESCI", "IN"), "Quit");
  EXPECT_EQ(catalogo.getToolTip("ESCI", "IN"), "Quit Veltrano");
}

TEST_F(CatalogoCostruito, KeysAreCaseSensitive) {
  EXPECT_EQ(catalogo.getMessaggio("esci", "IT"), "Errore non riconosciuto");
  EXPECT_EQ(catalogo.getMessaggio("Esci", "IN"), "Unrecognized error");
  EXPECT_EQ(catalogo.getToolTip("tt_ip", "IT"), "ToolTip non trovato");
  EXPECT_EQ(catalogo.getMessaggio("ESCI ", "IT"), "Errore non riconosciuto");
}

TEST_F(CatalogoCostruito, OtherLanguageCodesGiveEmptyTextForKnownAndUnknownKeys) {
  for (const char* lingua : {"EN", "it", "in", "", "IT ", "ITA"}) {
    SCOPED_TRACE(lingua);
    EXPECT_EQ(catalogo.getMessaggio("ESCI", lingua), "");
    EXPECT_EQ(catalogo.getMessaggio("NONESISTE", lingua), "");
    EXPECT_EQ(catalogo.getToolTip("TT_IP", lingua), "");
    EXPECT_EQ(catalogo.getToolTip("NONESISTE", lingua), "");
  }
}

TEST_F(CatalogoCostruito, SecondBuildChangesNothing) {
  const Catalogo prima = catalogo;
  catalogo.caricaMessaggi();
  EXPECT_EQ(catalogo.numMessaggi(), prima.numMessaggi());
  EXPECT_EQ(catalogo.numToolTip(), prima.numToolTip());
  for (int r = 0; r < Catalogo::kRighe; ++r) {
    EXPECT_EQ(riga(catalogo.messageTable(), r).numero, riga(prima.messageTable(), r).numero);
    EXPECT_EQ(riga(catalogo.messageTable(), r).chiave, riga(prima.messageTable(), r).chiave);
    EXPECT_EQ(riga(catalogo.toolTipTable(), r).numero, riga(prima.toolTipTable(), r).numero);
    EXPECT_EQ(riga(catalogo.toolTipTable(), r).chiave, riga(prima.toolTipTable(), r).chiave);
  }
}

TEST_F(CatalogoCostruito, AboutTextHasSixLinesAndIsTheSameInBothLanguages) {
  const std::string about = catalogo.getMessaggio("ABOUT", "IT");
  EXPECT_EQ(catalogo.getMessaggio("ABOUT", "IN"), about);
  const auto righe = righeDi(about);
  ASSERT_EQ(righe.size(), 6u);
  EXPECT_EQ(righe[0], "Veltrano 2.0");
  EXPECT_EQ(righe[1], "");
  for (std::size_t i = 2; i < righe.size(); ++i) {
    EXPECT_FALSE(righe[i].empty()) << "line " << i;
  }
  for (const auto& r : righe) {
    EXPECT_EQ(r.find_first_of("\r\n"), std::string::npos) << "stray line break in " << r;
  }
}

TEST_F(CatalogoCostruito, ContactLineHasThreeLinesAndIsTheSameInBothLanguages) {
  const std::string by = catalogo.getMessaggio("BY", "IT");
  EXPECT_EQ(catalogo.getMessaggio("BY", "IN"), by);
  const auto righe = righeDi(by);
  ASSERT_EQ(righe.size(), 3u);
  EXPECT_EQ(righe[0].rfind("Veltrano 2.0 ", 0), 0u);
  EXPECT_NE(righe[1].find(" - "), std::string::npos);
}

TEST(CatalogoVuoto, LookupsBeforeTheBuildGiveEmptyText) {
  const Catalogo catalogo;
  EXPECT_EQ(catalogo.numMessaggi(), 0);
  EXPECT_EQ(catalogo.numToolTip(), 0);
  EXPECT_EQ(catalogo.getMessaggio("ESCI", "IT"), "");
  EXPECT_EQ(catalogo.getMessaggio("NOERR", "IN"), "");
  EXPECT_EQ(catalogo.getMessaggio("", "IT"), "");
  EXPECT_EQ(catalogo.getToolTip("TT_IP", "IN"), "");
  EXPECT_EQ(catalogo.getToolTip("NOTT", "IT"), "");
}

TEST(CatalogoVuoto, BuildIsSkippedWhenEitherTableAlreadyHoldsMoreThanOneEntry) {
  Catalogo soloToolTip;
  soloToolTip.aggiungiToolTip("NOTT", "a", "b");
  soloToolTip.aggiungiToolTip("X", "c", "d");
  soloToolTip.caricaMessaggi();
  EXPECT_EQ(soloToolTip.numMessaggi(), 0);
  EXPECT_EQ(soloToolTip.numToolTip(), 2);

  Catalogo soloMessaggi;
  soloMessaggi.aggiungiMessaggio("NOERR", "a", "b");
  soloMessaggi.aggiungiMessaggio("X", "c", "d");
  soloMessaggi.caricaMessaggi();
  EXPECT_EQ(soloMessaggi.numMessaggi(), 2);
  EXPECT_EQ(soloMessaggi.numToolTip(), 0);
}

TEST(CatalogoVuoto, AppendingMovesTheEndMarkerOneRowOn) {
  Catalogo catalogo;
  catalogo.aggiungiMessaggio("NOERR", "errore", "error");
  expectFineTabellaDopo(catalogo.messageTable(), 1);
  catalogo.aggiungiMessaggio("UNO", "uno", "one");
  expectFineTabellaDopo(catalogo.messageTable(), 2);
  EXPECT_EQ(riga(catalogo.messageTable(), 2).numero, 2);
  EXPECT_EQ(catalogo.getMessaggio("UNO", "IN"), "one");
  EXPECT_EQ(catalogo.getMessaggio("DUE", "IT"), "errore");
}

TEST(CatalogoVuoto, FirstOfTwoEqualKeysWins) {
  Catalogo catalogo;
  catalogo.aggiungiToolTip("NOTT", "manca", "missing");
  catalogo.aggiungiToolTip("K", "primo", "first");
  catalogo.aggiungiToolTip("K", "secondo", "second");
  EXPECT_EQ(catalogo.getToolTip("K", "IT"), "primo");
  EXPECT_EQ(catalogo.getToolTip("K", "IN"), "first");
}

TEST(CatalogoVuoto, MissingFallBackEntryGivesEmptyTextInsteadOfLooping) {
  Catalogo catalogo;
  catalogo.aggiungiMessaggio("UNO", "uno", "one");
  EXPECT_EQ(catalogo.getMessaggio("DUE", "IT"), "");
  EXPECT_EQ(catalogo.getMessaggio("UNO", "IT"), "uno");
}

using Aggiungi = void (Catalogo::*)(const std::string&, const std::string&, const std::string&);

// 59 entries, the fall-back key first: the most a table can hold.
void riempiFinoAlLimite(Catalogo& catalogo, Aggiungi aggiungi, const std::string& chiaveRiserva) {
  (catalogo.*aggiungi)(chiaveRiserva, "it1", "en1");
  for (int i = 2; i <= 59; ++i) {
    const std::string n = std::to_string(i);
    (catalogo.*aggiungi)("K" + n, "it" + n, "en" + n);
  }
}

TEST(CatalogoVuoto, AppendToAFullMessageTableIsIgnored) {
  Catalogo catalogo;
  riempiFinoAlLimite(catalogo, &Catalogo::aggiungiMessaggio, "NOERR");
  ASSERT_EQ(catalogo.numMessaggi(), 59);
  expectFineTabellaDopo(catalogo.messageTable(), 59);

  catalogo.aggiungiMessaggio("TROPPO", "troppo", "too many");
  EXPECT_EQ(catalogo.numMessaggi(), 59);
  expectFineTabellaDopo(catalogo.messageTable(), 59);
  EXPECT_EQ(riga(catalogo.messageTable(), 59).chiave, "K59");
  EXPECT_EQ(catalogo.getMessaggio("K59", "IN"), "en59");
  EXPECT_EQ(catalogo.getMessaggio("TROPPO", "IT"), "it1");
}

TEST(CatalogoVuoto, AppendToAFullToolTipTableIsIgnored) {
  Catalogo catalogo;
  riempiFinoAlLimite(catalogo, &Catalogo::aggiungiToolTip, "NOTT");
  ASSERT_EQ(catalogo.numToolTip(), 59);

  catalogo.aggiungiToolTip("TROPPO", "troppo", "too many");
  EXPECT_EQ(catalogo.numToolTip(), 59);
  expectFineTabellaDopo(catalogo.toolTipTable(), 59);
  EXPECT_EQ(catalogo.getToolTip("TROPPO", "IN"), "en1");
  EXPECT_EQ(catalogo.numMessaggi(), 0);
}

}  // namespace
}  // namespace veltrano
