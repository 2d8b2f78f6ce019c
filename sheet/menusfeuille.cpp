// The sheet's menus, merged into the main window's bar while the sheet is active, and its
// pop-up menu; which commands the class allows now.
#include <QActionGroup>
#include <QMenu>
#include <QUndoStack>

#include "model/edition.h"
#include "model/moyennes.h"
#include "platform/messages.h"
#include "platform/texte.h"
#include "sheet/dialoguesfeuille.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;
using A = pf::TAction;

namespace {

constexpr A Periodes[] = {A::Periode1, A::Periode2, A::Periode3, A::Annee};
constexpr A Matieres[] = {A::Matiere1, A::Matiere2, A::Matiere3, A::Synthese};
constexpr A PeriodesContexte[] = {A::ContextePeriode1, A::ContextePeriode2, A::ContextePeriode3, A::ContexteAnnee};
constexpr A MatieresContexte[] = {A::ContexteMatiere1, A::ContexteMatiere2, A::ContexteMatiere3, A::ContexteSynthese};

}  // namespace

int TFenetreFeuille::ChoisirDevoir(TModeChoixDevoir mode) {
  const int k = dialogues_.ChoisirDevoir(this, Classe(), mode);
  return k == ChoixAnnule ? 0 : k;
}

void TFenetreFeuille::CreerMenus() {
  menus_ = {CreerMenuEdition(), CreerMenuClasse(),    CreerMenuNote(),
            CreerMenuMatiere(), CreerMenuAffichage(), CreerMenuStatistique()};
  contextuel_ = new QMenu(this);
  for (int p = 1; p <= 4; ++p)
    actions_.Ajouter(contextuel_, PeriodesContexte[p - 1], this, [this, p] { ChangerPeriode(p); });
  contextuel_->addSeparator();
  for (int m = 1; m <= 4; ++m)
    actions_.Ajouter(contextuel_, MatieresContexte[m - 1], this, [this, m] { ChangerMatiere(m); });
  contextuel_->addSeparator();
  actions_.Ajouter(contextuel_, A::ContexteFiches, this, [this] { FichesEleves(); });
}

QMenu* TFenetreFeuille::CreerMenuEdition() {
  auto* edition = new QMenu(QStringLiteral("&Edition"), this);
  QUndoStack& pile = document_->Pile();
  QAction* annuler = actions_.Ajouter(edition, A::Annuler, this, [this, &pile] {
    if (!RefuserPendantSaisie()) pile.undo();
  });
  QAction* retablir = actions_.Ajouter(edition, A::Retablir, this, [this, &pile] {
    if (!RefuserPendantSaisie()) pile.redo();
  });
  const auto nommer = [annuler, retablir, &pile] {
    annuler->setEnabled(pile.canUndo());
    annuler->setText(QStringLiteral("&Annuler ") + pile.undoText());
    retablir->setEnabled(pile.canRedo());
    retablir->setText(QStringLiteral("&Rétablir ") + pile.redoText());
  };
  connect(&pile, &QUndoStack::indexChanged, this, nommer);
  nommer();
  edition->addSeparator();
  actions_.Ajouter(edition, A::CouperDevoir, this, [this] {
    if (RefuserPendantSaisie()) return;
    if (const int k = ChoisirDevoir(TModeChoixDevoir::Couper); k > 0)
      Changer(QStringLiteral("la coupure du devoir"), Ici(TCodeChangement::Devoirs),
              [k](TClasse& c) { return CouperDevoir(c, k); });
  });
  actions_.Ajouter(edition, A::CopierDevoir, this, [this] {
    if (const int k = ChoisirDevoir(TModeChoixDevoir::Copier); k > 0) CopierDevoir(Classe(), k);
    MajMenus();
  });
  actions_.Ajouter(edition, A::AjouterDevoirCopie, this, [this] {
    if (PressePapInterne.Plein)
      Changer(QStringLiteral("l'ajout du devoir copié"), Ici(TCodeChangement::Devoirs),
              [](TClasse& c) { return AjouterDevoirCopie(c); });
  });
  actions_.Ajouter(edition, A::InsererDevoirCopie, this, [this] {
    if (RefuserPendantSaisie()) return;
    const int k = ChoisirDevoir(TModeChoixDevoir::CollerAvant);
    if (k > 0 && PressePapInterne.Plein)
      Changer(QStringLiteral("l'insertion du devoir copié"), Ici(TCodeChangement::Devoirs),
              [k](TClasse& c) { return InsererDevoirCopie(c, k); });
  });
  edition->addSeparator();
  actions_.Ajouter(edition, A::ExporterTableau, this, [this] { ExporterTableau(); });
  return edition;
}

