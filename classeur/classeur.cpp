#include "classeur/classeur.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <vector>

#include "fichiers/ecriture.h"
#include "fichiers/lecture.h"
#include "model/cp1252.h"
#include "model/erreurs.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "model/version.h"

namespace calevrin {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t LongueurMaxNomFeuille = 31;
// A workbook of a full class is well under a megabyte; anything past this is not ours.
constexpr std::uint64_t TailleMaxClasseur = 64u << 20;

constexpr lxw_col_t ColNumero = 0;
constexpr lxw_col_t ColNom = 1;
constexpr lxw_col_t ColPrenom = 2;
constexpr lxw_col_t PremiereColonne = 3;
// Comments stay readable in a column of a grade's width: they wrap past this many characters.
constexpr double LargeurMaxCommentaire = 9;

bool Controle(char32_t u) { return u < 0x20 || (u >= 0x7F && u <= 0x9F); }

// The workbook's XML may not hold control characters: they are dropped.
std::string Utf8(std::string_view cp1252) {
  std::string r;
  r.reserve(cp1252.size() + 8);
  for (const char ch : cp1252) {
    const char32_t u = Cp1252VersUnicode(static_cast<unsigned char>(ch));
    if (!Controle(u)) AjouterUtf8(r, u);
  }
  return r;
}

std::size_t NbCaracteres(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

lxw_color_t CouleurLxw(TCouleur c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }

// Office compares sheet names without regard to case.
std::string Replie(std::string_view cp1252) {
  std::string r(cp1252);
  for (char& ch : r) {
    const auto b = static_cast<unsigned char>(ch);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) ch = static_cast<char>(b + 0x20);
  }
  return r;
}

// Sheet names, Windows-1252 while they are built: at most 31 characters, none of those a
// workbook forbids, all different.
class TNomsFeuilles {
 public:
  std::string Nom(std::string_view base, std::string_view suffixe) {
    std::string propre;
    for (const char ch : base) {
      if (Controle(Cp1252VersUnicode(static_cast<unsigned char>(ch)))) continue;
      propre += std::string_view("[]:*?/\\").find(ch) == std::string_view::npos ? ch : '-';
    }
    while (!propre.empty() && (propre.front() == ' ' || propre.front() == '\'')) propre.erase(0, 1);
    for (int n = 1;; ++n) {
      const std::string marque = n == 1 ? "" : " (" + std::to_string(n) + ")";
      std::string nom = propre.substr(0, LongueurMaxNomFeuille - suffixe.size() - marque.size());
      while (!nom.empty() && (nom.back() == ' ' || nom.back() == '\'')) nom.pop_back();
      nom += marque;
      nom += suffixe;
      if (std::find(pris_.begin(), pris_.end(), Replie(nom)) == pris_.end()) {
        pris_.push_back(Replie(nom));
        return Utf8(nom);
      }
    }
  }

 private:
  std::vector<std::string> pris_;
};

// One worksheet, with the width each column needs for what was written in it.
class TFeuille {
 public:
  explicit TFeuille(lxw_worksheet* f) : f_(f) {}

