#include "apply/restore_batch.h"

#include "apply/batch_file.h"
#include "apply/ipv4_address.h"

namespace veltrano {

namespace {

// "set" for the first value, "add" for each further one: (address, mask) pairs and gateways, or
// DNS servers with their index.
std::optional<std::string> righeStatiche(const UndoRecord& record, const std::string& adapter) {
  std::string righe;
  for (std::size_t i = 0; i < record.indirizzi.size(); ++i) {
    const std::string& voce = record.indirizzi[i];
    const std::size_t slash = voce.find('/');
    const auto ip = valueForCmd(voce.substr(0, slash));
    const int prefix = slash == std::string::npos ? -1 : std::atoi(voce.c_str() + slash + 1);
    const auto gateway = i < record.gateways.size() ? valueForCmd(record.gateways[i]) : "";
    if (!ip || !gateway || prefix < 0 || prefix > 32) {
      return std::nullopt;
    }
    const std::string mask = maskOfPrefix(prefix);
    righe += i == 0 ? "netsh interface ip set address " + adapter + " static " + *ip + " " + mask +
                          (gateway->empty() ? " none" : " " + *gateway + " 1") + "\r\n"
                    : "netsh interface ip add address " + adapter + " " + *ip + " " + mask +
                          (gateway->empty() ? "" : " " + *gateway + " 1") + "\r\n";
  }
  for (std::size_t i = record.indirizzi.size(); i < record.gateways.size(); ++i) {
    const auto gateway = valueForCmd(record.gateways[i]);
    if (!gateway) {
      return std::nullopt;
    }
    righe +=
        "netsh interface ip add address " + adapter + " gateway=" + *gateway + " gwmetric=1\r\n";
  }
  return righe;
}

std::optional<std::string> righeDns(const UndoRecord& record, const std::string& adapter) {
  return record.dhcp && record.dnsDaDhcp
             ? std::optional("netsh interface ip set dns " + adapter + " source=dhcp\r\n")
             : staticDnsLines(adapter, record.dns);
}

// The netsh lines alone.
std::optional<std::string> righe(const UndoRecord& record) {
  const auto adapter = adapterForCmd(record.interfaccia);
  if (!adapter || (!record.dhcp && record.indirizzi.empty())) {
    return std::nullopt;
  }
  const auto indirizzi =
      record.dhcp ? std::optional("netsh interface ip set address " + *adapter + " source=dhcp\r\n")
                  : righeStatiche(record, *adapter);
  const auto dns = righeDns(record, *adapter);
  return indirizzi && dns ? std::optional(*indirizzi + *dns) : std::nullopt;
}

// reg lines that put the proxy values back, or delete those there were none of.
std::optional<std::string> righeProxy(const UndoRecord& record, const TextCodec& ansi) {
  const std::string chiave =
      "\"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"";
  std::string righe;
  for (const char* nome : kProxyValues) {
    const auto found = record.proxy.find(nome);
    if (found == record.proxy.end()) {
      righe += "reg delete " + chiave + " /v " + nome + " /f>nul 2>nul\r\n";
      continue;
    }
    const std::vector<std::uint8_t>& data = found->second.data;
    std::optional<std::string> valore;
    if (found->second.type == kRegDword && data.size() == 4) {
      std::uint32_t numero = 0;
      for (std::size_t i = 4; i-- > 0;) {
        numero = numero << 8 | data[i];  // least significant byte first
      }
      valore = " /t REG_DWORD /d " + std::to_string(numero);
    } else if (found->second.type == kRegSz) {
      const std::string bytes(data.begin(), data.end());
      const auto testo = adapterForCmd(ansi.toUtf8(bytes.substr(0, bytes.find('\0'))));
      valore = testo ? std::optional(" /t REG_SZ /d " + *testo) : std::nullopt;
    }
    if (!valore) {
      return std::nullopt;
    }
    righe += "reg add " + chiave + " /v " + nome + *valore + " /f>nul\r\n";
  }
  return righe;
}

}  // namespace

std::optional<std::string> buildRestoreBatch(const UndoRecord& record, const std::string& nome) {
  const auto commento = commentLine(nome);
  const auto netsh = righe(record);
  if (!commento || !netsh) {
    return std::nullopt;
  }
  return *commento + *netsh;
}

std::optional<std::string> buildRevertBatch(const UndoRecord& record, const std::string& nome,
                                            const std::string& cartella, int secondi,
                                            const TextCodec& ansi) {
  const auto commento = commentForCmd(nome);
  const auto netsh = righe(record);
  const auto proxy = righeProxy(record, ansi);
  const auto attesa = adapterForCmd(cartella + kSignalWaiting);
  const auto tieni = adapterForCmd(cartella + kSignalKeep);
  const auto subito = adapterForCmd(cartella + kSignalRevert);
  if (!commento || !netsh || !proxy || !attesa || !tieni || !subito) {
    return std::nullopt;
  }
  // Each round waits a second: ping, from the system folder cmd runs in, asks twice a second
  // apart. The counter's name is Veltrano's own, so that no variable of the user's takes part.
  return "rem putting back " + *commento + " unless kept\r\n" + "echo.>" + *attesa + "\r\n" +
         "set /a veltrano_secondi=0\r\n"
         ":veltrano_attesa\r\n"
         "if exist " +
         *tieni + " goto :eof\r\n" + "if exist " + *subito + " goto veltrano_ripristino\r\n" +
         "ping -n 2 127.0.0.1>nul\r\n"
         "set /a veltrano_secondi+=1\r\n"
         "if %veltrano_secondi% lss " +
         std::to_string(secondi) + " goto veltrano_attesa\r\n" + ":veltrano_ripristino\r\n" +
         *netsh + *proxy;
}

}  // namespace veltrano
