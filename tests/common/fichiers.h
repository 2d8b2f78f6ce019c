#pragma once
// Small text helpers of the tests.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace calevrin::test {

inline std::string Contenu(const std::string& fichier) {
  std::ifstream in(fichier, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void Ecrire(const std::string& fichier, const std::string& octets) {
  std::ofstream(fichier, std::ios::binary | std::ios::trunc) << octets;
}

// The text cut at each separator; n separators give n + 1 parts.
inline std::vector<std::string> Decouper(const std::string& t, char sep) {
  std::vector<std::string> r(1);
  for (const char ch : t) {
    if (ch == sep)
      r.emplace_back();
    else
      r.back() += ch;
  }
  return r;
}

}  // namespace calevrin::test
