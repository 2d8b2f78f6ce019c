#include "cli/commandes.h"

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/ages.h"
#include "cli/anniversaires.h"
#include "cli/classement.h"
#include "cli/entree.h"
#include "cli/nouvelle.h"
#include "cli/statistiques.h"
#include "model/classe.h"
#include "model/cp1252.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/moyennes.h"
#include "model/note.h"
#include "model/options.h"
#include "model/tableau.h"
#include "model/verification.h"
#include "model/version.h"

namespace calevrin {

namespace {

constexpr const char* Usage =
    "usage : calevrin-cli info FICHIER | check FICHIER... | repair ENTREE SORTIE\n"
    "        | export FICHIER [--matiere S] [--periode P] [--options FICHIER.ini] [-o SORTIE]\n"
    "        | moyennes FICHIER [--options FICHIER.ini]\n"
    "        | classement FICHIER [--matiere S] [--periode P] [--sans-absents] [--options FICHIER.ini]\n"
    "        | ages FICHIER [--date AAAA-MM-JJ] [--options FICHIER.ini]\n"
    "        | anniversaires FICHIER [--date AAAA-MM-JJ] [--options FICHIER.ini]\n"
    "        | pdf FICHIER SORTIE.pdf [--matiere S] [--periode P] [--options FICHIER.ini]\n"
    "        | nouvelle LISTE CLASSE.cl3 [--abreviation ABR] [--annee ANNEE]\n"
    "        | statistiques FICHIER [--matiere S] [--periode P] [--devoir K] [--options FICHIER.ini]\n"
    "        | evolution FICHIER [--matiere S] [--periode P] [--eleve N] [--options FICHIER.ini]\n"
    "        | bilan FICHIER [--eleve N] [--options FICHIER.ini]\n"
    "        | --help | --version\n";

constexpr const char* Aide =
    "Outil en ligne de commande des fichiers classe (.cl3).\n"
    "\n"
    "  info FICHIER            classe, année, professeur, élèves, matières et devoirs\n"
    "  check FICHIER...        vérifie chaque fichier ; code 0 s'ils sont tous corrects, 1 sinon\n"
    "  repair ENTREE SORTIE    écrit une copie corrigée (identique si le fichier est correct)\n"
    "  export FICHIER          le tableau que « Exporter le tableau » de la feuille de notes copie,\n"
    "                          en UTF-8 : champs séparés par des tabulations, lignes terminées par\n"
    "                          un retour chariot (CR), sans CR après la dernière ligne\n"
    "      --matiere S         matière 1 à 3, ou 4 pour la synthèse (par défaut celle du fichier)\n"
    "      --periode P         période 1 à 3, ou 4 pour l'année (par défaut celle du fichier)\n"
    "      --options F.ini     options lues dans ce fichier (par défaut celles d'origine)\n"
    "      -o SORTIE           écrit dans SORTIE au lieu de la sortie standard\n"
    "  moyennes FICHIER        les moyennes de chaque élève, en TSV (UTF-8, une ligne par élève,\n"
    "                          matière et période, après une ligne d'en-tête) ; colonnes :\n"
    "                            eleve          numéro de l'élève, 1 à NbEleves\n"
    "                            nom, prenom    ses nom et prénom\n"
    "                            matiere        1 à NbMatieres, 4 pour la synthèse\n"
    "                            periode        1 à NbPeriodes, 4 pour l'année\n"
    "                            moyenne        la moyenne, sans Joker\n"
    "                            moyenne_joker  la moyenne Joker (la note la plus basse ignorée)\n"
    "                          nombres avec un point décimal et tous les chiffres utiles ;\n"
    "                          champ vide quand il n'y a pas de moyenne\n"
    "      --options F.ini     options lues dans ce fichier (table des lettres)\n"
    "  nouvelle LISTE CLASSE   crée la classe CLASSE (qui ne doit pas exister) avec les élèves\n"
    "                          de LISTE : fichier CSV ou TSV, une colonne de noms, une de prénoms,\n"
    "                          une de dates de naissance facultative ; les lignes écartées et\n"
    "                          leur raison sont écrites sur la sortie d'erreur\n"
    "      --abreviation ABR   abréviation de la classe (par défaut tirée du nom de CLASSE)\n"
    "      --annee ANNEE       année scolaire (par défaut l'année en cours)\n"
    "  statistiques FICHIER    la répartition des moyennes (avec --devoir K, des notes du devoir K) :\n"
    "                          le titre, les lignes de chiffres, puis l'effectif de chaque note\n"
    "                          entière de 0 à la note maximale, séparés par des tabulations\n"
    "  evolution FICHIER       l'évolution des notes de la classe (--eleve N : de l'élève N) ; période 5\n"
    "                          pour tous les devoirs de l'année : le titre, une ligne par devoir ou\n"
    "                          période (repère, tabulation, valeur), puis la ligne « moy. »\n"
    "  bilan FICHIER           le bilan complet de la classe (--eleve N : de l'élève N), une ligne\n"
    "                          par ligne du tableau, cellules séparées par des tabulations\n"
    "                          Ces trois commandes écrivent en UTF-8, lignes terminées par LF ;\n"
    "                          matière et période par défaut : celles du fichier.\n"
    "  classement FICHIER      le classement des élèves tel que « --> Presse Papier » le copie :\n"
    "                          titre, en-tête et une ligne par élève, champs séparés par des\n"
    "                          tabulations, chaque ligne terminée par un retour chariot (CR)\n"
    "      --matiere S, --periode P   comme pour export ; une matière ou une période que la\n"
    "                          classe n'a pas est refusée (code 2)\n"
    "      --sans-absents      ne pas classer les élèves ayant des absences\n"
    "  ages FICHIER            les élèves par âge décroissant (tabulations), puis l'âge moyen\n"
    "  anniversaires FICHIER   les anniversaires du mois, une ligne chacun\n"
    "      --date AAAA-MM-JJ   la date du jour à prendre (par défaut aujourd'hui)\n"
    "  --help                  cette aide\n"
    "  --version               la version du logiciel\n"
    "\n"
    "Les noms sont mis en forme comme à l'ouverture d'une classe.\n"
    "Codes de sortie : 0 fait, 1 fichier illisible ou impossible à écrire, 2 arguments incorrects.\n";

std::string Texte(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

int Info(const std::string& chemin, std::ostream& out, std::ostream& err) {
  std::uint64_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = cli::LireClasse(chemin, taille);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  if (!c) {
    err << MsgLecture << '\n';
    return 1;
  }
  const int np = c->NbPeriodes();
  out << "Classe : " << Texte(c->Abreviation.Vue()) << '\n'
      << "Année scolaire : " << Texte(c->AnneeScolaire.Vue()) << '\n'
      << "Professeur : " << Texte(c->Professeur.Vue()) << '\n'
      << "Matière principale : " << Texte(c->MatierePrincipale.Vue()) << '\n'
      << "Élèves : " << c->NbEleves() << '\n'
      << "Périodes : " << np << (np == 2 ? " semestres" : " trimestres") << '\n'
      << "Matières : " << c->NbMatieres() << '\n';
  for (int m = 1; m <= c->NbMatieres(); ++m) {
    out << "  " << m << ". " << Texte(c->Matiere(m).Nom.Vue()) << " (" << Texte(c->Matiere(m).Abrev.Vue())
        << ") : devoirs";
    for (int p = 1; p <= np; ++p) out << (p == 1 ? " " : " / ") << c->NbDevoirs(m, p);
    out << '\n';
  }
  out << "Liste des élèves :\n";
  for (int e = 1; e <= c->NbEleves(); ++e) {
    const std::string d = c->Eleve(e).DateNaissance.Texte();
    out << "  " << e << ". " << Texte(c->NomComplet(e, true));
    if (d.size() == 8)
      out << " (" << d.substr(0, 2) << '/' << d.substr(2, 2) << '/' << d.substr(4) << ')';
    else if (!d.empty())
      out << " (" << Texte(d) << ')';
    out << '\n';
  }
  return 0;
}

int Check(const std::vector<std::string>& fichiers, std::ostream& out) {
  int code = 0;
  for (const std::string& chemin : fichiers) {
    std::uint64_t taille = 0;
    std::unique_ptr<TClasse> c;
    try {
      c = cli::LireClasse(chemin, taille);
    } catch (const EErreurClasse& e) {
      out << e.what() << '\n';
      code = 1;
      continue;
    }
    if (taille != TailleFichierClasse) {
      out << chemin << " : taille de " << taille << " octets au lieu de " << TailleFichierClasse << '\n';
      code = 1;
    }
    if (!c) continue;
    for (const std::string& defaut : VerifierClasse(*c)) {
      out << chemin << " : " << defaut << '\n';
      code = 1;
    }
  }
  return code;
}

int Repair(const std::string& entree, const std::string& sortie, std::ostream& out, std::ostream& err) {
  std::uint64_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = cli::LireClasse(entree, taille);
    if (!c) {
      err << MsgLecture << '\n';
      return 1;
    }
    const std::size_t defauts = VerifierClasse(*c).size();
    ReparerClasse(*c);
    c->NomFichier = sortie;
    c->Enregistrer();
    out << defauts << (defauts > 1 ? " défauts corrigés" : " défaut corrigé") << '\n';
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  return 0;
}

// "1".."4" exactly.
std::optional<int> LireIndice(const std::string& texte) {
  if (texte.size() != 1 || texte[0] < '1' || texte[0] > '4') return std::nullopt;
  return texte[0] - '0';
}

struct TArguments {
  std::string fichier;
  std::optional<int> matiere;
  std::optional<int> periode;
  std::optional<std::string> options;
  std::optional<std::string> sortie;
};

// The file and the options in any order, each option once; false on anything else. The view
// and the output file are for export only.
bool LireArguments(const std::vector<std::string>& a, bool avecVue, TArguments& r) {
  bool fichier = false;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const std::string& x = a[i];
    const bool avecValeur = x == "--options" || (avecVue && (x == "--matiere" || x == "--periode" || x == "-o"));
    if (avecValeur) {
      if (i + 1 >= a.size()) return false;
      const std::string& v = a[++i];
      if (x == "--options") {
        if (r.options) return false;
        r.options = v;
      } else if (x == "-o") {
        if (r.sortie) return false;
        r.sortie = v;
      } else {
        std::optional<int>& indice = x == "--matiere" ? r.matiere : r.periode;
        if (indice) return false;
        indice = LireIndice(v);
        if (!indice) return false;
      }
    } else if (!fichier && !x.empty() && x[0] != '-') {
      r.fichier = x;
      fichier = true;
    } else {
      return false;
    }
  }
  return fichier;
}

TImprimerPdf& ImprimerPdf() {
  static TImprimerPdf f;
  return f;
}

int Pdf(const TArguments& a, const std::string& sortie, std::ostream& err) {
  if (!ImprimerPdf()) {
    err << "Cette version de calevrin-cli ne sait pas écrire de PDF.\n";
    return 1;
  }
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a.fichier, a.options, entree, err)) return 1;
  TClasse& c = *entree.classe;
  if (a.matiere) c.FixerMatiereCourante(*a.matiere);
  if (a.periode) c.FixerPeriodeCourante(*a.periode);
  return ImprimerPdf()(c, entree.options, sortie, err);
}

