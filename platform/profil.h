#pragma once
// INI profile functions: sections and keys found without regard to case, a key rewritten
// in place, every other line kept, the file created when missing.

#include <string>

namespace calevrin::plateforme {

// The value of the key, trimmed and with one pair of enclosing quotes removed, or
// defaut when the file, the section or the key is missing.
std::string LireProfil(const std::string& section, const std::string& cle, const std::string& defaut,
                       const std::string& fichier);

// Writes key=value into the section; false when the file cannot be written.
bool EcrireProfil(const std::string& section, const std::string& cle, const std::string& valeur,
                  const std::string& fichier);

}  // namespace calevrin::plateforme
