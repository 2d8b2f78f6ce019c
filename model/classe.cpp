#include "model/classe.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>

#include "fichiers/ecriture.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"

namespace calevrin {

namespace {

void Verifier(bool ok, const char* quoi) {
  if (!ok) throw std::out_of_range(quoi);
}

int IndexNote(int m, int p, int k) {
  Verifier(m >= 1 && m <= MaxMatieres && p >= 1 && p <= MaxPeriodes && k >= 1 && k <= MaxDevoirs, "indice de note");
  return ((m - 1) * MaxPeriodes + (p - 1)) * MaxDevoirs + (k - 1);
}

std::uint8_t Octet(int v, int bas, int haut) { return static_cast<std::uint8_t>(std::clamp(v, bas, haut)); }

}  // namespace

TDateJour TDateJour::Aujourdhui() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

TTexteNote& TEleve::Note(int m, int p, int k) { return Notes[static_cast<std::size_t>(IndexNote(m, p, k))]; }
const TTexteNote& TEleve::Note(int m, int p, int k) const {
  return Notes[static_cast<std::size_t>(IndexNote(m, p, k))];
}

TClasse::TClasse() { Initialiser(); }

int TClasse::NbEleves() const { return std::min<int>(NbEleves_, MaxEleves); }
int TClasse::NbDevoirs(int m, int p) const {
  Verifier(m >= 1 && m <= MaxMatieres && p >= 1 && p <= MaxPeriodes, "NbDevoirs");
  return std::min<int>(NbDevoirs_[static_cast<std::size_t>((m - 1) * 3 + (p - 1))], MaxDevoirs);
}
int TClasse::NbMatieres() const { return std::clamp<int>(NbMatieres_, 1, MaxMatieres); }
int TClasse::MatiereCourante() const { return std::clamp<int>(MatiereCourante_, 1, 4); }
int TClasse::PeriodeCourante() const { return std::clamp<int>(PeriodeCourante_, 1, 4); }
int TClasse::NbPeriodes() const { return NbPeriodes_ == 2 ? 2 : 3; }

void TClasse::FixerNbEleves(int n) { NbEleves_ = Octet(n, 0, MaxEleves); }
void TClasse::FixerNbDevoirs(int m, int p, int n) {
  Verifier(m >= 1 && m <= MaxMatieres && p >= 1 && p <= MaxPeriodes, "NbDevoirs");
  NbDevoirs_[static_cast<std::size_t>((m - 1) * 3 + (p - 1))] = Octet(n, 0, MaxDevoirs);
}
void TClasse::FixerNbMatieres(int n) { NbMatieres_ = Octet(n, 1, MaxMatieres); }
void TClasse::FixerMatiereCourante(int m) { MatiereCourante_ = Octet(m, 1, 4); }
void TClasse::FixerPeriodeCourante(int p) { PeriodeCourante_ = Octet(p, 1, 4); }
void TClasse::FixerNbPeriodes(int n) { NbPeriodes_ = Octet(n, 2, 3); }
void TClasse::FixerArrondi(int a) { Arrondi_ = Octet(a, 0, 6); }

TClasse::TOctetsBruts TClasse::Bruts() {
  return {NbEleves_, NbDevoirs_, NbMatieres_, MatiereCourante_, PeriodeCourante_, Joker_, Arrondi_, NbPeriodes_};
}

TEleve& TClasse::Eleve(int e) {
  Verifier(e >= 1 && e <= MaxEleves, "indice d'élève");
  return Eleves_[static_cast<std::size_t>(e - 1)];
}
const TEleve& TClasse::Eleve(int e) const {
  Verifier(e >= 1 && e <= MaxEleves, "indice d'élève");
  return Eleves_[static_cast<std::size_t>(e - 1)];
}
TDevoir& TClasse::Devoir(int m, int p, int k) { return Devoirs_[static_cast<std::size_t>(IndexNote(m, p, k))]; }
const TDevoir& TClasse::Devoir(int m, int p, int k) const {
  return Devoirs_[static_cast<std::size_t>(IndexNote(m, p, k))];
}
TMatiere& TClasse::Matiere(int m) {
  Verifier(m >= 1 && m <= MaxMatieres, "indice de matière");
  return Matieres_[static_cast<std::size_t>(m - 1)];
}
const TMatiere& TClasse::Matiere(int m) const {
  Verifier(m >= 1 && m <= MaxMatieres, "indice de matière");
  return Matieres_[static_cast<std::size_t>(m - 1)];
}

void TClasse::Initialiser() {
  for (int e = 1; e <= MaxEleves; ++e) ViderEleve(e);
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p)
      for (int k = 1; k <= MaxDevoirs; ++k) ViderDevoir(m, p, k);
  NbEleves_ = 0;
  NbDevoirs_.fill(0);
  MatiereCourante_ = 1;
  PeriodeCourante_ = 1;
  Abreviation.Vider();
  AnneeScolaire.Vider();
  Professeur.Vider();
  MatierePrincipale.Vider();
  NbPeriodes_ = 3;
  NbMatieres_ = 3;
  for (int m = 1; m <= MaxMatieres; ++m) {
    const char chiffre = static_cast<char>('0' + m);
    Matiere(m).Nom.Affecter(std::string("Mati\xE8re ") + chiffre);
    Matiere(m).Abrev.Affecter(std::string("Mat ") + chiffre);  // cut to "Ma"
    for (int p = 1; p <= MaxPeriodes; ++p) Matiere(m).Coef[static_cast<std::size_t>(p)] = 1.0;
  }
}

void TClasse::NouvelleClasse(const TDateJour& aujourdhui) {
  std::string nom = NomFichier;
  if (const auto pos = nom.find_last_of('/'); pos != std::string::npos) nom.erase(0, pos + 1);
  nom = MajusculesAscii(nom);
  nom.erase(nom.size() >= 4 ? nom.size() - 4 : 0);
  if (nom.size() >= 5) nom.resize(4);
  Abreviation.Affecter(nom);

  const int a = aujourdhui.Mois >= 8 ? aujourdhui.Annee : aujourdhui.Annee - 1;
  AnneeScolaire.Affecter("( " + std::to_string(a) + " / " + std::to_string(a + 1) + " )");
  Joker_ = 0;
  Arrondi_ = 0;
}

void TClasse::Charger() {
  auto image = std::make_unique_for_overwrite<TImage>();
  if (const std::uint64_t taille = LireImageFichier(NomFichier, *image); taille < TailleFichierClasse)
    throw EErreurClasse(MessageTronque(NomFichier, taille));
  LireImage(*this, *image);
}

void TClasse::Enregistrer(bool synchroniser) {
  auto image = std::make_unique_for_overwrite<TImage>();
  EcrireImage(*this, *image);
  EcrireFichierAtomique(NomFichier, image->data(), image->size(), synchroniser);
}

void TClasse::ViderEleve(int e) {
  TEleve& el = Eleve(e);
  el.Nom.Vider();
  el.Prenom.Vider();
  el.DateNaissance.Vider();
  for (auto& n : el.Notes) n.Vider();
}

void TClasse::ViderDevoir(int m, int p, int k) {
  TDevoir& d = Devoir(m, p, k);
  d.Coef = 1.0;
  d.Date.Vider();
  d.Duree.Vider();
  d.Commentaire.Vider();
  for (auto& el : Eleves_) el.Note(m, p, k).Vider();
}

std::string TClasse::NomComplet(int e, bool avecPrenom) const {
  const TEleve& el = Eleve(e);
  return avecPrenom ? el.Nom.Texte() + " " + el.Prenom.Texte() : el.Nom.Texte();
}

}  // namespace calevrin
