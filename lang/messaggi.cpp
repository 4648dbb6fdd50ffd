#include "lang/messaggi.h"

#include <cstddef>

namespace veltrano {

namespace {

struct Voce {
  const char* chiave;
  const char* italiano;
  const char* inglese;
};

constexpr int kUltimaRiga = Catalogo::kRighe - 1;
constexpr int kMassimoVoci = kUltimaRiga - 1;  // the last row must stay free for the end marker
constexpr int kFineTabella = -1;

// The same in both languages; one line per source line.
constexpr const char* kTestoAbout =
    "Veltrano 2.0\r\n"
    "\r\n"
    "The Veltrano developers\r\n"
    "https://www.example.org\r\n"
    "veltrano@example.org\r\n"
    "https://www.example.org/veltrano";

constexpr const char* kRigaContatti =
    "Veltrano 2.0 The Veltrano developers\r\n"
    "https://www.example.org - veltrano@example.org\r\n"
    "https://www.example.org/veltrano";

// In row order; the fall-back key must stay first.
constexpr Voce kMessaggi[] = {
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
    {"ABOUT", kTestoAbout, kTestoAbout},
    {"SI", "Sì", "Yes"},
    {"NO", "No", "No"},
    {"SURETOSAVE", "Si è sicuri di voler salvare le modifiche?", "Are you sure to save changes?"},
    {"SURETODEL", "Si è sicuri di voler eliminare la connessione?",
     "Are you sure to delete this connection?"},
    {"DELCONN", "Elimina Connessione", "Delete Connection"},
    {"BY", kRigaContatti, kRigaContatti},
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
    {"BADADDRESS",
     "%1: \"%2\" non è un indirizzo valido. Scrivere quattro numeri da 0 a 255 separati da "
     "punti; nella subnet mask i bit a 1 vengono tutti prima degli 0 (ad esempio 255.255.255.0). "
     "La connessione non è stata impostata.",
     "%1: \"%2\" is not a valid address. Write four numbers from 0 to 255 separated by dots; in "
     "the subnet mask all one bits come before the zeros (for example 255.255.255.0). The "
     "connection was not set."},
    {"UNKNOWNADAPTER",
     "Questo computer non ha un'interfaccia di rete di nome \"%1\". Interfacce trovate: %2. "
     "Scegliere quella giusta con il pulsante Impostazioni. La connessione non è stata impostata.",
     "This computer has no network interface named \"%1\". Interfaces found: %2. Choose the "
     "right one with the Settings button. The connection was not set."},
    {"APPLYBUSY",
     "Una connessione impostata poco fa è ancora in corso. Attendere che finisca e riprovare. "
     "Questa connessione non è stata impostata.",
     "A connection set a moment ago is still being applied. Wait for it to end, then retry. "
     "This connection was not set."},
    {"NOTAPPLIED", "La connessione \"%1\" non risulta impostata come richiesto:",
     "The connection \"%1\" was not applied as asked:"},
    {"VERIFYNOADAPTER", "l'interfaccia di rete \"%1\" non è stata trovata",
     "the network interface \"%1\" was not found"},
    {"VERIFYNODHCP", "DHCP: richiesto acceso, l'interfaccia lo ha spento",
     "DHCP: asked on, the adapter has it off"},
    {"VERIFYSTILLDHCP", "DHCP: richiesto spento, l'interfaccia lo ha acceso",
     "DHCP: asked off, the adapter has it on"},
    {"VERIFYDIFFERS", "%1 %2: l'interfaccia ha %3", "%1 %2: the adapter has %3"},
    {"VERIFYMISSING", "%1 %2: l'interfaccia non ne ha nessuno", "%1 %2: the adapter has none"},
    {"VERIFYEXTRA", "%1: nessuno richiesto, l'interfaccia ha %2",
     "%1: none asked, the adapter has %2"},
    {"VERIFYTENTATIVE", "%1 %2: l'interfaccia lo sta ancora verificando sulla rete",
     "%1 %2: the adapter is still checking it on the network"},
    {"VERIFYNOTUSABLE", "%1 %2: l'interfaccia lo ha, ma non può usarlo",
     "%1 %2: the adapter has it but cannot use it"},
    {"VERIFYDUPLICATE", "l'indirizzo %1 è già usato da un altro computer della rete",
     "the address %1 is a duplicate: another computer on the network uses it"},
    {"VERIFYDNSSTATIC", "DNS: richiesti dal DHCP, l'interfaccia ha %1 impostati a mano",
     "DNS: asked from DHCP, the adapter has %1 typed in by hand"},
    {"VERIFYDNSUNKNOWN",
     "DNS: richiesti dal DHCP, ma non si è potuto controllare da dove l'interfaccia li prende",
     "DNS: asked from DHCP, but where the adapter takes them from could not be checked"},
    {"VERIFYUNCHECKED", "lo stato dell'interfaccia non ha potuto essere controllato",
     "the state of the interface could not be checked"},
    {"VERIFYPROXYUNCHECKED", "Proxy: Windows non ha potuto dire com'è impostato",
     "Proxy: Windows could not tell how it is set"},
    {"VERIFYPROXYON", "Proxy: richiesto spento, Windows lo ha acceso (%1)",
     "Proxy: asked off, Windows has it on (%1)"},
    {"VERIFYPROXYOFF", "Proxy %1: Windows lo ha spento", "Proxy %1: Windows has it off"},
    {"VERIFYPROXYDIFFERS", "Proxy %1: Windows ha %2", "Proxy %1: Windows has %2"},
    {"PROXYSET", "Il proxy è stato comunque impostato a %1.", "The proxy was set to %1 anyway."},
    {"PROXYOFF", "Il proxy è stato comunque disattivato.", "The proxy was turned off anyway."},
    {"PROXYUNCHANGED", "Il proxy è rimasto com'era.", "The proxy was left as it was."},
    {"NOCONNECTION", "Connessione \"%1\" non trovata.", "Connection \"%1\" not found."},
    {"USAGE",
     "Uso: veltrano.exe [/apply \"connessione\" [/confirm [secondi]] [/quiet] | /undo [/quiet]]"
     "\r\n\r\n"
     "Senza argomenti si apre la finestra.\r\n"
     "/apply imposta la connessione memorizzata con quel nome, senza aprire la finestra.\r\n"
     "/confirm la mantiene solo se lo si conferma entro quei secondi (60 se non indicati); "
     "altrimenti rimette com'era prima.\r\n"
     "/undo rimette l'interfaccia e il proxy com'erano prima dell'ultima impostazione.\r\n"
     "/quiet non mostra messaggi.\r\n\r\n"
     "Codice di uscita: 0 impostata e verificata; 1 rifiutata, ripristinata o non impostata come "
     "richiesto; 2 argomenti non validi o velt2.ini illeggibile.",
     "Usage: veltrano.exe [/apply \"connection\" [/confirm [seconds]] [/quiet] | /undo [/quiet]]"
     "\r\n\r\n"
     "Without arguments the window opens.\r\n"
     "/apply sets the stored connection of that name without opening the window.\r\n"
     "/confirm keeps it only when it is confirmed within those seconds (60 when not given); "
     "otherwise puts back what was there before.\r\n"
     "/undo puts the adapter and the proxy back as they were before the last apply.\r\n"
     "/quiet shows no message.\r\n\r\n"
     "Exit code: 0 set and verified; 1 refused, put back or not set as asked; 2 arguments not "
     "understood or velt2.ini unreadable."},
    {"BADPROXY",
     "%1: \"%2\" non è valido. Il server proxy è un nome (lettere, cifre, - e .) o un indirizzo "
     "IP; la porta è un numero da 1 a 65535. La connessione non è stata impostata.",
     "%1: \"%2\" is not valid. The proxy server is a name (letters, digits, - and .) or an IP "
     "address; the port is a number from 1 to 65535. The connection was not set."},
    {"BATCHFOLDER",
     "Il nome della cartella \"%1\" contiene il segno %, che cmd leggerebbe come una variabile: "
     "lastconnection.bat non può essere eseguito da lì. Spostare Veltrano in un'altra cartella. "
     "La connessione non è stata impostata.",
     "The name of the folder \"%1\" holds the sign %, which cmd would read as a variable: "
     "lastconnection.bat cannot be run from there. Move Veltrano to another folder. The "
     "connection was not set."},
    {"DUPLICATENAME",
     "In velt2.ini più connessioni si chiamano \"%1\": rinominarle perché ogni nome sia usato "
     "una volta sola. La connessione non è stata impostata.",
     "In velt2.ini several connections are named \"%1\": rename them so that each name is "
     "used once. The connection was not set."},
    {"TOOMANYDNS",
     "%1: \"%2\" contiene più di quattro server. Scriverne al massimo quattro, separati da "
     "virgole. La connessione non è stata impostata.",
     "%1: \"%2\" holds more than four servers. Write four at most, separated by commas. The "
     "connection was not set."},
    {"DAINTERFACCIA", "Nuova dall'&Interfaccia", "New from &Adapter"},
    {"ADAPTERUNREADABLE",
     "Windows non ha potuto dire come sono impostate le interfacce di rete. Non è cambiato nulla.",
     "Windows could not tell how the network interfaces are set. Nothing was changed."},
    {"ADAPTERNOTFOUND",
     "Questo computer non ha un'interfaccia di rete di nome \"%1\". Sceglierla con il pulsante "
     "Impostazioni. Non è cambiato nulla.",
     "This computer has no network interface named \"%1\". Choose it with the Settings button. "
     "Nothing was changed."},
    {"ADAPTERNOADDRESS",
     "L'interfaccia di rete \"%1\" non ha un indirizzo IPv4 da riprendere. Non è cambiato nulla.",
     "The network interface \"%1\" has no IPv4 address to take. Nothing was changed."},
    {"PROXYUNREADABLE",
     "Windows non ha potuto dire come è impostato il proxy. Non è cambiato nulla.",
     "Windows could not tell how the proxy is set. Nothing was changed."},
    {"VERIFIEDBOX", "La connessione \"%1\" è stata impostata e verificata.",
     "The connection \"%1\" was applied and verified."},
    {"DECLINEDBOX",
     "La connessione \"%1\" non è stata impostata: la richiesta dell'amministratore è stata "
     "rifiutata.",
     "The connection \"%1\" was not set: the administrator prompt was declined."},
    {"STATUSNOADAPTER", "Nessuna interfaccia impostata", "No adapter set"},
    {"STATUSUNREADABLE", "%1: Windows non ne dice lo stato", "%1: Windows does not tell its state"},
    {"STATUSNOTHERE", "%1: non c'è su questo computer", "%1: not on this computer"},
    {"STATUSNOTCONNECTED", "%1: non connessa", "%1: not connected"},
    {"STATUSSTATIC", "%1: statico %2, gateway %3, DNS %4", "%1: static %2, gateway %3, DNS %4"},
    {"STATUSDHCP", "%1: DHCP %2, gateway %3, DNS %4", "%1: DHCP %2, gateway %3, DNS %4"},
    {"STATUSINEFFECT", "In uso: %1", "In effect: %1"},
    {"STATUSADMIN", "%1: in attesa dell'amministratore", "%1: waiting for the administrator"},
    {"STATUSRUNNING", "%1: netsh al lavoro", "%1: running netsh"},
    {"STATUSCHECKING", "%1: verifica in corso", "%1: checking"},
    {"STATUSVERIFIED", "%1: impostata e verificata alle %2", "%1: applied and verified at %2"},
    {"STATUSNOTASASKED", "%1: non come richiesto (vedere il messaggio)",
     "%1: not as asked (see the message)"},
    {"STATUSDECLINED", "%1: rifiutata alla richiesta dell'amministratore",
     "%1: declined at the administrator prompt"},
    {"STATUSREFUSED", "%1: non impostata (vedere il messaggio)", "%1: refused (see the message)"},
    {"RIPRISTINA", "Ri&pristina Precedente", "&Restore Previous"},
    {"UNDONAME", "Impostazioni precedenti", "Previous settings"},
    {"NORECORD",
     "Non c'è nulla da ripristinare: il file previoussettings.txt manca o è danneggiato.",
     "There is nothing to put back: previoussettings.txt is missing or damaged."},
    {"RECORDFAILED",
     "Impossibile annotare in previoussettings.txt come sono ora l'interfaccia e il proxy, per "
     "poterli ripristinare. La connessione non è stata impostata.",
     "Cannot record in previoussettings.txt how the adapter and the proxy are now, to be able to "
     "put them back. The connection was not set."},
    {"CONFIRMKEEP", "Mantenere queste impostazioni? Ripristino tra %1 s",
     "Keep these settings? Reverting in %1 s"},
    {"KEEP", "Mantieni", "Keep"},
    {"REVERTNOW", "Ripristina ora", "Revert now"},
    {"REVERTED",
     "\"%1\" non è stata mantenuta: l'interfaccia e il proxy sono tornati com'erano prima.",
     "\"%1\" was not kept: the adapter and the proxy are back as they were before."},
    {"NOTREVERTED", "\"%1\" non è stata mantenuta, ma il ripristino non risulta completo:",
     "\"%1\" was not kept, but putting back what was there did not fully work:"},
    {"STATUSREVERTED", "%1: non mantenuta, ripristinata", "%1: not kept, put back"},
};

// In row order; the fall-back key must stay first.
constexpr Voce kToolTip[] = {
    {"NOTT", "ToolTip non trovato", "ToolTip not found"},
    {"TT_COMBOCONN", "Scegliere la connessione", "Select the connection"},
    {"TT_TXTNEWCONN", "Inserire il nome della nuova connessione", "Insert new connection name"},
    {"TT_DHCP", "Selezionare se usare il DHCP", "Select if you want to use DHCP"},
    {"TT_IP", "Inserire l'indirizzo IP", "Insert IP address"},
    {"TT_SUBNET", "Inserire la subnet mask", "Insert subnet mask"},
    {"TT_GATEWAY", "Inserire il gateway", "Insert gateway"},
    {"TT_DNS", "Inserire il DNS (fino a quattro, separati da virgole)",
     "Insert DNS (up to four, separated by commas)"},
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
    {"TT_DAINTERFACCIA", "Crea una nuova connessione con i valori che l'interfaccia ha ora",
     "Create a new connection with the values the adapter has now"},
    {"TT_RIPRISTINA", "Rimette l'interfaccia e il proxy com'erano prima dell'ultima impostazione",
     "Put the adapter and the proxy back as they were before the last apply"},
};

// A full table ignores the append: only a programming error can get here.
void aggiungi(Catalogo::Tabella& tabella, const std::string& chiave, const std::string& italiano,
              const std::string& inglese) {
  if (tabella.conteggio >= kMassimoVoci) {
    return;
  }
  tabella.conteggio += 1;
  auto& riga = tabella.righe[static_cast<std::size_t>(tabella.conteggio)];
  riga = {tabella.conteggio, chiave, italiano, inglese};
  tabella.righe[static_cast<std::size_t>(tabella.conteggio + 1)].numero = kFineTabella;
}

std::string testoInLingua(const Catalogo::Riga& riga, const std::string& lingua) {
  if (lingua == "IT") {
    return riga.italiano;
  }
  if (lingua == "IN") {
    return riga.inglese;
  }
  return {};
}

std::string cerca(const Catalogo::Tabella& tabella, const std::string& chiave,
                  const std::string& lingua, const std::string& chiaveRiserva) {
  for (int r = 1; r <= kUltimaRiga; ++r) {
    const auto& riga = tabella.righe[static_cast<std::size_t>(r)];
    if (riga.numero == kFineTabella) {
      // Guards against endless recursion in a table built without its fall-back entry.
      if (chiave == chiaveRiserva) {
        return {};
      }
      return cerca(tabella, chiaveRiserva, lingua, chiaveRiserva);
    }
    if (riga.chiave == chiave) {
      return testoInLingua(riga, lingua);
    }
  }
  return {};
}

}  // namespace

std::string componi(const std::string& testo, const std::vector<std::string>& argomenti) {
  std::string out;
  for (std::size_t pos = 0; pos < testo.size(); ++pos) {
    const bool segnaposto = testo[pos] == '%' && testo[pos + 1] >= '1' && testo[pos + 1] <= '9';
    const auto indice = segnaposto ? static_cast<std::size_t>(testo[pos + 1] - '1') : 0;
    if (segnaposto && indice < argomenti.size()) {
      out += argomenti[indice];
      ++pos;
    } else {
      out += testo[pos];
    }
  }
  return out;
}

void Catalogo::caricaMessaggi() {
  if (numMessaggi() > 1 || numToolTip() > 1) {
    return;
  }
  for (const auto& voce : kMessaggi) {
    aggiungiMessaggio(voce.chiave, voce.italiano, voce.inglese);
  }
  for (const auto& voce : kToolTip) {
    aggiungiToolTip(voce.chiave, voce.italiano, voce.inglese);
  }
}

void Catalogo::aggiungiMessaggio(const std::string& chiave, const std::string& italiano,
                                 const std::string& inglese) {
  aggiungi(messaggi_, chiave, italiano, inglese);
}

void Catalogo::aggiungiToolTip(const std::string& chiave, const std::string& italiano,
                               const std::string& inglese) {
  aggiungi(toolTip_, chiave, italiano, inglese);
}

std::string Catalogo::getMessaggio(const std::string& chiave, const std::string& lingua) const {
  return cerca(messaggi_, chiave, lingua, "NOERR");
}

std::string Catalogo::getToolTip(const std::string& chiave, const std::string& lingua) const {
  return cerca(toolTip_, chiave, lingua, "NOTT");
}

std::vector<std::string> Catalogo::chiaviMessaggi() const {
  std::vector<std::string> chiavi;
  for (int i = 1; i <= messaggi_.conteggio; ++i) {
    chiavi.push_back(messaggi_.righe[static_cast<std::size_t>(i)].chiave);
  }
  return chiavi;
}

}  // namespace veltrano
