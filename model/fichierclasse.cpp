#include "model/fichierclasse.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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
  static void Champ(std::uint8_t*& p, const T& v) {
    Ecrire(p, v);
  }
  template <typename T>
  static void Champ(const std::uint8_t*& p, T& v) {
    Lire(p, v);
  }
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

namespace {

// An open descriptor on a regular file of at most maximum bytes, and its size.
int OuvrirFichierOrdinaire(const std::string& chemin, std::uint64_t maximum, std::string_view messageRefus,
                           std::uint64_t& taille) {
  // Non-blocking, so that opening a FIFO with no writer does not wait for one.
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw EErreurClasse(Formater(MsgOuverture, chemin));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw EErreurClasse(Formater(MsgOuverture, chemin));
  }
  // The size is known before reading: a device or a huge file is never read through.
  if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > maximum) {
    ::close(fd);
    throw EErreurClasse(Formater(messageRefus, chemin));
  }
  taille = static_cast<std::uint64_t>(st.st_size);
  return fd;
}

}  // namespace

std::string MessageTronque(const std::string& chemin, std::uint64_t taille) {
  return "Le fichier " + chemin + " est tronqué : " + std::to_string(taille) + " octets au lieu de " +
         std::to_string(TailleFichierClasse);
}

std::uint64_t LireImageFichier(const std::string& chemin, TImage& image) {
  std::uint64_t taille = 0;
  const int fd = OuvrirFichierOrdinaire(chemin, TailleMaxFichierClasse, MsgPasFichierClasse, taille);
  const std::size_t attendu = std::min<std::size_t>(taille, image.size());
  if (const std::size_t lu = Lire(fd, image.data(), attendu); lu < attendu) {  // shrunk since
    ::close(fd);
    throw EErreurClasse(MessageTronque(chemin, lu));
  }
  ::close(fd);
  return taille;
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
