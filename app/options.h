#pragma once
// The configuration file: loading and saving the options record. No Qt here: the
// command-line tool reads the same file.

#include <string>

#include "model/options.h"

namespace calevrin {

// The built-in defaults, with the desktop's backup directory.
void OptionsParDefaut(TOptions& o);

// Reads the file into o, every missing or malformed key taking its value in OptionsDefaut;
// creates the file with every key when it does not exist.
void ChargerOptions(TOptions& o, const std::string& fichier, char separateurDecimal);

// Writes every key; on failure shows "Impossible d'écrire dans %s" and returns false.
bool EnregistrerOptions(const TOptions& o, const std::string& fichier, char separateurDecimal);

// Value encodings of the file, shared with the other INI files of the program.
std::string EcrireReel(double v, char separateur);
bool LireReel(const std::string& texte, char separateur, double& v);
bool LireEntier(const std::string& texte, long long& v);

}  // namespace calevrin
