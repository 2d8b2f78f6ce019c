#include "fichiers/lecture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "fichiers/erreurs.h"

namespace calevrin {

namespace {

// Up to taille bytes into p; returns how many; throws with the read message.
std::size_t Lire(int fd, std::uint8_t* p, std::size_t taille) {
  std::size_t lu = 0;
  while (lu < taille) {
    const ssize_t n = ::read(fd, p + lu, taille - lu);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      throw EErreurFichier(std::string(MsgLecture));
    }
    if (n == 0) break;
    lu += static_cast<std::size_t>(n);
  }
  return lu;
}

// An open descriptor on a regular file of at most maximum bytes, and its size.
int OuvrirFichierOrdinaire(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus,
                           std::uint64_t& taille) {
  // Non-blocking, so that opening a FIFO with no writer does not wait for one.
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw EErreurFichier(Formater(MsgOuverture, chemin));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw EErreurFichier(Formater(MsgOuverture, chemin));
  }
  // The size is known before reading: a device or a huge file is never read through.
  if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > maximum) {
    ::close(fd);
    throw EErreurFichier(Formater(messageRefus, chemin));
  }
  taille = static_cast<std::uint64_t>(st.st_size);
  return fd;
}

}  // namespace

TDebutFichier LireDebutFichier(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus,
                               std::span<std::uint8_t> tampon) {
  TDebutFichier r;
  const int fd = OuvrirFichierOrdinaire(chemin, maximum, messageRefus, r.taille);
  r.lu = Lire(fd, tampon.data(), std::min<std::uint64_t>(r.taille, tampon.size()));
  ::close(fd);
  return r;
}

std::string LireFichierTexte(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus) {
  std::uint64_t taille = 0;
  const int fd = OuvrirFichierOrdinaire(chemin, maximum, messageRefus, taille);
  std::string texte(static_cast<std::size_t>(taille), '\0');
  const std::size_t lu = Lire(fd, reinterpret_cast<std::uint8_t*>(texte.data()), texte.size());
  ::close(fd);
  texte.resize(lu);
  return texte;
}

}  // namespace calevrin