int Export(const TArguments& a, std::ostream& out, std::ostream& err) {
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a.fichier, a.options, entree, err)) return 1;
  TClasse& c = *entree.classe;
  if (a.matiere) c.FixerMatiereCourante(*a.matiere);
  if (a.periode) c.FixerPeriodeCourante(*a.periode);
  const std::string texte = Utf8DepuisCp1252(TexteTableau(c, entree.options));
  if (!a.sortie) {
    out << texte;
    return 0;
  }
  try {
    EcrireFichierAtomique(*a.sortie, texte);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  return 0;
}

// The shortest text that reads back as exactly the same double.
std::string Reel(double v) {
  if (v == PasDeMoyenne) return {};
  char tampon[32];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  return std::string(tampon, r.ptr);
}

// A TAB or a line end in a name would shift the columns of a TSV line.
std::string ChampTsv(std::string_view cp1252) {
  std::string s = Utf8DepuisCp1252(cp1252);
  for (char& ch : s)
    if (ch == '\t' || ch == '\r' || ch == '\n') ch = ' ';
  return s;
}

int Moyennes(const TArguments& a, std::ostream& out, std::ostream& err) {
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a.fichier, a.options, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const TOptions& o = entree.options;
  out << "eleve\tnom\tprenom\tmatiere\tperiode\tmoyenne\tmoyenne_joker\n";
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const std::string debut =
        std::to_string(e) + '\t' + ChampTsv(c.Eleve(e).Nom.Vue()) + '\t' + ChampTsv(c.Eleve(e).Prenom.Vue());
    // The subjects and periods the class uses, as the sheet shows them.
    for (int m = 1; m <= 4; ++m) {
      if (m < 4 && m > c.NbMatieres()) continue;
      for (int p = 1; p <= 4; ++p) {
        if (p < 4 && p > c.NbPeriodes()) continue;
        out << debut << '\t' << m << '\t' << p << '\t' << Reel(Moyenne(c, m, p, e, false, o)) << '\t'
            << Reel(Moyenne(c, m, p, e, true, o)) << '\n';
      }
    }
  }
  return 0;
}

}  // namespace

