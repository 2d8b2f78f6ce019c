#include "cli/commandes.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/ages.h"
#include "cli/arguments.h"
#include "cli/classement.h"
#include "cli/classeur.h"
#include "cli/entree.h"
#include "cli/notes.h"
#include "cli/nouvelle.h"
#include "cli/statistiques.h"
#include "fichiers/ecriture.h"
#include "model/classe.h"
#include "model/cp1252.h"
#include "model/dates.h"
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

std::string Texte(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

int Info(const cli::TArguments& a, std::ostream& out, std::ostream& err) {
  const std::string& chemin = a.Fichier();
  std::uint64_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = cli::LireClasse(chemin, taille);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  if (!c) {
    err << MessageTronque(chemin, taille) << '\n';
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

int Check(const cli::TArguments& a, std::ostream& out, std::ostream&) {
  int code = 0;
  for (const std::string& chemin : a.fichiers) {
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

int Repair(const cli::TArguments& a, std::ostream& out, std::ostream& err) {
  const std::string& entree = a.fichiers[0];
  const std::string& sortie = a.fichiers[1];
  if (!cli::ClasseLibre(a, sortie, err)) return 1;
  std::uint64_t taille = 0;
  std::unique_ptr<TClasse> c;
  try {
    c = cli::LireClasse(entree, taille);
    if (!c) {
      err << MessageTronque(entree, taille) << '\n';
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

TImprimerPdf& ImprimerPdf() {
  static TImprimerPdf f;
  return f;
}

// The view asked for by --matiere and --periode.
void ChoisirVue(const cli::TArguments& a, TClasse& c) {
  if (const auto m = a.Nombre(cli::OptionMatiere.nom)) c.FixerMatiereCourante(*m);
  if (const auto p = a.Nombre(cli::OptionPeriode.nom)) c.FixerPeriodeCourante(*p);
}

int Pdf(const cli::TArguments& a, std::ostream&, std::ostream& err) {
  if (!ImprimerPdf()) {
    err << "Cette version de calevrin-cli ne sait pas écrire de PDF.\n";
    return 1;
  }
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a, entree, err)) return 1;
  ChoisirVue(a, *entree.classe);
  return ImprimerPdf()(*entree.classe, entree.options, a.fichiers[1], err);
}

TImprimerFiches& ImprimerFiches() {
  static TImprimerFiches f;
  return f;
}

int Fiches(const cli::TArguments& a, std::ostream&, std::ostream& err) {
  if (!ImprimerFiches()) {
    err << "Cette version de calevrin-cli ne sait pas écrire de PDF.\n";
    return 1;
  }
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a, entree, err)) return 1;
  const TClasse& c = *entree.classe;
  const int periode = a.Nombre(cli::OptionPeriode.nom).value_or(c.PeriodeCourante());
  if (periode != 4 && periode > c.NbPeriodes()) {
    err << "La classe n'a pas de " << Texte(NomPeriode(c.NbPeriodes())) << ' ' << periode << ".\n";
    return 2;
  }
  if (c.NbEleves() == 0) {
    err << "La classe n'a pas d'élève : aucune fiche à écrire.\n";
    return 1;
  }
  const std::vector<int> eleves = a.Nombres("--eleve");
  for (const int e : eleves)
    if (e < 1 || e > c.NbEleves()) {
      err << "La classe n'a pas d'élève " << e << " (elle en compte " << c.NbEleves() << ").\n";
      return 2;
    }
  return ImprimerFiches()(c, entree.options, periode, eleves, a.fichiers[1], err);
}

int Export(const cli::TArguments& a, std::ostream& out, std::ostream& err) {
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a, entree, err)) return 1;
  ChoisirVue(a, *entree.classe);
  const std::string texte = Utf8DepuisCp1252(TexteTableau(*entree.classe, entree.options));
  const auto sortie = a.Texte("-o");
  if (!sortie) {
    out << texte;
    return 0;
  }
  try {
    EcrireFichierAtomique(*sortie, texte);
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

int Moyennes(const cli::TArguments& a, std::ostream& out, std::ostream& err) {
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(a, entree, err)) return 1;
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

const cli::TCommande CommandeInfo{
    .nom = "info",
    .fichiers = "FICHIER",
    .executer = Info,
    .aide = "  info FICHIER            classe, année, professeur, élèves, matières et devoirs\n",
    .usageComplet = true,
};

const cli::TCommande CommandeCheck{
    .nom = "check",
    .fichiers = "FICHIER...",
    .fichiersMax = SIZE_MAX,
    .executer = Check,
    .aide = "  check FICHIER...        vérifie chaque fichier ; code 0 s'ils sont tous corrects, 1 sinon\n",
    .usageComplet = true,
};

const cli::TCommande CommandeRepair{
    .nom = "repair",
    .fichiers = "ENTREE SORTIE",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {cli::OptionForce},
    .executer = Repair,
    .aide =
        "  repair ENTREE SORTIE    écrit une copie corrigée (identique si le fichier est correct)\n"
        "      --force             même si SORTIE est ouverte dans le programme\n",
    .usageComplet = true,
};

const cli::TCommande CommandeExport{
    .nom = "export",
    .fichiers = "FICHIER",
    .options = {cli::OptionMatiere, cli::OptionPeriode, cli::OptionIni, {"-o", cli::TValeur::Texte, "SORTIE"}},
    .executer = Export,
    .aide =
        "  export FICHIER          le tableau que « Exporter le tableau » de la feuille de notes copie,\n"
        "                          en UTF-8 : champs séparés par des tabulations, lignes terminées par\n"
        "                          un retour chariot (CR), sans CR après la dernière ligne\n"
        "      --matiere S         matière 1 à 3, ou 4 pour la synthèse (par défaut celle du fichier)\n"
        "      --periode P         période 1 à 3, ou 4 pour l'année (par défaut celle du fichier)\n"
        "      --options F.ini     options lues dans ce fichier (par défaut celles d'origine)\n"
        "      -o SORTIE           écrit dans SORTIE au lieu de la sortie standard\n",
    .usageComplet = true,
};

const cli::TCommande CommandeMoyennes{
    .nom = "moyennes",
    .fichiers = "FICHIER",
    .options = {cli::OptionIni},
    .executer = Moyennes,
    .aide =
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
        "      --options F.ini     options lues dans ce fichier (table des lettres)\n",
    .usageComplet = true,
};

const cli::TCommande CommandePdf{
    .nom = "pdf",
    .fichiers = "FICHIER SORTIE.pdf",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {cli::OptionMatiere, cli::OptionPeriode, cli::OptionIni},
    .executer = Pdf,
    .aide =
        "  pdf FICHIER SORTIE      la feuille de notes imprimée sur une page A4, dans le fichier PDF\n"
        "                          SORTIE ; --matiere S, --periode P, --options F.ini comme pour export\n",
    .usageComplet = true,
};

const cli::TCommande CommandeFiches{
    .nom = "fiches",
    .fichiers = "FICHIER SORTIE.pdf",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {cli::OptionPeriode, {"--eleve", cli::TValeur::Entier, "N", true}, cli::OptionIni},
    .executer = Fiches,
    .aide =
        "  fiches FICHIER SORTIE   les fiches des élèves (notes, moyennes et rang, graphiques, cadre\n"
        "                          pour l'appréciation), une page A4 par élève, dans le fichier PDF\n"
        "                          SORTIE\n"
        "      --periode P         période 1 à 3, ou 4 pour l'année (par défaut celle du fichier)\n"
        "      --eleve N           l'élève numéro N seulement ; répétable (par défaut toute la classe)\n"
        "      --options F.ini     options lues dans ce fichier (police, noir et blanc)\n",
    .usageComplet = true,
};

// The order of the usage and of --help. A new command: its entry beside its code, and one line here.
constexpr const cli::TCommande* Commandes[] = {
    &CommandeInfo,
    &CommandeCheck,
    &CommandeRepair,
    &CommandeExport,
    &CommandeMoyennes,
    &cli::CommandeClassement,
    &cli::CommandeAges,
    &cli::CommandeAnniversaires,
    &CommandePdf,
    &CommandeFiches,
    &cli::CommandeClasseur,
    &cli::CommandeNouvelle,
    &cli::CommandeNotes,
    &cli::CommandeStatistiques,
    &cli::CommandeEvolution,
    &cli::CommandeBilan,
    &cli::CommandePage,
};

std::string AideDeLOutil() {
  std::string aide = "Outil en ligne de commande des fichiers classe (.cl3).\n\n";
  for (const cli::TCommande* c : Commandes) aide += c->aide;
  return aide +
         "  --help                  cette aide\n"
         "  --version               la version du logiciel\n\n"
         "Les noms sont mis en forme comme à l'ouverture d'une classe.\n"
         "Un argument après « -- » est un fichier, même s'il commence par un tiret.\n"
         "Codes de sortie : 0 fait, 1 fichier illisible ou impossible à écrire, 2 arguments incorrects.\n";
}

}  // namespace

void InstallerImprimerPdf(TImprimerPdf f) { ImprimerPdf() = std::move(f); }
void InstallerImprimerFiches(TImprimerFiches f) { ImprimerFiches() = std::move(f); }

int ExecuterCli(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  const std::string usage = cli::UsageComplet(Commandes);
  if (a.size() == 1 && a[0] == "--help") {
    out << usage << '\n' << AideDeLOutil();
    return 0;
  }
  if (a.size() == 1 && a[0] == "--version") {
    out << TitreVersion() << '\n';
    return 0;
  }
  const auto c = std::ranges::find_if(Commandes, [&](const cli::TCommande* c) { return !a.empty() && c->nom == a[0]; });
  if (c == std::end(Commandes)) {
    err << usage;
    return 2;
  }
  const auto arguments = cli::LireArguments(**c, a);
  if (!arguments) {
    err << ((*c)->usageComplet ? usage : "usage : calevrin-cli " + cli::Synopsis(**c) + '\n');
    return 2;
  }
  return (*c)->executer(*arguments, out, err);
}

}  // namespace calevrin