  void Texte(lxw_row_t l, lxw_col_t col, std::string_view cp1252, lxw_format* format = nullptr,
             double largeurMax = 1e9) {
    const std::string t = Utf8(cp1252);
    if (t.empty()) return;
    worksheet_write_string(f_, l, col, t.c_str(), format);
    Largeur(col, std::min(largeurMax, static_cast<double>(NbCaracteres(t))));
  }
  void Nombre(lxw_row_t l, lxw_col_t col, double v, lxw_format* format = nullptr) {
    worksheet_write_number(f_, l, col, v, format);
    Largeur(col, static_cast<double>(FormaterNombre(v).size()));
  }
  // The average as the sheet rounds and writes it; nothing for no average.
  void Moyenne(lxw_row_t l, lxw_col_t col, double v, int arrondi) {
    if (v == PasDeMoyenne) return;
    const std::string t = FormaterMoyenne(arrondi, v);
    double arrondie = v;
    std::from_chars(t.data(), t.data() + t.size(), arrondie);
    worksheet_write_number(f_, l, col, arrondie, nullptr);
    Largeur(col, static_cast<double>(t.size()));
  }
  void Date(lxw_row_t l, lxw_col_t col, const TDateHeure& d, lxw_format* format, double largeur) {
    lxw_datetime dt{d.Date.Annee, d.Date.Mois, d.Date.Jour, d.Heure, d.Minute, 0};
    worksheet_write_datetime(f_, l, col, &dt, format);
    Largeur(col, largeur);
  }
  void Largeur(lxw_col_t col, double caracteres) {
    if (largeurs_.size() <= col) largeurs_.resize(col + 1u, 0);
    largeurs_[col] = std::max(largeurs_[col], caracteres);
  }
  // Fitted to the widest text, with a little room for the margins of a cell.
  void AjusterColonnes() {
    for (std::size_t col = 0; col < largeurs_.size(); ++col)
      worksheet_set_column(f_, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col),
                           std::max(4.0, largeurs_[col] * 1.1 + 2), nullptr);
  }
  // The names and the header rows stay in view and are printed on every page.
  void MiseEnPage(lxw_row_t entetes, bool figerNoms) {
    if (entetes > 0) worksheet_freeze_panes(f_, entetes, figerNoms ? PremiereColonne : 0);
    worksheet_set_landscape(f_);
    worksheet_set_paper(f_, 9);  // A4
    worksheet_fit_to_pages(f_, 1, 0);
    if (entetes > 0) worksheet_repeat_rows(f_, 0, entetes - 1);
    worksheet_set_header(f_, "&C&A");
  }
  // Shown in the sheet's red below the pass mark, however the cell is later changed.
  void RougeSous(lxw_row_t l1, lxw_col_t c1, lxw_row_t l2, lxw_col_t c2, double seuil, lxw_format* rouge) {
    if (l2 < l1 || c2 < c1) return;
    lxw_conditional_format cf{};
    cf.type = LXW_CONDITIONAL_TYPE_CELL;
    cf.criteria = LXW_CONDITIONAL_CRITERIA_LESS_THAN;
    cf.value = seuil;
    cf.format = rouge;
    worksheet_conditional_format_range(f_, l1, c1, l2, c2, &cf);
  }

  lxw_worksheet* Ws() const { return f_; }

 private:
  lxw_worksheet* f_;
  std::vector<double> largeurs_;
};

class TClasseur {
 public:
  TClasseur(const TClasse& c, const TOptions& o, const TDateHeure& le, lxw_workbook* wb)
      : c_(c), o_(o), le_(le), wb_(wb) {
    gras_ = workbook_add_format(wb_);
    format_set_bold(gras_);
    date_ = workbook_add_format(wb_);
    format_set_num_format(date_, "dd/mm/yyyy");
    format_set_align(date_, LXW_ALIGN_LEFT);
    dateHeure_ = workbook_add_format(wb_);
    format_set_num_format(dateHeure_, "dd/mm/yyyy hh:mm");
    format_set_align(dateHeure_, LXW_ALIGN_LEFT);
    commentaire_ = workbook_add_format(wb_);
    format_set_text_wrap(commentaire_);
    format_set_align(commentaire_, LXW_ALIGN_VERTICAL_TOP);
    format_set_italic(commentaire_);
    rougeNote_ = workbook_add_format(wb_);
    format_set_font_color(rougeNote_, CouleurLxw(o_.couleur[7]));
    rougeMoyenne_ = workbook_add_format(wb_);
    format_set_font_color(rougeMoyenne_, CouleurLxw(o_.couleur[9]));
    CalculerMoyennes(c_, c_.Joker(), moyennes_, o_);
  }

  void Ecrire() {
    Proprietes();
    Classe();
    for (int m = 1; m <= c_.NbMatieres(); ++m) {
      for (int p = 1; p <= c_.NbPeriodes(); ++p) VueDevoirs(m, p);
      Annee(m);
    }
    for (int p = 1; p <= c_.NbPeriodes(); ++p) Synthese(p);
    Synthese(4);
  }

 private:
  TFeuille Nouvelle(std::string_view base, std::string_view suffixe) {
    const std::string nom = noms_.Nom(base, suffixe);
    lxw_worksheet* f = workbook_add_worksheet(wb_, nom.c_str());
    if (!f) throw EErreurClasse("Impossible de créer la feuille " + nom);
    return TFeuille(f);
  }
  std::string NomMatiere(int m) const {
    const std::string nom = c_.Matiere(m).Nom.Texte();
    return nom.find_first_not_of(' ') == std::string::npos ? "Mati\xE8re " + std::to_string(m) : nom;
  }
  std::string SuffixePeriode(int p) const {
    return p == 4 ? " Ann\xE9"
                    "e"
                  : " " + std::string(LettrePeriode(c_.NbPeriodes())) + std::to_string(p);
  }
  double Seuil() const { return o_.notemoy; }

