#pragma once
// The one way the program writes a file: the class, its ".bak", the backup copy, the recovery
// copies, the configuration, the exports. A target is either the old file or the new one, never
// half of either, and never anything but a regular file the user may write. Safe to call from
// several threads at once.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calevrin {

// The file a write to chemin replaces: the end of its whole chain of symbolic links, which
// may not exist yet. Throws EErreurFichier when that end is not a regular file (a device, a
// FIFO, a socket, a directory) or the chain loops.
std::string CibleEcriture(const std::string& chemin);

struct TModeEcriture {
  bool synchroniser = true;  // fsync the file and its folder before returning
  bool exclusif = false;     // the target must not exist yet, and never is replaced
  bool prive = false;        // 0600 whatever the umask and the file replaced
};

// Writes the data to an unnamed temporary file beside the target (a named one where the file
// system has none), flushes it and renames it over the target. A new file gets the usual mode
// less the umask, a replaced one keeps its permissions. The temporary stays locked until it
// has its final name: a kill at any moment leaves no temporary for good, since the next write
// in the same folder removes those nobody locks. Throws EErreurFichier with "Impossible de créer
// le fichier %s", the refusal of CibleEcriture, MsgProtege or MsgExisteDeja.
void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           const TModeEcriture& mode);
inline void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                                  bool synchroniser = true) {
  EcrireFichierAtomique(chemin, donnees, taille, TModeEcriture{.synchroniser = synchroniser});
}
inline void EcrireFichierAtomique(const std::string& chemin, std::string_view texte, const TModeEcriture& mode) {
  EcrireFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size(), mode);
}
inline void EcrireFichierAtomique(const std::string& chemin, std::string_view texte, bool synchroniser = true) {
  EcrireFichierAtomique(chemin, texte, TModeEcriture{.synchroniser = synchroniser});
}

// For the tests: the moments a kill could leave a trace, and the way without unnamed files.
enum class TEtapeEcriture { DonneesEcrites, TemporaireNomme };
struct TCrochetsEcriture {
  void (*etape)(TEtapeEcriture) = nullptr;
  bool sansFichierAnonyme = false;
};
TCrochetsEcriture& CrochetsEcriture();

}  // namespace calevrin
