#pragma once
// The ".cl3" image: 76632 bytes in seven blocks, no header.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

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

// A class file is never longer than this with its trailing bytes; anything larger is something
// else, not worth reading.
inline constexpr std::uint64_t TailleMaxFichierClasse = 1 << 20;

// Reads the first bytes of a class file into the image, at most its size, and returns the
// file's size. Throws EErreurClasse: the open message; "not a class file" for what is neither
// a regular file nor a directory (a device, a FIFO) or is longer than TailleMaxFichierClasse;
// the read message.
std::uint64_t LireImageFichier(const std::string& chemin, TImage& image);
// "Le fichier X est tronqué : N octets au lieu de 76632".
std::string MessageTronque(const std::string& chemin, std::uint64_t taille);

}  // namespace calevrin