  void Proprietes() {
    titre_ = Utf8(c_.Abreviation.Texte() + " " + c_.AnneeScolaire.Texte());
    auteur_ = Utf8(c_.Professeur.Vue());
    sujet_ = "Carnet de notes";
    commentaires_ = TitreVersion();
    lxw_doc_properties p{};
    p.title = titre_.data();
    p.author = auteur_.data();
    p.subject = sujet_.data();
    p.comments = commentaires_.data();
    std::tm tm{};
    tm.tm_year = le_.Date.Annee - 1900;
    tm.tm_mon = le_.Date.Mois - 1;
    tm.tm_mday = le_.Date.Jour;
    tm.tm_hour = le_.Heure;
    tm.tm_min = le_.Minute;
    tm.tm_isdst = -1;
    p.created = std::mktime(&tm);
    workbook_set_properties(wb_, &p);
  }

  void Classe() {
    TFeuille f = Nouvelle("Classe", "");
    const std::pair<std::string_view, std::string> lignes[] = {
        {"Classe", c_.Abreviation.Texte()},
        {"Ann\xE9"
         "e scolaire",
         c_.AnneeScolaire.Texte()},
        {"Professeur", c_.Professeur.Texte()},
        {"Division de l'ann\xE9"
         "e",
         c_.NbPeriodes() == 2 ? "Semestres" : "Trimestres"},
        {"Arrondi des moyennes", NomArrondi(c_.Arrondi())},
        {"Joker", c_.Joker() ? "Oui" : "Non"},
    };
    lxw_row_t l = 0;
    for (const auto& [etiquette, valeur] : lignes) {
      f.Texte(l, 0, etiquette, gras_);
      f.Texte(l++, 1, valeur);
    }
    f.Texte(l, 0, "Export\xE9 le", gras_);
    f.Date(l++, 1, le_, dateHeure_, 16);
    f.Texte(l, 0, "Programme", gras_);
    f.Texte(l, 1, TitreVersion());
    f.AjusterColonnes();
    f.MiseEnPage(0, false);
  }

  // Number, name and first name of every student, from row `debut`.
  void Eleves(TFeuille& f, lxw_row_t debut) {
    f.Texte(0, ColNumero, "N\xB0", gras_);
    f.Texte(0, ColNom, "Nom", gras_);
    f.Texte(0, ColPrenom, "Pr\xE9nom", gras_);
    for (int e = 1; e <= c_.NbEleves(); ++e) {
      const lxw_row_t l = debut + static_cast<lxw_row_t>(e - 1);
      f.Nombre(l, ColNumero, e);
      f.Texte(l, ColNom, c_.Eleve(e).Nom.Vue());
      f.Texte(l, ColPrenom, c_.Eleve(e).Prenom.Vue());
    }
  }

  void VueDevoirs(int m, int p) {
    TFeuille f = Nouvelle(NomMatiere(m), SuffixePeriode(p));
    constexpr lxw_row_t Entetes = 4;
    const int n = c_.NbEleves();
    const int nd = c_.NbDevoirs(m, p);
    const int arrondi = c_.Arrondi();
    TMoyennesVue moy;
    CalculerMoyennesVue(c_, m, p, moy, o_);
    Eleves(f, Entetes);
    f.Texte(1, ColNom, "Date", gras_);
    f.Texte(2, ColNom, "Coefficient", gras_);
    f.Texte(3, ColNom, "Commentaire", gras_);
    const lxw_row_t bas = Entetes + static_cast<lxw_row_t>(n);
    for (int k = 1; k <= nd; ++k) {
      const lxw_col_t col = PremiereColonne + static_cast<lxw_col_t>(k - 1);
      const TDevoir& d = c_.Devoir(m, p, k);
      f.Nombre(0, col, k, gras_);
      const TDateDevoir date = LireDateDevoir(d.Date.Vue(), c_.AnneeScolaire.Vue());
      if (date.Valide)
        f.Date(1, col, {date.Date, 0, 0}, date_, 10);
      else
        f.Texte(1, col, d.Date.Vue());
      f.Nombre(2, col, d.Coef);
      f.Texte(3, col, d.Commentaire.Vue(), commentaire_, LargeurMaxCommentaire);
      for (int e = 1; e <= n; ++e) {
        const lxw_row_t l = Entetes + static_cast<lxw_row_t>(e - 1);
        const std::string_view texte = c_.Eleve(e).Note(m, p, k).Vue();
        const TNote note = LireNote(texte, o_);
        if (note.Genre == NoteNombre)
          f.Nombre(l, col, note.Valeur);
        else
          f.Texte(l, col, texte);
      }
      f.Moyenne(bas, col, moy.Devoirs[static_cast<std::size_t>(k - 1)], arrondi);
    }
    const lxw_col_t colMoy = PremiereColonne + static_cast<lxw_col_t>(nd);
    f.Texte(0, colMoy, "Moyenne", gras_);
    f.Texte(bas, ColNom, "Moyenne du devoir", gras_);
    for (int e = 1; e <= n; ++e)
      f.Moyenne(Entetes + static_cast<lxw_row_t>(e - 1), colMoy, moy.Eleves[static_cast<std::size_t>(e - 1)], arrondi);
    f.Moyenne(bas, colMoy, moy.Classe, arrondi);
    lxw_col_t derniere = colMoy;
    if (c_.Joker()) {
      derniere = colMoy + 1;
      f.Texte(0, derniere, "Moy. Joker", gras_);
      for (int e = 1; e <= n; ++e)
        f.Moyenne(Entetes + static_cast<lxw_row_t>(e - 1), derniere, moy.ElevesJoker[static_cast<std::size_t>(e - 1)],
                  arrondi);
      f.Moyenne(bas, derniere, moy.ClasseJoker, arrondi);
    }
    if (n > 0 && nd > 0) f.RougeSous(Entetes, PremiereColonne, bas - 1, colMoy - 1, Seuil(), rougeNote_);
    f.RougeSous(Entetes, colMoy, bas, derniere, Seuil(), rougeMoyenne_);
    if (nd > 0) f.RougeSous(bas, PremiereColonne, bas, colMoy - 1, Seuil(), rougeMoyenne_);
    f.AjusterColonnes();
    f.MiseEnPage(Entetes, true);
  }

