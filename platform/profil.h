#pragma once
// INI profile functions: sections and keys found without regard to case, a key rewritten
// in place, every other line kept, the file created when missing.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace calevrin::plateforme {

// The value of the key, trimmed and with one pair of enclosing quotes removed, or
// defaut when the file, the section or the key is missing.
std::string LireProfil(const std::string& section, const std::string& cle, const std::string& defaut,
                       const std::string& fichier);

struct TEntreeProfil {
  std::string Section, Cle, Valeur;
};

// Writes every key=value into its section, in one write of the whole file through the atomic
// writer (its links followed, its permissions kept); false when the file cannot be written or
// was refused when read. A value holding a line break would add lines: it is written empty.
bool EcrireProfils(const std::vector<TEntreeProfil>& entrees, const std::string& fichier);
bool EcrireProfil(const std::string& section, const std::string& cle, const std::string& valeur,
                  const std::string& fichier);

// The most a profile may weigh: some seventy keys take a few kilobytes.
inline constexpr std::uint64_t TailleMaxProfil = 1 << 20;

// True when the file is there but is not a regular file of at most TailleMaxProfil bytes: it is
// then read as empty (the first time with a warning) and never written over.
bool ProfilRefuse(const std::string& fichier);

// Where that warning goes (the application shows it in a message box); nowhere until one is
// installed. Returns the previous one.
using TAvertissementProfil = std::function<void(const std::string& texteUtf8)>;
TAvertissementProfil RemplacerAvertissementProfil(TAvertissementProfil avertir);

}  // namespace calevrin::plateforme