void InstallerImprimerPdf(TImprimerPdf f) { ImprimerPdf() = std::move(f); }

int ExecuterCli(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  const auto usage = [&] {
    err << Usage;
    return 2;
  };
  if (a.empty()) return usage();
  const std::string& cmd = a[0];
  if (cmd == "--help" && a.size() == 1) {
    out << Usage << '\n' << Aide;
    return 0;
  }
  if (cmd == "--version" && a.size() == 1) {
    out << TitreVersion() << '\n';
    return 0;
  }
  if (cmd == "info" && a.size() == 2) return Info(a[1], out, err);
  if (cmd == "check" && a.size() >= 2) return Check({a.begin() + 1, a.end()}, out);
  if (cmd == "repair" && a.size() == 3) return Repair(a[1], a[2], out, err);
  if (cmd == "pdf" && a.size() >= 3 && !a[2].empty() && a[2][0] != '-') {
    std::vector<std::string> reste(a);
    const std::string sortie = reste[2];
    reste.erase(reste.begin() + 2);
    TArguments args;
    if (!LireArguments(reste, true, args) || args.sortie) return usage();
    return Pdf(args, sortie, err);
  }
  if (cmd == "nouvelle") return Nouvelle(a, out, err, usage);
  if (cmd == "classement") return CliClassement(a, out, err);
  if (cmd == "ages") return CliAges(a, out, err);
  if (cmd == "anniversaires") return CliAnniversaires(a, out, err);
  if (cmd == "export" || cmd == "moyennes") {
    TArguments args;
    if (!LireArguments(a, cmd == "export", args)) return usage();
    return cmd == "export" ? Export(args, out, err) : Moyennes(args, out, err);
  }
  if (cmd == "statistiques" || cmd == "evolution" || cmd == "bilan") {
    const int code = Statistiques(a, out, err);
    return code < 0 ? usage() : code;
  }
  return usage();
}

}  // namespace calevrin