  // The year of one subject (m 1..3) or the synthesis (m = 4) of a period: one column per
  // period or subject, then the average over them, with the class's Joker as the views.
  void Vue(TFeuille& f, int colonnes, int m, int p) {
    constexpr lxw_row_t Entetes = 2;
    const int n = c_.NbEleves();
    const int arrondi = c_.Arrondi();
    Eleves(f, Entetes);
    f.Texte(1, ColNom, "Coefficient", gras_);
    const lxw_row_t bas = Entetes + static_cast<lxw_row_t>(n);
    f.Texte(bas, ColNom, "Moyenne de la classe", gras_);
    for (int i = 1; i <= colonnes + 1; ++i) {
      const lxw_col_t col = PremiereColonne + static_cast<lxw_col_t>(i - 1);
      const bool total = i > colonnes;
      const int mm = m == 4 && !total ? i : m;
      const int pp = m != 4 && !total ? i : p;
      for (int e = 1; e <= n; ++e)
        f.Moyenne(Entetes + static_cast<lxw_row_t>(e - 1), col, moyennes_.Eleve(e, mm, pp), arrondi);
      f.Moyenne(bas, col, moyennes_.Classe(mm, pp), arrondi);
    }
    const lxw_col_t derniere = PremiereColonne + static_cast<lxw_col_t>(colonnes);
    f.RougeSous(Entetes, PremiereColonne, bas, derniere, Seuil(), rougeMoyenne_);
    f.AjusterColonnes();
    f.MiseEnPage(Entetes, true);
  }

  void Annee(int m) {
    TFeuille f = Nouvelle(NomMatiere(m), SuffixePeriode(4));
    const int nbPeriodes = c_.NbPeriodes();
    for (int q = 1; q <= nbPeriodes; ++q) {
      const lxw_col_t col = PremiereColonne + static_cast<lxw_col_t>(q - 1);
      f.Texte(0, col, std::string(NomCourtPeriode(nbPeriodes)) + " " + std::to_string(q), gras_);
      f.Nombre(1, col, c_.Matiere(m).Coef[static_cast<std::size_t>(q)]);
    }
    f.Texte(0, PremiereColonne + static_cast<lxw_col_t>(nbPeriodes),
            "Ann\xE9"
            "e",
            gras_);
    Vue(f, nbPeriodes, m, 4);
  }

