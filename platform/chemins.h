#pragma once
// Where the program lives and where it keeps its files.

#include <string>
#include <vector>

namespace calevrin::plateforme {

std::string CheminProgramme();      // full path of the running program
std::string RepertoireProgramme();  // its directory, with a trailing "/"

// The directory of the program's own files (configuration, ranking text): the program's
// directory when it is writable (a build tree, a portable install) and not a system one
// (/usr/..., /bin, /sbin), otherwise $XDG_CONFIG_HOME/calevrin/ (created when missing).
// Ends with "/".
std::string RepertoireDonnees();
std::string RepertoireDonnees(const std::string& repertoireProgramme, const std::string& configXdg);

// The configuration file: named after the program, with the extension ".ini".
std::string FichierConfiguration();

// Default directory of the backup copies: ~/Calevrin/Sauvegardes/.
std::string RepertoireSauvegardeParDefaut();

std::string RepertoirePersonnel();

// The XDG base directories, read from the environment with their documented defaults.
struct TRepertoiresXdg {
  std::string ConfigHome;
  std::string DataHome;
  std::vector<std::string> ConfigDirs;
  std::vector<std::string> DataDirs;
  static TRepertoiresXdg DuSysteme();
};

// Without a desktop session (cron, ssh, CI) Qt warns on stderr that XDG_RUNTIME_DIR is not set
// and falls back on /tmp/runtime-USER: that same private folder is named before Qt starts, so
// that nothing is printed. A folder someone else owns, or not private, is left to Qt's warning.
void DossierExecutionPrive();

// Adds a trailing "/" when missing.
std::string AvecSeparateur(std::string repertoire);

}  // namespace calevrin::plateforme
