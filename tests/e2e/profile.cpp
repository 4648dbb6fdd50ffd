#include "profile.h"

#include "text.h"

namespace e2e {

namespace {

void addLine(std::string& text, const std::string& line) {
  text += line + "\r\n";
}

}  // namespace

std::string Profile::text() const {
  std::string out;
  addLine(out, adapter);
  addLine(out, reserved);
  addLine(out, language);
  addLine(out, count);
  for (const Connection& c : connections) {
    for (const std::string* value : {&c.name, &c.ip, &c.mask, &c.gateway, &c.dns, &c.proxyServer,
                                     &c.proxyPort, &c.useProxy, &c.dhcp}) {
      addLine(out, *value);
    }
  }
  return out;
}

std::string Profile::bytes() const {
  return encode(text(), kAnsiCodePage);
}

std::string changedCount(std::size_t count) {
  return " " + std::to_string(count) + " ";
}

Profile sampleProfile(const std::string& language) {
  return Profile{kAdapter, "versione 2", language, "3", {kCasa, kUfficio, kLaboratorio}};
}

}  // namespace e2e
