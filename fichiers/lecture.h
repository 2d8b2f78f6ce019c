#pragma once
// The one way the program reads a file: regular files only, their size known before a byte is
// read, so that a FIFO, a device or a huge file never holds the program up.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace calevrin {

struct TDebutFichier {
  std::uint64_t taille = 0;  // the whole file's
  std::size_t lu = 0;        // less than asked when the file shrank meanwhile
};

// The first bytes of a file, as many as tampon holds. Throws EErreurFichier: MsgOuverture for
// a file that cannot be opened or a directory; messageRefus (one %s for the path) for what is
// not a regular file (a device, a FIFO) or is larger than maximum; MsgLecture.
TDebutFichier LireDebutFichier(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus,
                               std::span<std::uint8_t> tampon);

// A small file read whole, with the refusals of LireDebutFichier.
std::string LireFichierTexte(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus);

}  // namespace calevrin
