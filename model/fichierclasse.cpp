#include "model/fichierclasse.h"

#include <algorithm>
#include <cstring>

#include "fichiers/lecture.h"
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

std::string MessageTronque(const std::string& chemin, std::uint64_t taille) {
  return "Le fichier " + chemin + " est tronqué : " + std::to_string(taille) + " octets au lieu de " +
         std::to_string(TailleFichierClasse);
}

std::uint64_t LireImageFichier(const std::string& chemin, TImage& image) {
  const TDebutFichier debut = LireDebutFichier(chemin, TailleMaxFichierClasse, MsgPasFichierClasse, image);
  // Shrunk since its size was taken.
  if (debut.lu < std::min<std::uint64_t>(debut.taille, image.size()))
    throw EErreurClasse(MessageTronque(chemin, debut.lu));
  return debut.taille;
}

}  // namespace calevrin
