#pragma once
// The one way the program writes a file: the class, its ".bak", the backup copy, the tool's
// outputs. A target is either the old file or the new one, never half of either, and never
// anything but a regular file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calevrin {

// The file a write to chemin replaces: the end of its whole chain of symbolic links, which
// may not exist yet. Throws EErreurClasse when that end is not a regular file (a device, a
// FIFO, a socket, a directory) or the chain loops.
std::string CibleEcriture(const std::string& chemin);

// Writes the data to an unnamed temporary file beside the target (a named one where the file
// system has none), flushes it (fsync when asked) and renames it over the target. Keeps the
// permissions of the file it replaces. A kill at any moment leaves no temporary for good: the
// next write beside the same target removes those whose writer has died. Throws EErreurClasse
// with "Impossible de créer le fichier %s", or the refusal of CibleEcriture.
void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           bool synchroniser = true);
inline void EcrireFichierAtomique(const std::string& chemin, std::string_view texte, bool synchroniser = true) {
  EcrireFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size(), synchroniser);
}

// For the tests: the moments a kill could leave a trace, and the way without unnamed files.
enum class TEtapeEcriture { DonneesEcrites, TemporaireNomme };
struct TCrochetsEcriture {
  void (*etape)(TEtapeEcriture) = nullptr;
  bool sansFichierAnonyme = false;
};
TCrochetsEcriture& CrochetsEcriture();

}  // namespace calevrin
