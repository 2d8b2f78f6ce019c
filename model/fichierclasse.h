#pragma once
// The ".cl3" image: 76632 bytes in seven blocks, no header.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace calevrin {

class TClasse;

inline constexpr std::size_t TailleFichierClasse = 76632;
using TImage = std::array<std::uint8_t, TailleFichierClasse>;

inline constexpr std::size_t TailleEleve = 1347;
inline constexpr std::size_t TailleDevoir = 72;
inline constexpr std::size_t TailleMatiere = 48;
inline constexpr std::size_t PosDevoirs = 60615;
inline constexpr std::size_t PosMatieres = 76167;
inline constexpr std::size_t PosInfos = 76311;
inline constexpr std::size_t PosNbDevoirs = 76451;
inline constexpr std::size_t PosCompteurs = 76460;
inline constexpr std::size_t PosReserve = 76464;

void EcrireImage(const TClasse& c, TImage& image);
void LireImage(TClasse& c, const TImage& image);

// Reads the whole file; throws EErreurClasse with the open or read message.
std::vector<std::uint8_t> LireFichier(const std::string& chemin);
// Reads at most the image's size into it and returns how many bytes the file gave; throws
// EErreurClasse with the open or read message.
std::size_t LireImageFichier(const std::string& chemin, TImage& image);

// Writes a temporary file beside the target, flushes it (fsync when asked) and renames it
// over the target, so that the target is either the old file or the new one, never half of
// either. Keeps the permissions of the file it replaces; follows a symbolic link to its
// target. Throws EErreurClasse with "Impossible de créer le fichier %s".
void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           bool synchroniser = true);

}  // namespace calevrin