QMenu* TFenetreFeuille::CreerMenuClasse() {
  auto* classe = new QMenu(QStringLiteral("&Classe"), this);
  classe->menuAction()->setStatusTip(QStringLiteral("Gérer les élèves"));
  const auto eleves = [this](bool (TDialoguesFeuille::*dialogue)(QWidget*, TClasse&), const QString& etape) {
    return [this, dialogue, etape] {
      if (RefuserPendantSaisie()) return;
      Changer(etape, {TCodeChangement::Eleves, 0, 0, 0},
              [this, dialogue](TClasse& c) { return (dialogues_.*dialogue)(this, c); });
    };
  };
  using D = TDialoguesFeuille;
  actions_.Ajouter(classe, A::AjouterEleve, this, eleves(&D::AjouterEleve, QStringLiteral("l'ajout d'un élève")));
  actions_.Ajouter(classe, A::InsererEleve, this, eleves(&D::InsererEleve, QStringLiteral("l'insertion d'un élève")));
  actions_.Ajouter(classe, A::SupprimerEleve, this,
                   eleves(&D::SupprimerEleve, QStringLiteral("la suppression d'un élève")));
  actions_.Ajouter(classe, A::ModifierEleves, this,
                   eleves(&D::ModifierEleves, QStringLiteral("la modification des élèves")));
  classe->addSeparator();
  actions_.Ajouter(classe, A::ParametresClasse, this, [this] {
    if (RefuserPendantSaisie()) return;
    // Periode 0: the parameters, not a period shown.
    Changer(QStringLiteral("les paramètres de la classe"), {TCodeChangement::Periode, 0, 0, 0}, [this](TClasse& c) {
      const int avant = c.NbPeriodes();
      if (!dialogues_.ModifierParametres(this, c)) return false;
      // Another division of the year: its first period, whatever the number shown was.
      if (c.NbPeriodes() != avant) c.FixerPeriodeCourante(1);
      return true;
    });
  });
  classe->addSeparator();
  actions_.Ajouter(classe, A::TrierEleves, this, [this] {
    if (RefuserPendantSaisie()) return;
    Changer(QStringLiteral("le tri des élèves"), {TCodeChangement::Eleves, 0, 0, 0}, [](TClasse& c) {
      TrierEleves(c);
      return true;
    });
  });
  return classe;
}