  void Synthese(int p) {
    TFeuille f = Nouvelle("Synth\xE8se", SuffixePeriode(p));
    const int nbMatieres = c_.NbMatieres();
    for (int t = 1; t <= nbMatieres; ++t) {
      const lxw_col_t col = PremiereColonne + static_cast<lxw_col_t>(t - 1);
      const auto& coef = c_.Matiere(t).Coef;
      f.Texte(0, col, NomMatiere(t), gras_);
      if (p != 4) {
        f.Nombre(1, col, coef[static_cast<std::size_t>(p)]);
      } else {
        // The year weighs each subject by the sum of its periods' coefficients; shown as the view shows it.
        std::string somme = FormaterNombre(coef[1]) + "+" + FormaterNombre(coef[2]);
        if (c_.NbPeriodes() == 3) somme += "+" + FormaterNombre(coef[3]);
        f.Texte(1, col, somme);
      }
    }
    f.Texte(0, PremiereColonne + static_cast<lxw_col_t>(nbMatieres), "Moyenne g\xE9n\xE9rale", gras_);
    Vue(f, nbMatieres, 4, p);
  }

  const TClasse& c_;
  const TOptions& o_;
  const TDateHeure le_;
  lxw_workbook* wb_;
  TMoyennes moyennes_;
  TNomsFeuilles noms_;
  lxw_format* gras_ = nullptr;
  lxw_format* date_ = nullptr;
  lxw_format* dateHeure_ = nullptr;
  lxw_format* commentaire_ = nullptr;
  lxw_format* rougeNote_ = nullptr;
  lxw_format* rougeMoyenne_ = nullptr;
  std::string titre_, auteur_, sujet_, commentaires_;  // alive until the workbook is closed
};

// The library reports its failures on the standard error in English; the caller gives the
// user the French message instead.
class TSansErreurStandard {
 public:
  TSansErreurStandard() {
    std::fflush(stderr);
    sauve_ = ::dup(STDERR_FILENO);
    const int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nul >= 0) {
      ::dup2(nul, STDERR_FILENO);
      ::close(nul);
    }
  }
  ~TSansErreurStandard() {
    std::fflush(stderr);
    if (sauve_ >= 0) {
      ::dup2(sauve_, STDERR_FILENO);
      ::close(sauve_);
    }
  }
  TSansErreurStandard(const TSansErreurStandard&) = delete;
  TSansErreurStandard& operator=(const TSansErreurStandard&) = delete;

 private:
  int sauve_ = -1;
};

// A private directory (0700) for the library's own file and scratch files, removed whatever
// happens: the library writes to a name, never to the target itself.
class TRepertoirePrive {
 public:
  explicit TRepertoirePrive(const std::string& cible) {
    std::error_code ec;
    std::string modele = (fs::temp_directory_path(ec) / "calevrin-classeur-XXXXXX").string();
    if (ec || !::mkdtemp(modele.data())) throw EErreurClasse(Formater(MsgCreation, cible));
    chemin_ = modele;
  }
  ~TRepertoirePrive() {
    std::error_code ec;
    fs::remove_all(chemin_, ec);
  }
  TRepertoirePrive(const TRepertoirePrive&) = delete;
  TRepertoirePrive& operator=(const TRepertoirePrive&) = delete;
  const std::string& Chemin() const { return chemin_; }

 private:
  std::string chemin_;
};

}  // namespace

void EcrireClasseur(const TClasse& c, const std::string& chemin, const TOptions& o, const TDateHeure& le) {
  CibleEcriture(chemin);  // refuses a directory or a FIFO before any work
  const TRepertoirePrive prive(chemin);
  const std::string temporaire = prive.Chemin() + "/classeur.xlsx";
  // Created 0600 here, so that the library's fopen keeps those permissions.
  const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) throw EErreurClasse(Formater(MsgCreation, chemin));
  ::close(fd);

  lxw_workbook_options options{};
  std::string scratch = prive.Chemin();
  options.tmpdir = scratch.data();
  lxw_workbook* wb = workbook_new_opt(temporaire.c_str(), &options);
  if (!wb) throw EErreurClasse(Formater(MsgCreation, chemin));
  try {
    TClasseur(c, o, le, wb).Ecrire();
  } catch (...) {
    lxw_workbook_free(wb);
    throw;
  }
  lxw_error fermeture = LXW_NO_ERROR;
  {
    const TSansErreurStandard silence;
    fermeture = workbook_close(wb);
  }
  if (fermeture != LXW_NO_ERROR) throw EErreurClasse(Formater(MsgCreation, chemin));
  std::string octets;
  try {
    octets = LireFichierTexte(temporaire, TailleMaxClasseur, MsgCreation);
  } catch (const EErreurClasse&) {
    throw EErreurClasse(Formater(MsgCreation, chemin));
  }
  EcrireFichierAtomique(chemin, octets);
}

std::string CheminClasseur(const std::string& fichierClasse) {
  return fs::path(fichierClasse).replace_extension(".xlsx").string();
}

}  // namespace calevrin
