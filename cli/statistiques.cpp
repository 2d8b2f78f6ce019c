#include "cli/statistiques.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/entree.h"
#include "model/classe.h"
#include "model/cp1252.h"
#include "model/formatage.h"
#include "model/options.h"
#include "model/statistiques.h"

namespace calevrin::cli {

namespace {

// The subject, period, test and student asked for, checked against the class; false with the
// message written when one is not in it.
bool Choisir(const TArguments& a, const TClasse& c, TEtatStat& etat, std::ostream& err) {
  const auto matiere = a.Nombre("--matiere");
  const auto periode = a.Nombre("--periode");
  const auto devoir = a.Nombre("--devoir");
  const auto eleve = a.Nombre("--eleve");
  const int nm = c.NbMatieres();
  const int np = c.NbPeriodes();
  const bool evolution = etat.Fenetre == TFenetreStat::Evolution;
  if (matiere) {
    const int m = *matiere;
    if (m == 4 && etat.Fenetre != TFenetreStat::Moyennes) {
      err << (evolution ? "L'évolution des notes ne se montre pas pour la synthèse" : "La synthèse n'a pas de devoirs")
          << " : choisir une matière de 1 à " << nm << ".\n";
      return false;
    }
    if ((m < 1 || m > nm) && m != 4) {
      err << "La classe n'a pas de matière " << m << " (matières 1 à " << nm << ", 4 pour la synthèse).\n";
      return false;
    }
    etat.Matiere = m;
  }
  if (periode) {
    const int p = *periode;
    if ((p < 1 || p > np) && p != 4 && !(evolution && p == 5)) {
      err << "La classe n'a pas de période " << p << " (périodes 1 à " << np << ", 4 pour l'année"
          << (evolution ? ", 5 pour tous les devoirs de l'année" : "") << ").\n";
      return false;
    }
    etat.Periode = p;
  }
  if (etat.Fenetre == TFenetreStat::Devoir) {
    const int nd = etat.Periode <= MaxPeriodes ? c.NbDevoirs(etat.Matiere, etat.Periode) : 0;
    if (!devoir) {
      // As the window shows a subject or period just chosen: its last test.
      etat.Devoir = nd;
      return true;
    }
    if (*devoir < 1 || *devoir > nd) {
      err << "Pas de devoir " << *devoir << " dans cette matière et cette période ("
          << (nd == 0 ? std::string("aucun devoir") : "devoirs 1 à " + std::to_string(nd)) << ").\n";
      return false;
    }
    etat.Devoir = *devoir;
  }
  if (eleve) {
    if (*eleve > c.NbEleves()) {
      err << "La classe n'a pas d'élève " << *eleve << " (élèves 1 à " << c.NbEleves() << ").\n";
      return false;
    }
    etat.Eleve = *eleve;
  }
  return true;
}

std::string Texte(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

void EcrireRepartition(const TGrapheStat& g, std::ostream& out) {
  out << Texte(g.Caption) << '\n';
  if (g.NbBarre() == 0) return;
  for (int i = 1; i <= g.NbLigne; ++i) out << Texte(g.Ligne[static_cast<std::size_t>(i)]) << '\n';
  for (int i = 0; i < g.NbBarre(); ++i)
    out << (i == 0 ? "" : "\t") << static_cast<long>(g.Barres[static_cast<std::size_t>(i)].Valeur);
  out << '\n';
}

void EcrireEvolution(const TGrapheStat& g, std::ostream& out) {
  out << Texte(g.Caption) << '\n';
  for (const TBarreStat& b : g.Barres)
    out << Texte(b.Legende) << '\t' << (b.Valeur >= 0 ? FormaterNombre(b.Valeur) : Texte(b.Texte)) << '\n';
  out << "moy.\t" << (g.Moy ? FormaterNombre(g.BarreMoy.Valeur) : std::string()) << '\n';
}

void EcrireBilan(const TTableauStat& t, std::ostream& out) {
  out << Texte(t.Caption) << '\n';
  for (int l = 1; l <= t.NbLigne; ++l) {
    for (int col = 1; col <= t.NbColonne; ++col)
      out << (col == 1 ? "" : "\t") << Texte(t.Cellule[static_cast<std::size_t>(col)][static_cast<std::size_t>(l)]);
    out << '\n';
  }
}

int Executer(TFenetreStat fenetre, const TArguments& a, std::ostream& out, std::ostream& err) {
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const TOptions& o = entree.options;
  if (fenetre == TFenetreStat::Moyennes && a.A("--devoir")) fenetre = TFenetreStat::Devoir;
  TEtatStat etat = EtatInitial(fenetre, c, o);  // "M" down: the line wherever it has a value
  if (!Choisir(a, c, etat, err)) return 2;
  switch (fenetre) {
    case TFenetreStat::Devoir: EcrireRepartition(CalculerStat02(c, etat, o), out); break;
    case TFenetreStat::Moyennes: EcrireRepartition(CalculerStat03(c, etat, o), out); break;
    case TFenetreStat::Evolution: EcrireEvolution(CalculerStat01(c, etat, o), out); break;
    case TFenetreStat::Bilan: EcrireBilan(CalculerStat04(c, etat, o), out); break;
  }
  return 0;
}

// Subjects and periods out of the class get a message, not the usage: they are read as numbers.
constexpr TOption Matiere{"--matiere", TValeur::Entier, "S"};
constexpr TOption Periode{"--periode", TValeur::Entier, "P"};

TImprimerPage& ImprimerPage() {
  static TImprimerPage f;
  return f;
}

std::string Minuscules(std::string s) {
  for (char& x : s)
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
  return s;
}

int Page(const TArguments& a, std::ostream&, std::ostream& err) {
  static const std::pair<const char*, TFenetreStat> fenetres[] = {{"devoir", TFenetreStat::Devoir},
                                                                  {"moyennes", TFenetreStat::Moyennes},
                                                                  {"evolution", TFenetreStat::Evolution},
                                                                  {"bilan", TFenetreStat::Bilan}};
  const std::string nom = a.Texte("--fenetre").value_or("");
  const auto f = std::ranges::find_if(fenetres, [&](const auto& x) { return nom == x.first; });
  if (f == std::end(fenetres)) {
    err << "Choisir la fenêtre avec --fenetre devoir, moyennes, evolution ou bilan.\n";
    return 2;
  }
  const int placement = a.Nombre("--placement").value_or(2);
  if (placement < 1 || placement > 6) {
    err << "La disposition se choisit de 1 à 6 (1 en haut à gauche, 2 en haut, 3 page entière, 4 en haut "
           "centré, 5 au milieu, 6 centré).\n";
    return 2;
  }
  TDemandePage d;
  d.sortie = a.fichiers[1];
  const std::string extension = Minuscules(std::filesystem::path(d.sortie).extension().string());
  if (extension != ".pdf" && extension != ".png") {
    err << "Le fichier de sortie doit finir par .pdf ou .png : " << d.sortie << '\n';
    return 2;
  }
  if (!ImprimerPage()) {
    err << "Cette version de calevrin-cli ne sait pas écrire de pages.\n";
    return 1;
  }
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const TOptions& o = entree.options;
  TEtatStat etat = EtatInitial(f->second, c, o);
  if (!Choisir(a, c, etat, err)) return 2;
  switch (f->second) {
    case TFenetreStat::Devoir: d.graphe = CalculerStat02(c, etat, o); break;
    case TFenetreStat::Moyennes: d.graphe = CalculerStat03(c, etat, o); break;
    case TFenetreStat::Evolution: d.graphe = CalculerStat01(c, etat, o); break;
    case TFenetreStat::Bilan: d.tableau = CalculerStat04(c, etat, o); break;
  }
  d.png = extension == ".png";
  d.placement = placement;
  d.paysage = a.A("--paysage");
  d.noirBlanc = a.A("--noir-et-blanc") || o.noirblanc;
  d.cadre = a.A("--cadre");
  return ImprimerPage()(d, err);
}

}  // namespace

void InstallerImprimerPage(TImprimerPage f) { ImprimerPage() = std::move(f); }

const TCommande CommandePage{
    .nom = "page",
    .fichiers = "FICHIER SORTIE.pdf|SORTIE.png",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {{"--fenetre", TValeur::Texte, "devoir|moyennes|evolution|bilan"},
                Matiere,
                Periode,
                {"--devoir", TValeur::Entier, "K"},
                {"--eleve", TValeur::Entier, "N"},
                {"--placement", TValeur::Entier, "1..6"},
                {"--paysage", TValeur::Aucune, ""},
                {"--noir-et-blanc", TValeur::Aucune, ""},
                {"--cadre", TValeur::Aucune, ""},
                OptionIni},
    .executer = Page,
    .aide =
        "  page FICHIER SORTIE     la page qu'imprime l'aperçu d'une fenêtre statistique (--fenetre devoir,\n"
        "                          moyennes, evolution ou bilan ; --matiere, --periode, --devoir, --eleve\n"
        "                          comme ci-dessus), en PDF ou, pour SORTIE.png, l'image du graphique\n"
        "                          seul ; --placement 1 à 6 (2 par défaut : en haut), --paysage,\n"
        "                          --noir-et-blanc, --cadre (tracer le cadre)\n",
    .usageComplet = true,
};

const TCommande CommandeStatistiques{
    .nom = "statistiques",
    .fichiers = "FICHIER",
    .options = {Matiere, Periode, {"--devoir", TValeur::Entier, "K"}, OptionIni},
    .executer = [](const TArguments& a, std::ostream& out,
                   std::ostream& err) { return Executer(TFenetreStat::Moyennes, a, out, err); },
    .aide =
        "  statistiques FICHIER    la répartition des moyennes (avec --devoir K, des notes du devoir K) :\n"
        "                          le titre, les lignes de chiffres, puis l'effectif de chaque note\n"
        "                          entière de 0 à la note maximale, séparés par des tabulations\n",
    .usageComplet = true,
};

const TCommande CommandeEvolution{
    .nom = "evolution",
    .fichiers = "FICHIER",
    .options = {Matiere, Periode, {"--eleve", TValeur::Entier, "N"}, OptionIni},
    .executer = [](const TArguments& a, std::ostream& out,
                   std::ostream& err) { return Executer(TFenetreStat::Evolution, a, out, err); },
    .aide =
        "  evolution FICHIER       l'évolution des notes de la classe (--eleve N : de l'élève N) ; période 5\n"
        "                          pour tous les devoirs de l'année : le titre, une ligne par devoir ou\n"
        "                          période (repère, tabulation, valeur), puis la ligne « moy. »\n",
    .usageComplet = true,
};

const TCommande CommandeBilan{
    .nom = "bilan",
    .fichiers = "FICHIER",
    .options = {{"--eleve", TValeur::Entier, "N"}, OptionIni},
    .executer = [](const TArguments& a, std::ostream& out,
                   std::ostream& err) { return Executer(TFenetreStat::Bilan, a, out, err); },
    .aide =
        "  bilan FICHIER           le bilan complet de la classe (--eleve N : de l'élève N), une ligne\n"
        "                          par ligne du tableau, cellules séparées par des tabulations\n"
        "                          Ces trois commandes écrivent en UTF-8, lignes terminées par LF ;\n"
        "                          matière et période par défaut : celles du fichier.\n",
    .usageComplet = true,
};

}  // namespace calevrin::cli
