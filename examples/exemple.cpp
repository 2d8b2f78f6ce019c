#include "examples/exemple.h"

#include <cstdint>
#include <string>

namespace calevrin {

namespace {

// Small linear congruential generator: the sample must not change between builds.
struct TAlea {
  std::uint32_t etat = 20262027;
  int Entier(int n) {
    etat = etat * 1103515245u + 12345u;
    return static_cast<int>((etat >> 16) % static_cast<std::uint32_t>(n));
  }
};

struct TEleveExemple {
  const char* nom;
  const char* prenom;
  const char* naissance;
  int niveau;  // usual grade out of 20
};

// Windows-1252 texts.
const TEleveExemple Eleves[] = {
    {"ANDR\xC9", "Rose", "14022013", 15},
    {"BERNARD", "Hugo", "03092013", 11},
    {"BERTRAND", "Jade", "27062013", 16},
    {"BLANC", "Ana\xEFs", "09112013", 13},
    {"DAVID", "Rapha\xEBl", "21012013", 9},
    {"DUBOIS", "Chlo\xE9", "30042013", 14},
    {"DURAND", "Th\xE9o", "12122013", 8},
    {"FOURNIER", "Adam", "05052013", 12},
    {"GARCIA", "Lina", "18082013", 17},
    {"GIRARD", "Noah", "01032013", 10},
    {"LAURENT", "Gabriel", "25102013", 13},
    {"LEF\xC8VRE", "Zo\xE9", "07072013", 18},
    {"LEROY", "Camille", "16012012", 7},
    {"MARTIN",
     "L\xE9"
     "a",
     "29092013", 15},
    {"MERCIER", "Ma\xEBl", "11042013", 11},
    {"MICHEL", "Jules", "23022013", 12},
    {"MOREAU", "Louis", "08062013", 14},
    {"MOREL", "Alice", "19112013", 16},
    {"PETIT", "Manon", "02082013", 10},
    {"RICHARD", "Nathan", "13032013", 9},
    {"ROBERT", "Emma", "26122013", 17},
    {"ROUX", "Arthur", "04102013", 12},
    {"SIMON", "In\xE8s", "15052013", 13},
    {"THOMAS", "Lucas", "31012013", 11},
    {"VINCENT", "Louise", "22072013", 15},
};

struct TDevoirExemple {
  int matiere;
  const char* date;
  const char* duree;
  double coef;
  const char* commentaire;
};

const TDevoirExemple Devoirs[] = {
    {1, "ven. 2 oct.", "30mn", 1.0, "Interrogation : fractions"},
    {1, "ven. 9 oct.", "1h", 2.0, "Nombres relatifs"},
    {1, "mar. 3 nov.", "30mn", 1.0, "Calcul litt\xE9ral"},
    {1, "ven. 6 nov.", "", 0.5, "Devoir maison : programmes de calcul"},
    {1,
     "mar. 1 d\xE9"
     "c.",
     "1h", 2.0, "Th\xE9or\xE8me de Pythagore"},
    {1,
     "ven. 4 d\xE9"
     "c.",
     "2h", 2.0, "Contr\xF4le commun du trimestre"},
    {2, "mar. 6 oct.", "1h", 1.0, "La mati\xE8re et ses \xE9tats"},
    {2, "mar. 3 nov.", "30mn", 1.0, "M\xE9langes et solutions"},
    {2, "jeu. 5 nov.", "", 0.5, "Compte rendu de TP"},
    {2,
     "jeu. 3 d\xE9"
     "c.",
     "1h", 2.0, "Circuits \xE9lectriques"},
    {3, "jeu. 8 oct.", "1h", 1.0, "Objets techniques"},
    {3, "jeu. 5 nov.", "1h", 1.0, "Projet : maquette"},
    {3,
     "jeu. 3 d\xE9"
     "c.",
     "30mn", 1.0, "Algorithmique"},
};

std::string Note(TAlea& a, int niveau) {
  // Rare codes first, as they would appear in a real sheet.
  const int r = a.Entier(100);
  if (r < 3) return "abs";
  if (r == 3) return "ret";
  if (r == 4) return "excu";
  int demi = 2 * niveau + a.Entier(13) - 6;  // in half points
  if (demi < 0) demi = 0;
  if (demi > 40) demi = 40;
  std::string t = std::to_string(demi / 2);
  if (demi % 2) t += ".5";
  return t;
}

}  // namespace

void GenererExemple(TClasse& c) {
  c.Initialiser();
  c.NomFichier = "4eB.cl3";
  c.Abreviation.Affecter("4EB");
  c.AnneeScolaire.Affecter("( 2026 / 2027 )");
  c.Professeur.Affecter("Mme Claire Morel");
  c.MatierePrincipale.Affecter("Math\xE9matiques");
  c.FixerNbPeriodes(3);
  c.FixerNbMatieres(3);
  const char* const matieres[3][2] = {{"Math\xE9matiques", "Ma"}, {"Physique-chimie", "PC"}, {"Technologie", "Te"}};
  for (int m = 1; m <= 3; ++m) {
    c.Matiere(m).Nom.Affecter(matieres[m - 1][0]);
    c.Matiere(m).Abrev.Affecter(matieres[m - 1][1]);
  }
  c.Matiere(1).Coef[1] = 2.0;  // mathematics weigh double in the synthesis

  int e = 0;
  for (const TEleveExemple& el : Eleves) {
    ++e;
    c.Eleve(e).Nom.Affecter(el.nom);
    c.Eleve(e).Prenom.Affecter(el.prenom);
    c.Eleve(e).DateNaissance.Affecter(el.naissance);
  }
  c.FixerNbEleves(e);

  TAlea alea;
  for (const TDevoirExemple& d : Devoirs) {
    const int k = c.NbDevoirs(d.matiere, 1) + 1;
    TDevoir& dv = c.Devoir(d.matiere, 1, k);
    dv.Date.Affecter(d.date);
    dv.Duree.Affecter(d.duree);
    dv.Coef = d.coef;
    dv.Commentaire.Affecter(d.commentaire);
    c.FixerNbDevoirs(d.matiere, 1, k);
    for (int i = 1; i <= c.NbEleves(); ++i) c.Eleve(i).Note(d.matiere, 1, k).Affecter(Note(alea, Eleves[i - 1].niveau));
  }
  // A student excused from the lab report, and the technology teacher's letter grade.
  c.Eleve(7).Note(2, 1, 3).Affecter("disp");
  c.Eleve(12).Note(3, 1, 2).Affecter("B+");
}

void GenererClassePleine(TClasse& c) {
  c.Initialiser();
  c.Abreviation.Affecter("TERM S2");
  c.AnneeScolaire.Affecter("2026-2027");
  c.Professeur.Affecter("M. Jean-Baptiste Durand-Lefebvre");
  c.FixerNbPeriodes(3);
  c.FixerNbMatieres(3);
  c.FixerJoker(true);
  c.FixerNbEleves(MaxEleves);
  for (int m = 1; m <= MaxMatieres; ++m) {
    c.Matiere(m).Nom.Affecter("Mati\xE8re num\xE9ro " + std::to_string(m) + " longue");
    for (int p = 1; p <= MaxPeriodes; ++p) c.Matiere(m).Coef[static_cast<std::size_t>(p)] = m + p % 2;
  }
  for (int e = 1; e <= MaxEleves; ++e) {
    c.Eleve(e).Nom.Affecter("NOMDEFAMILLETRESLONG" + std::to_string(e));
    c.Eleve(e).Prenom.Affecter("Pr\xE9nom" + std::to_string(e));
  }
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c.FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        TDevoir& d = c.Devoir(m, p, k);
        d.Coef = (k % 5) * 0.5;
        d.Date.Affecter(std::to_string(k) + "/" + std::to_string(p + 9));
        d.Duree.Affecter("1h30");
        d.Commentaire.Affecter("Contr\xF4le de connaissances num\xE9ro " + std::to_string(k) + " !!");
        for (int e = 1; e <= MaxEleves; ++e) {
          const int r = (e * 7 + k * 13 + m * 5 + p) % 43;
          c.Eleve(e).Note(m, p, k).Affecter(r == 0   ? "abs"
                                            : r == 1 ? "B+"
                                            : r == 2 ? ""
                                                     : std::to_string(r / 2) + (r % 2 ? ".5" : ""));
        }
      }
    }
}

}  // namespace calevrin
