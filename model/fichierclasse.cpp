#include "model/fichierclasse.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/classe.h"
#include "model/erreurs.h"

namespace calevrin {

namespace {

// Every field is copied as raw bytes, so that any file, damaged or not, comes back
// out exactly as it went in.
template <std::size_t N>
void Ecrire(std::uint8_t*& p, const TChaine<N>& s) {
  *p++ = s.Longueur;
  std::memcpy(p, s.Car.data(), N);
  p += N;
}
template <std::size_t N>
void Lire(const std::uint8_t*& p, TChaine<N>& s) {
  s.Longueur = *p++;
  std::memcpy(s.Car.data(), p, N);
  p += N;
}
void Ecrire(std::uint8_t*& p, const double& d) {
  std::memcpy(p, &d, sizeof d);
  p += sizeof d;
}
void Lire(const std::uint8_t*& p, double& d) {
  std::memcpy(&d, p, sizeof d);
  p += sizeof d;
}
template <std::size_t N>
void Ecrire(std::uint8_t*& p, const std::array<std::uint8_t, N>& a) {
  std::memcpy(p, a.data(), N);
  p += N;
}
template <std::size_t N>
void Lire(const std::uint8_t*& p, std::array<std::uint8_t, N>& a) {
  std::memcpy(a.data(), p, N);
  p += N;
}
void Ecrire(std::uint8_t*& p, const std::uint8_t& b) { *p++ = b; }
void Lire(const std::uint8_t*& p, std::uint8_t& b) { b = *p++; }

}  // namespace

// Friend of TClasse: the one place that knows the stored order of the fields.
struct TImageClasse {
  template <typename Ptr, typename Classe>
  static void Parcourir(Ptr p, Classe& c) {
    for (auto& el : c.Eleves_) {
      Champ(p, el.Nom);
      Champ(p, el.Prenom);
      Champ(p, el.DateNaissance);
      for (auto& n : el.Notes) Champ(p, n);
    }
    for (auto& d : c.Devoirs_) {
      Champ(p, d.Coef);
      Champ(p, d.Date);
      Champ(p, d.Duree);
      Champ(p, d.Commentaire);
      Champ(p, d.Bourrage);
    }
    for (auto& m : c.Matieres_) {
      Champ(p, m.Nom);
      Champ(p, m.Abrev);
      for (auto& coef : m.Coef) Champ(p, coef);
    }
    Champ(p, c.Abreviation);
    Champ(p, c.AnneeScolaire);
    Champ(p, c.Joker_);
    Champ(p, c.Arrondi_);
    Champ(p, c.NbPeriodes_);
    Champ(p, c.Professeur);
    Champ(p, c.MatierePrincipale);
    Champ(p, c.NbDevoirs_);
    Champ(p, c.NbEleves_);
    Champ(p, c.NbMatieres_);
    Champ(p, c.MatiereCourante_);
    Champ(p, c.PeriodeCourante_);
    Champ(p, c.Reserve);
  }
  template <typename T>
  static void Champ(std::uint8_t*& p, const T& v) { Ecrire(p, v); }
  template <typename T>
  static void Champ(const std::uint8_t*& p, T& v) { Lire(p, v); }
};

void EcrireImage(const TClasse& c, TImage& image) {
  std::uint8_t* p = image.data();
  TImageClasse::Parcourir<std::uint8_t*&>(p, c);
}

void LireImage(TClasse& c, const TImage& image) {
  const std::uint8_t* p = image.data();
  TImageClasse::Parcourir<const std::uint8_t*&>(p, c);
}

namespace {

// Opens a file for reading, never a directory; throws with the open message.
int OuvrirEnLecture(const std::string& chemin) {
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EErreurClasse(Formater(MsgOuverture, chemin));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw EErreurClasse(Formater(MsgOuverture, chemin));
  }
  return fd;
}

// Up to taille bytes into p; returns how many; throws with the read message.
std::size_t Lire(int fd, std::uint8_t* p, std::size_t taille) {
  std::size_t lu = 0;
  while (lu < taille) {
    const ssize_t n = ::read(fd, p + lu, taille - lu);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      throw EErreurClasse(std::string(MsgLecture));
    }
    if (n == 0) break;
    lu += static_cast<std::size_t>(n);
  }
  return lu;
}

}  // namespace

std::vector<std::uint8_t> LireFichier(const std::string& chemin) {
  const int fd = OuvrirEnLecture(chemin);
  std::vector<std::uint8_t> donnees;
  for (;;) {
    const std::size_t avant = donnees.size();
    donnees.resize(avant + 65536);
    const std::size_t n = Lire(fd, donnees.data() + avant, 65536);
    donnees.resize(avant + n);
    if (n < 65536) break;
  }
  ::close(fd);
  return donnees;
}

std::size_t LireImageFichier(const std::string& chemin, TImage& image) {
  const int fd = OuvrirEnLecture(chemin);
  const std::size_t lu = Lire(fd, image.data(), image.size());
  ::close(fd);
  return lu;
}

namespace {

bool ToutEcrire(int fd, const std::uint8_t* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

mode_t ModeParDefaut() {
  const mode_t masque = ::umask(0);
  ::umask(masque);
  return 0666 & ~masque;
}

}  // namespace

void EcrireFichierAtomique(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille,
                           bool synchroniser) {
  namespace fs = std::filesystem;
  const auto echec = [&] { return EErreurClasse(Formater(MsgCreation, chemin)); };
  std::error_code ec;
  fs::path cible(chemin);
  struct stat st {};
  if (::lstat(cible.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    const fs::path lien = fs::read_symlink(cible, ec);
    if (ec) throw echec();
    cible = lien.is_absolute() ? lien : cible.parent_path() / lien;
  }
  mode_t mode = 0;
  if (::stat(cible.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw echec();
    mode = st.st_mode & 07777;
  } else {
    mode = ModeParDefaut();
  }

  const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
  std::string modele = (dossier / ("." + cible.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(modele.data());
  if (fd < 0) throw echec();
  const bool ok = ToutEcrire(fd, donnees, taille) && ::fchmod(fd, mode) == 0 &&
                  (!synchroniser || ::fsync(fd) == 0);
  if (::close(fd) != 0 || !ok || ::rename(modele.c_str(), cible.c_str()) != 0) {
    ::unlink(modele.c_str());
    throw echec();
  }
  if (synchroniser) {
    // The rename itself must reach the disk, or a crash could bring the old file back.
    const int dfd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
      ::fsync(dfd);
      ::close(dfd);
    }
  }
}

}  // namespace calevrin
