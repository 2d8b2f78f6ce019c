#include "cli/notes.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/entree.h"
#include "fichiers/lecture.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "model/importnotes.h"
#include "model/verrou.h"

namespace calevrin::cli {

namespace {

// "12,5" or "12.5"; nullopt for anything else.
std::optional<double> Nombre(const std::string& t) {
  const std::optional<TCelluleNote> n = LireCelluleNote(t);
  if (!n || !n->Nombre) return std::nullopt;
  return std::stod(n->Texte);
}

// JJ/MM/AAAA as the new-test dialog writes a date: "lun. 7 déc.".
std::optional<std::string> DateDevoir(const std::string& t) {
  int j = 0, m = 0, a = 0;
  char fin = 0;
  if (t.size() != 10 || std::sscanf(t.c_str(), "%2d/%2d/%4d%c", &j, &m, &a, &fin) != 3 || !DateExiste(a, m, j))
    return std::nullopt;
  return DateDevoirTexte(0, TDateJour{a, m, j});
}

// The new test's date, coefficient and comment (by default the table's file name).
int LireNouveauDevoir(const TArguments& a, const TOptions& o, const std::string& tableau, TNouveauDevoir& nouveau,
                      std::ostream& err) {
  nouveau.Date = DateDevoirTexte();
  if (a.A("--date")) {
    const auto d = DateDevoir(*a.Texte("--date"));
    if (!d) {
      err << "Date incorrecte : " << *a.Texte("--date") << " (JJ/MM/AAAA attendu)\n";
      return 2;
    }
    nouveau.Date = *d;
  }
  if (a.A("--coef")) {
    const auto coef = Nombre(*a.Texte("--coef"));
    if (!coef || *coef < 0 || *coef > o.coefmax) {
      err << "Coefficient incorrect : un nombre de 0 à " << static_cast<int>(o.coefmax) << " est attendu.\n";
      return 2;
    }
    nouveau.Coef = *coef;
  }
  const std::string commentaire = a.A("--commentaire") ? *a.Texte("--commentaire") : CommentaireDepuisFichier(tableau);
  const std::optional<std::string> cp = Cp1252DepuisUtf8(commentaire);
  if (!cp) {
    err << "« " << commentaire << " » contient un caractère qu'un fichier classe ne peut pas enregistrer.\n";
    return 2;
  }
  nouveau.Commentaire = *cp;
  return 0;
}

bool LireTableau(const std::string& tableau, TSourceNotes& source, std::ostream& err) {
  std::string octets;
  try {
    octets = LireFichierTexte(tableau, TailleMaxNotes, MsgPasTableauNotes);
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return false;
  }
  try {
    source = LireSourceNotes(octets);
  } catch (const EErreurClasse& e) {
    err << tableau << " : " << e.what() << '\n';
    return false;
  }
  return true;
}

void EcrireApercu(const TClasse& c, const TSourceNotes& source, const TApercuNotes& apercu, std::ostream& out) {
  for (const TCasesApercu& x : CasesApercu(c, apercu)) {
    if (x.Ligne > 0)
      out << "ligne " << x.Ligne << " : " << (apercu.ParOrdre ? std::string("(dans l'ordre)") : x.Nom) << " ; " << x.Lu
          << " -> " << x.Eleve << " : " << x.Resultat << '\n';
    else
      out << "sans ligne : " << x.Eleve << " : " << x.Resultat << '\n';
  }
  out << ResumeApercu(source, apercu) << '\n';
}

struct TCible {
  int Matiere, Periode, Devoir;  // Devoir 0: a new test
};

int Enregistrer(const TArguments& a, TCible cible, const TApercuNotes& apercu, const TChoixNotes& choix,
                const TNouveauDevoir& nouveau, std::ostream& out, std::ostream& err) {
  const int m = cible.Matiere, p = cible.Periode, k = cible.Devoir;
  // Written over the class as stored: only the grades and the test change, not the names'
  // case nor the view saved with it.
  std::uint64_t taille = 0;
  std::unique_ptr<TClasse> brute;
  try {
    brute = LireClasse(a.Fichier(), taille);
    if (!brute) throw EErreurClasse(MessageTronque(a.Fichier(), taille));
    const int vm = brute->MatiereCourante(), vp = brute->PeriodeCourante();
    brute->FixerMatiereCourante(m);
    brute->FixerPeriodeCourante(p);
    const bool fait = AppliquerNotes(*brute, apercu, choix, nouveau);
    brute->FixerMatiereCourante(vm);
    brute->FixerPeriodeCourante(vp);
    if (!fait) throw EErreurClasse(std::string(MsgPlusDeDevoir));
    brute->Enregistrer();
  } catch (const EErreurClasse& e) {
    err << e.what() << '\n';
    return 1;
  }
  const int devoir = k > 0 ? k : brute->NbDevoirs(m, p);
  out << a.Fichier() << " : " << apercu.NbPrises << (apercu.NbPrises > 1 ? " notes enregistrées" : " note enregistrée")
      << " dans le devoir " << devoir << '\n';
  return 0;
}

int Notes(const TArguments& a, std::ostream& out, std::ostream& err) {
  const std::string& tableau = a.fichiers[1];
  if (!a.A("--matiere") || !a.A("--periode") || (a.A("--devoir") && a.A("--nouveau"))) {
    err << "usage : calevrin-cli " << Synopsis(CommandeNotes) << '\n';
    return 2;
  }

  std::string detenteur;
  if (VerrouDetenu(a.Fichier(), detenteur)) {
    err << "La classe " << a.Fichier() << " est ouverte dans le programme (" << detenteur
        << ") : la fermer avant d'y importer des notes.\n";
    return 1;
  }
  TClasseOuverte entree;
  if (!OuvrirClasse(a, entree, err)) return 1;
  TClasse& c = *entree.classe;
  const TOptions& o = entree.options;

  const auto indice = [&](const char* nom, int max, int& v) {
    v = a.Nombre(nom).value_or(0);
    if (v >= 1 && v <= max) return true;
    err << nom << " " << *a.Texte(nom) << " : de 1 à " << max << " pour cette classe\n";
    return false;
  };
  int m = 0, p = 0, k = 0;
  if (!indice("--matiere", c.NbMatieres(), m) || !indice("--periode", c.NbPeriodes(), p)) return 2;
  c.FixerMatiereCourante(m);
  c.FixerPeriodeCourante(p);
  if (a.A("--devoir") && !indice("--devoir", c.NbDevoirs(m, p), k)) return 2;

  TNouveauDevoir nouveau;
  if (const int code = LireNouveauDevoir(a, o, tableau, nouveau, err); code != 0) return code;

  TSourceNotes source;
  if (!LireTableau(tableau, source, err)) return 1;
  TChoixNotes choix = ChoixParDefaut(source, o);
  choix.Devoir = k;
  choix.Remplacer = a.A("--remplacer");
  if (a.A("--sur")) {
    const auto sur = Nombre(*a.Texte("--sur"));
    if (!sur || *sur <= 0) {
      err << "--sur " << *a.Texte("--sur") << " : un nombre positif est attendu\n";
      return 2;
    }
    choix.Sur = *sur;
  }
  if (k == 0 && c.NbDevoirs(m, p) >= MaxDevoirs) {
    err << MsgPlusDeDevoir << '\n';
    return 1;
  }

  const TApercuNotes apercu = ApercuNotes(c, source, choix, o);
  EcrireApercu(c, source, apercu, out);
  if (!apercu.Complet && !a.A("--partiel")) {
    err << "Rien n'est écrit : des lignes n'ont pas trouvé un seul élève ou portent une note refusée "
           "(--partiel enregistre les autres).\n";
    return 1;
  }
  if (apercu.NbPrises == 0) {
    err << "Rien n'est écrit : aucune note à enregistrer.\n";
    return 1;
  }

  return Enregistrer(a, {m, p, k}, apercu, choix, nouveau, out, err);
}

}  // namespace

const TCommande CommandeNotes{
    .nom = "notes",
    .fichiers = "CLASSE.cl3 NOTES.csv",
    .fichiersMin = 2,
    .fichiersMax = 2,
    .options = {OptionMatiere,
                OptionPeriode,
                {"--devoir", TValeur::Entier, "K"},
                {"--nouveau", TValeur::Aucune, ""},
                {"--sur", TValeur::Texte, "N"},
                {"--coef", TValeur::Texte, "C"},
                {"--date", TValeur::Texte, "JJ/MM/AAAA"},
                {"--commentaire", TValeur::Texte, "TEXTE"},
                {"--remplacer", TValeur::Aucune, ""},
                {"--partiel", TValeur::Aucune, ""},
                OptionIni},
    .executer = Notes,
    .aide =
        "  notes CLASSE NOTES      importe les notes d'un devoir depuis NOTES (CSV, TSV ou texte : export\n"
        "                          d'un questionnaire, d'un tableur), rapprochées des élèves par leur nom,\n"
        "                          ou dans l'ordre de la liste sans colonne de noms ; écrit l'aperçu, une\n"
        "                          ligne par ligne lue, et n'enregistre la classe que si chaque ligne a\n"
        "                          trouvé un seul élève ; une classe ouverte dans le programme est refusée\n"
        "      --matiere S, --periode P   la matière et la période du devoir (obligatoires)\n"
        "      --devoir K          dans le devoir K existant ; --nouveau (par défaut) : un nouveau devoir\n"
        "      --remplacer         remplace les notes déjà saisies dans le devoir K (gardées sinon)\n"
        "      --sur N             le maximum des notes lues (par défaut celui de l'en-tête « Note/N »,\n"
        "                          sinon la note maximale des options)\n"
        "      --coef C, --date JJ/MM/AAAA, --commentaire TEXTE   le nouveau devoir (coefficient 1,\n"
        "                          aujourd'hui, commentaire tiré du nom du fichier par défaut)\n"
        "      --partiel           enregistre les notes trouvées même si des lignes sont refusées\n",
    .usageComplet = true,
};

}  // namespace calevrin::cli
