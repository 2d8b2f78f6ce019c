#include "model/verrou.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

#include "fichiers/lecture.h"
#include "model/erreurs.h"

namespace calevrin {

std::string CheminVerrou(const std::string& chemin) {
  const std::filesystem::path p = std::filesystem::absolute(chemin);
  return (p.parent_path() / ("." + p.filename().string() + ".lock")).string();
}

bool VerrouDetenu(const std::string& chemin, std::string& detenteur) {
  std::string texte;
  try {
    texte = LireFichierTexte(CheminVerrou(chemin), 4096, MsgOuverture);
  } catch (const EErreurClasse&) {
    return false;  // no lock, or nothing a program would have written
  }
  std::string lignes[3];
  std::size_t debut = 0;
  for (std::string& l : lignes) {
    const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
    l = texte.substr(std::min(debut, texte.size()), fin - std::min(debut, texte.size()));
    debut = fin + 1;
  }
  long long pid = 0;
  const auto [fin, erreur] = std::from_chars(lignes[0].data(), lignes[0].data() + lignes[0].size(), pid);
  if (erreur != std::errc() || fin != lignes[0].data() + lignes[0].size() || pid <= 0) return false;
  char machine[256] = {};
  if (::gethostname(machine, sizeof machine - 1) == 0 && !lignes[2].empty() && lignes[2] != machine) {
    // Another machine's program (a shared folder): nothing tells whether it still runs.
    detenteur = "processus " + lignes[0] + " sur " + lignes[2];
    return true;
  }
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
  detenteur = "processus " + lignes[0] + " sur " + (lignes[2].empty() ? std::string(machine) : lignes[2]);
  return true;
}

}  // namespace calevrin