QMenu* TFenetreFeuille::CreerMenuNote() {
  auto* note = new QMenu(QStringLiteral("&Note"), this);
  note->menuAction()->setStatusTip(QStringLiteral("Gérer les notes"));
  actions_.Ajouter(note, A::AjouterDevoir, this, [this] {
    if (Changer(QStringLiteral("l'ajout du devoir"), Ici(TCodeChangement::Devoirs),
                [this](TClasse& c) { return dialogues_.AjouterDevoir(this, c); }))
      MontrerDevoir(NbDevoirsVue());
  });
  actions_.Ajouter(note, A::InsererDevoir, this, [this] {
    if (RefuserPendantSaisie()) return;
    if (const int k = ChoisirDevoir(TModeChoixDevoir::InsererAvant); k > 0)
      Changer(QStringLiteral("l'insertion du devoir"), Ici(TCodeChangement::Devoirs),
              [this, k](TClasse& c) { return dialogues_.InsererDevoir(this, c, k); });
  });
  actions_.Ajouter(note, A::ModifierDevoirs, this, [this] {
    Changer(QStringLiteral("la modification des devoirs"), Ici(TCodeChangement::Devoirs),
            [this](TClasse& c) { return dialogues_.ModifierDevoirs(this, c); });
  });
  actions_.Ajouter(note, A::SupprimerDevoir, this, [this] {
    if (RefuserPendantSaisie()) return;
    const int k = ChoisirDevoir(TModeChoixDevoir::Supprimer);
    if (k > 0 && Confirmer(pf::DepuisCp1252(QuestionSupprimerDevoir(Classe(), k))))
      Changer(QStringLiteral("la suppression du devoir"), Ici(TCodeChangement::Devoirs),
              [k](TClasse& c) { return SupprimerDevoir(c, k); });
  });
  note->addSeparator();
  actions_.Ajouter(note, A::ImporterNotes, this, [this] {
    if (RefuserPendantSaisie()) return;
    const int avant = NbDevoirsVue();
    if (Changer(QStringLiteral("l'importation des notes"), Ici(TCodeChangement::Devoirs),
                [this](TClasse& c) { return dialogues_.ImporterNotes(this, c); }) &&
        NbDevoirsVue() > avant)
      MontrerDevoir(NbDevoirsVue());
  });
  note->addSeparator();
  // Emptying a period or the year: asked first.
  const auto vider = [this](std::string (*question)(const TClasse&), bool (*operation)(TClasse&),
                            const QString& etape) {
    return [this, question, operation, etape] {
      if (RefuserPendantSaisie() || !Confirmer(pf::DepuisCp1252(question(Classe())))) return;
      Changer(etape, Ici(TCodeChangement::Devoirs), operation);
    };
  };
  actions_.Ajouter(note, A::ViderPeriode, this,
                   vider(QuestionViderPeriode, ViderPeriode, QStringLiteral("la suppression des notes de la période")));
  actions_.Ajouter(note, A::ViderAnnee, this,
                   vider(QuestionViderAnnee, ViderAnnee, QStringLiteral("la suppression des notes de l'année")));
  return note;
}

QMenu* TFenetreFeuille::CreerMenuMatiere() {
  auto* matiere = new QMenu(QStringLiteral("&Matière"), this);
  const auto matieres = [this] {
    return TChangement{TCodeChangement::Matiere, Classe().PeriodeCourante(), Classe().MatiereCourante(), 0};
  };
  actions_.Ajouter(matiere, A::CoefficientsMatieres, this, [this, matieres] {
    Changer(QStringLiteral("les coefficients des matières"), matieres(),
            [this](TClasse& c) { return dialogues_.ModifierCoefficients(this, c); });
  });
  // Refused during an entry: the subject being typed in may stop being shown.
  actions_.Ajouter(matiere, A::Matieres, this, [this, matieres] {
    if (RefuserPendantSaisie()) return;
    Changer(QStringLiteral("les matières"), matieres(),
            [this](TClasse& c) { return dialogues_.ModifierMatieres(this, c); });
  });
  return matiere;
}

QMenu* TFenetreFeuille::CreerMenuAffichage() {
  auto* affichage = new QMenu(QStringLiteral("&Affichage"), this);
  auto* periodes = new QActionGroup(this);
  for (int p = 1; p <= 4; ++p) {
    QAction* a = actions_.Ajouter(affichage, Periodes[p - 1], this, [this, p] { ChangerPeriode(p); });
    a->setCheckable(true);
    periodes->addAction(a);
  }
  affichage->addSeparator();
  auto* matieres = new QActionGroup(this);
  for (int m = 1; m <= 4; ++m) {
    QAction* a = actions_.Ajouter(affichage, Matieres[m - 1], this, [this, m] { ChangerMatiere(m); });
    a->setCheckable(true);
    matieres->addAction(a);
  }
  return affichage;
}

