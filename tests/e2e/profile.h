// velt2.ini as the tests write and expect it: four header lines, nine lines per connection.
#pragma once

#include <string>
#include <vector>

namespace e2e {

struct Connection {
  std::string name;
  std::string ip;
  std::string mask;
  std::string gateway;
  std::string dns;
  std::string proxyServer;
  std::string proxyPort;
  std::string useProxy;  // "SI" or "NO"
  std::string dhcp;      // "SI" or "NO"
};

struct Profile {
  std::string adapter;
  std::string reserved;
  std::string language;  // "IT" or "IN"
  std::string count;     // as it stands on line 4; " 3 " once the program has changed it
  std::vector<Connection> connections;

  // The file's text in UTF-8, every line ending in CR LF.
  std::string text() const;
  // The file's bytes in the ANSI code page.
  std::string bytes() const;
};

// The count line as the program writes it after adding or removing a connection.
std::string changedCount(std::size_t count);

// A profile of three connections, as a user would have it: one on DHCP without a proxy, one
// static with a proxy, one static without. Addresses are private or example.org names that
// are never contacted (netsh under Wine changes nothing).
inline const std::string kAdapter = "Connessione alla rete locale (LAN)";
inline const Connection kCasa{"Casa",     "DHCP",     "DHCP", "DHCP", "DHCP",
                              "NO PROXY", "NO PROXY", "NO",   "SI"};
inline const Connection kUfficio{"Ufficio",
                                 "192.168.10.25",
                                 "255.255.255.0",
                                 "192.168.10.1",
                                 "192.168.10.2",
                                 "proxy.example.org",
                                 "8080",
                                 "SI",
                                 "NO"};
inline const Connection kLaboratorio{"Laboratorio", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2",
                                     "NO PROXY",    "NO PROXY", "NO",        "NO"};

Profile sampleProfile(const std::string& language = "IT");

}  // namespace e2e
