#pragma once
// The class document: one class for one school year, as stored in a ".cl3" file.

#include <array>
#include <cstdint>
#include <string>

#include "model/chaine.h"

namespace calevrin {

inline constexpr int MaxEleves = 45;
inline constexpr int MaxMatieres = 3;
inline constexpr int MaxPeriodes = 3;
inline constexpr int MaxDevoirs = 24;
inline constexpr int NotesParEleve = MaxMatieres * MaxPeriodes * MaxDevoirs;  // 216
// The editor stores at most this many characters although the field holds 5.
inline constexpr int LongueurNoteSaisie = 4;

using TNom = TChaine<20>;
using TTexteNote = TChaine<5>;

struct TEleve {
  TNom Nom;  // empty = free slot
  TNom Prenom;
  TChaine<8> DateNaissance;                       // ddmmyyyy
  std::array<TTexteNote, NotesParEleve> Notes{};  // [m][p][k], k fastest

  TTexteNote& Note(int m, int p, int k);
  const TTexteNote& Note(int m, int p, int k) const;
};

struct TDevoir {
  double Coef = 1.0;
  TChaine<11> Date;
  TChaine<5> Duree;
  TChaine<40> Commentaire;
  std::array<std::uint8_t, 5> Bourrage{};  // padding, written back unchanged
};

struct TMatiere {
  TNom Nom;
  TChaine<2> Abrev;
  TTableau1<double, MaxPeriodes> Coef;  // weight of the subject in period 1..3
};

// Today's date, passed in so that results never depend on the clock in tests.
struct TDateJour {
  int Annee = 2000;
  int Mois = 1;
  int Jour = 1;
  static TDateJour Aujourdhui();
};

class TClasse {
 public:
  TClasse();  // all bytes zero, then Initialiser

  // Counts and view indices are kept exactly as loaded (a damaged file saves back as it
  // came); every reader gets them clamped to the limits of the arrays.
  int NbEleves() const;
  int NbDevoirs(int m, int p) const;
  int NbMatieres() const;
  int MatiereCourante() const;
  int PeriodeCourante() const;
  int NbPeriodes() const;
  bool Joker() const { return Joker_ != 0; }
  int Arrondi() const { return Arrondi_; }

  void FixerNbEleves(int n);
  void FixerNbDevoirs(int m, int p, int n);
  void FixerNbMatieres(int n);
  void FixerMatiereCourante(int m);
  void FixerPeriodeCourante(int p);
  void FixerNbPeriodes(int n);
  void FixerJoker(bool j) { Joker_ = j ? 1 : 0; }
  void FixerArrondi(int a);

  // The stored bytes, for checking and repairing a file.
  struct TOctetsBruts {
    std::uint8_t& NbEleves;
    std::array<std::uint8_t, 9>& NbDevoirs;
    std::uint8_t& NbMatieres;
    std::uint8_t& MatiereCourante;
    std::uint8_t& PeriodeCourante;
    std::uint8_t& Joker;
    std::uint8_t& Arrondi;
    std::uint8_t& NbPeriodes;
  };
  TOctetsBruts Bruts();

  TEleve& Eleve(int e);
  const TEleve& Eleve(int e) const;
  TDevoir& Devoir(int m, int p, int k);
  const TDevoir& Devoir(int m, int p, int k) const;
  TMatiere& Matiere(int m);
  const TMatiere& Matiere(int m) const;

  TChaine<8> Abreviation;
  TChaine<25> AnneeScolaire;
  TChaine<50> Professeur;
  TChaine<50> MatierePrincipale;
  std::array<std::uint8_t, 168> Reserve{};
  std::string NomFichier;  // not stored; a path in the file system's encoding

  void Initialiser();
  void NouvelleClasse(const TDateJour& aujourdhui = TDateJour::Aujourdhui());
  void Charger();                              // throws EErreurClasse
  void Enregistrer(bool synchroniser = true);  // throws EErreurClasse; old file intact on failure

  void ViderEleve(int e);
  void ViderDevoir(int m, int p, int k);
  std::string NomComplet(int e, bool avecPrenom) const;

 private:
  friend struct TImageClasse;

  std::array<TEleve, MaxEleves> Eleves_{};
  std::array<TDevoir, MaxMatieres * MaxPeriodes * MaxDevoirs> Devoirs_{};
  std::array<TMatiere, MaxMatieres> Matieres_{};
  std::array<std::uint8_t, 9> NbDevoirs_{};
  std::uint8_t NbEleves_ = 0;
  std::uint8_t NbMatieres_ = 0;
  std::uint8_t MatiereCourante_ = 0;
  std::uint8_t PeriodeCourante_ = 0;
  std::uint8_t Joker_ = 0;
  std::uint8_t Arrondi_ = 0;
  std::uint8_t NbPeriodes_ = 0;
};

}  // namespace calevrin
