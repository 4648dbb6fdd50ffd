#include "bench/sample_profile.h"

#include <array>

namespace veltrano::bench {

namespace {

const std::array<const char*, 5> kPlaces = {"Ufficio", "Sede di Forlì", "Casa", "Città Studi",
                                            "Cliente"};

std::string address(int network, int host) {
  return "192.168." + std::to_string(network) + "." + std::to_string(host);
}

void addLine(std::string& text, const std::string& line) {
  text += line;
  text += "\r\n";
}

void addConnection(std::string& text, int index) {
  const std::string name = std::string(kPlaces[static_cast<std::size_t>(index) % kPlaces.size()]) +
                           " " + std::to_string(index);
  const int network = index % 250;
  switch (index % 3) {
    case 0:  // DHCP, no proxy
      addLine(text, name);
      for (const char* value :
           {"DHCP", "DHCP", "DHCP", "DHCP", "NO PROXY", "NO PROXY", "NO", "SI"}) {
        addLine(text, value);
      }
      break;
    case 1:  // static address, no proxy
      addLine(text, name);
      addLine(text, address(network, 10 + index % 200));
      addLine(text, "255.255.255.0");
      addLine(text, address(network, 1));
      addLine(text, address(network, 2));
      for (const char* value : {"NO PROXY", "NO PROXY", "NO", "NO"}) {
        addLine(text, value);
      }
      break;
    default:  // DHCP behind a proxy
      addLine(text, name);
      for (const char* value : {"DHCP", "DHCP", "DHCP", "DHCP"}) {
        addLine(text, value);
      }
      addLine(text, "proxy" + std::to_string(network) + ".rete.example.it");
      addLine(text, "8080");
      addLine(text, "SI");
      addLine(text, "SI");
      break;
  }
}

}  // namespace

std::string sampleProfile(int connections) {
  std::string text;
  addLine(text, "Connessione alla rete locale (LAN)");
  addLine(text, "");
  addLine(text, "IT");
  addLine(text, std::to_string(connections));
  for (int i = 1; i <= connections; ++i) {
    addConnection(text, i);
  }
  return text;
}

}  // namespace veltrano::bench