QMenu* TFenetreFeuille::CreerMenuStatistique() {
  auto* stats = new QMenu(QStringLiteral("&Statistique"), this);
  stats->menuAction()->setStatusTip(QStringLiteral("Afficher des statistiques divers"));
  const auto ouvrir = [this](const std::vector<TFenetreStat>& f) {
    return [this, f] { dialogues_.OuvrirStatistiques(this, *document_, f); };
  };
  using F = TFenetreStat;
  actions_.Ajouter(stats, A::StatEvolution, this, ouvrir({F::Evolution}));
  actions_.Ajouter(stats, A::StatDevoir, this, ouvrir({F::Devoir}));
  actions_.Ajouter(stats, A::StatMoyennes, this, ouvrir({F::Moyennes}));
  actions_.Ajouter(stats, A::TroisFenetresStat, this, ouvrir({F::Evolution, F::Devoir, F::Moyennes}));
  actions_.Ajouter(stats, A::Bilan, this, ouvrir({F::Bilan}));
  stats->addSeparator();
  actions_.Ajouter(stats, A::Classement, this, [this] { dialogues_.Classement(this, Classe()); });
  actions_.Ajouter(stats, A::Ages, this, [this] { dialogues_.Ages(this, Classe()); });
  actions_.Ajouter(stats, A::Anniversaires, this, [this] { dialogues_.Anniversaires(this, Classe()); });
  return stats;
}

void TFenetreFeuille::MajLibellesPeriodes() {
  const QString N = Classe().NbPeriodes() == 2 ? QStringLiteral("Semestre") : QStringLiteral("Trimestre");
  Action(A::ViderPeriode)->setText(QStringLiteral("S&upprimer les notes du ") + N);
  Action(A::ViderPeriode)->setStatusTip(QStringLiteral("Supprimer TOUTES les notes de ce ") + N);
  for (int p = 1; p <= 3; ++p) {
    const QString titre = "&" + N + " " + QString::number(p);
    for (A nom : {Periodes[p - 1], PeriodesContexte[p - 1]}) {
      QAction* a = Action(nom);
      a->setText(titre);
      a->setStatusTip(QStringLiteral("Afficher le ") + titre);
      a->setVisible(p < 3 || Classe().NbPeriodes() == 3);
    }
  }
  menus_[4]->menuAction()->setStatusTip(QStringLiteral("Choisir le ") + N + QStringLiteral(" et la matière"));
}

void TFenetreFeuille::MajLibellesMatieres() {
  for (int m = 1; m <= 3; ++m) {
    for (A nom : {Matieres[m - 1], MatieresContexte[m - 1]}) {
      QAction* a = Action(nom);
      a->setText(pf::DepuisCp1252(Classe().Matiere(m).Nom.Vue()));
      a->setVisible(m <= Classe().NbMatieres());
    }
  }
}

void TFenetreFeuille::MajMenus() {
  const int n = Classe().NbEleves();
  const int s = Classe().MatiereCourante();
  const int p = Classe().PeriodeCourante();
  const bool T = s <= 3 && p <= 3;
  const int m = T ? Classe().NbDevoirs(s, p) : NbDevoirsTotal(Classe());
  const bool tous = NbDevoirsTotal(Classe()) > 0;
  const auto etat = [this](A a, bool actif) { Action(a)->setEnabled(actif); };
  etat(A::AjouterEleve, n < MaxEleves);
  etat(A::InsererEleve, n < MaxEleves);
  etat(A::SupprimerEleve, n > 1);  // never the last student
  etat(A::AjouterDevoir, T && m < MaxDevoirs);
  for (A a : {A::ModifierDevoirs, A::SupprimerDevoir, A::ViderPeriode, A::CopierDevoir, A::CouperDevoir})
    etat(a, T && m > 0);
  etat(A::ViderAnnee, T && NbDevoirsAnnee(Classe(), s) > 0);
  const bool ajouter = T && m < MaxDevoirs;
  etat(A::InsererDevoir, ajouter && m > 0);
  etat(A::AjouterDevoirCopie, ajouter && PressePapInterne.Plein);
  etat(A::InsererDevoirCopie, ajouter && PressePapInterne.Plein && m > 0);
  // The import may write over the test being typed in.
  etat(A::ImporterNotes, T && !SaisieEnCours());
  etat(A::StatEvolution, m > 0);
  etat(A::StatDevoir, m > 0 && s != 4);
  for (A a : {A::StatMoyennes, A::Classement, A::TroisFenetresStat, A::Bilan}) etat(a, tous);
  for (int i = 1; i <= 4; ++i) {
    etat(PeriodesContexte[i - 1], i != p);
    etat(MatieresContexte[i - 1], i != s);
  }
  Action(Periodes[p - 1])->setChecked(true);
  Action(Matieres[s - 1])->setChecked(true);
}

}  // namespace calevrin
