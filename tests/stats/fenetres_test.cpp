// The windows follow the sheet of their class through its document: what each change
// recomputes, and what the graph, the lists and the table show afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "model/edition.h"
#include "model/options.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "stats/stat04.h"
#include "stats/statgraphe.h"
#include "tests/common/dialoguesnuls.h"
#include "tests/common/exemple.h"

using namespace calevrin;
using A = plateforme::TAction;

namespace {

void Cliquer(QWidget& w, const char* nom) {
  auto* b = w.findChild<QToolButton*>(QLatin1String(nom));
  ASSERT_NE(b, nullptr) << nom;
  b->click();
}

class FenetresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Options = TOptions{};
    feuille_ = std::make_unique<TFenetreFeuille>(TDocumentClasse::Ouvrir(test::Exemple, Options), dialogues_, Options);
    document_ = &feuille_->Document();
  }
  // The document telling its windows of a change, whatever made it.
  void Notifier(TCodeChangement code, int p, int a, int b) {
    document_->Modifier(QString(), {code, p, a, b}, [](TClasse&) { return true; });
  }
  const TClasse& Classe() { return document_->Classe(); }
  double Barre(const TStatGraphe& w, int i) { return w.G().Barre(i)->Valeur; }

  test::TDialoguesNuls dialogues_;
  std::unique_ptr<TFenetreFeuille> feuille_;  // outlives the windows below
  TDocumentClasse* document_ = nullptr;
};

}  // namespace

// The example: trimesters, 3 subjects, 25 students, 6 tests in subject 1 of the first
// trimester, shown on subject 1, trimester 1.
TEST_F(FenetresTest, CeQueChaqueChangementRecalcule) {
  ASSERT_EQ(Classe().NbPeriodes(), 3);
  ASSERT_EQ(Classe().NbDevoirs(1, 1), 6);
  using C = TCodeChangement;
  struct TCas {
    int fenetre;         // TStat0n
    const char* bouton;  // clicked first: SB2 trimester 2, SB4 the year
    int eleve;           // then the student chosen in the list; 0 the class
    C code;
    int p, a, b;
    bool recalcule;
  };
  const TCas cas[] = {{2, nullptr, 0, C::Note, 1, 6, 3, true},
                      {2, nullptr, 0, C::Note, 1, 2, 3, false},
                      {2, nullptr, 0, C::Note, 2, 6, 3, false},
                      {2, nullptr, 0, C::CoefficientDevoir, 1, 6, 0, true},
                      {2, nullptr, 0, C::Devoirs, 2, 0, 0, false},
                      {2, nullptr, 0, C::Devoirs, 1, 0, 0, true},
                      {2, nullptr, 0, C::Periode, 1, 0, 0, false},
                      {2, nullptr, 0, C::Periode, 2, 0, 0, true},
                      {2, nullptr, 0, C::Options, 0, 0, 0, true},
                      {2, nullptr, 0, C::Matiere, 1, 2, 0, true},
                      {3, nullptr, 0, C::Note, 2, 1, 3, false},
                      {3, nullptr, 0, C::Note, 1, 1, 3, true},
                      {3, nullptr, 0, C::Periode, 1, 0, 0, false},
                      {3, nullptr, 0, C::Eleves, 0, 0, 0, true},
                      {3, "SB4", 0, C::Note, 2, 1, 3, true},
                      {1, "SB2", 4, C::Note, 2, 1, 5, false},
                      {1, "SB2", 4, C::Note, 2, 1, 4, true},
                      {1, "SB2", 4, C::CoefficientDevoir, 2, 1, 0, true},
                      {1, "SB2", 4, C::Devoirs, 1, 0, 0, false},
                      {1, "SB2", 0, C::Note, 2, 1, 7, true},
                      {1, "SB2", 0, C::Note, 1, 1, 7, false},
                      {1, "SB4", 4, C::Note, 1, 1, 9, true},
                      {4, nullptr, 4, C::Note, 1, 1, 9, false},
                      {4, nullptr, 4, C::Note, 1, 1, 4, true},
                      {4, nullptr, 4, C::CoefficientDevoir, 1, 1, 0, true},
                      {4, nullptr, 4, C::Periode, 2, 0, 0, false},
                      {4, nullptr, 0, C::Periode, 2, 0, 0, true}};
  for (std::size_t i = 0; i < std::size(cas); ++i) {
    const TCas& c = cas[i];
    std::unique_ptr<TFenetreStatistique> w;
    switch (c.fenetre) {
      case 1: w = std::make_unique<TStatEvolution>(*document_, Options); break;
      case 2: w = std::make_unique<TStatDevoir>(*document_, Options); break;
      case 3: w = std::make_unique<TStatMoyennes>(*document_, Options); break;
      default: w = std::make_unique<TStatBilan>(*document_, Options);
    }
    if (c.bouton) Cliquer(*w, c.bouton);
    if (c.eleve)
      (c.fenetre == 4 ? static_cast<TStatBilan&>(*w).Liste() : static_cast<TStatGraphe&>(*w).Liste())
          ->setCurrentIndex(c.eleve);
    const int avant = w->Calculs();
    Notifier(c.code, c.p, c.a, c.b);
    EXPECT_EQ(w->Calculs() != avant, c.recalcule) << "TStat0" << c.fenetre << ", case " << i;
  }

  // A test added while a student is shown: the report returns to the class.
  TStatBilan w(*document_, Options);
  w.Liste()->setCurrentIndex(4);
  Notifier(C::Devoirs, 1, 0, 0);
  EXPECT_EQ(w.Etat().Eleve, 0);
  EXPECT_EQ(w.Liste()->currentIndex(), 0);
  EXPECT_EQ(w.T().Caption, QStringLiteral("Moyenne de classe (4EB)"));
}

TEST_F(FenetresTest, UneNoteSaisieEtAnnuleeSuivieParLesFenetres) {
  TStatDevoir devoir(*document_, Options);
  TStatEvolution evolution(*document_, Options);
  TStatBilan bilan(*document_, Options);
  ASSERT_EQ(devoir.Etat().Devoir, 6);
  ASSERT_EQ(Classe().Eleve(1).Note(1, 1, 6).Texte(), "12.5");
  const double a12 = Barre(devoir, 13);
  const double a3 = Barre(devoir, 4);
  const double moyenneDevoir = Barre(evolution, 6);
  const QString cellule = bilan.T().Cellule(2, 2);

  // Typed in the sheet.
  feuille_->Etat().LigneCourante = 1;
  feuille_->Etat().ColonneCourante = 6;
  feuille_->CommencerSaisie(QStringLiteral("3"));
  QTest::keyClick(&feuille_->Editeur(), Qt::Key_Return);
  EXPECT_EQ(Barre(devoir, 13), a12 - 1);  // 12.5 counted under 12 no more
  EXPECT_EQ(Barre(devoir, 4), a3 + 1);
  EXPECT_EQ(devoir.G().Ligne(3), QStringLiteral("Note min : 3 ( ANDRÉ Rose )"));
  EXPECT_LT(Barre(evolution, 6), moyenneDevoir);
  EXPECT_NE(bilan.T().Cellule(2, 2), cellule);

  // Undone from the sheet's menu: everything as it was.
  feuille_->Action(A::Annuler)->trigger();
  EXPECT_EQ(Barre(devoir, 13), a12);
  EXPECT_EQ(bilan.T().Cellule(2, 2), cellule);
}

TEST_F(FenetresTest, ListesEtBoutonsSuiventLaClasse) {
  TStatDevoir devoir(*document_, Options);
  // Another subject shown in the sheet: its tests, the last one selected.
  const int n2 = Classe().NbDevoirs(2, 1);
  ASSERT_NE(n2, 6);
  feuille_->ChangerMatiere(2);
  EXPECT_EQ(devoir.Etat().Matiere, 2);
  EXPECT_EQ(devoir.Liste()->count(), n2);
  EXPECT_EQ(devoir.Liste()->currentIndex(), n2 - 1);
  EXPECT_EQ(devoir.Etat().Devoir, n2);
  EXPECT_TRUE(devoir.findChild<QToolButton*>(QStringLiteral("SB12"))->isChecked());

  // Opened on the year: no test, every period button up; a period chosen fills the list.
  feuille_->ChangerPeriode(4);
  feuille_->ChangerMatiere(4);
  TStatDevoir annuel(*document_, Options);
  EXPECT_EQ(annuel.Liste()->count(), 0);
  EXPECT_EQ(annuel.G().Caption, QStringLiteral("Pas de devoir lors du bilan annuel."));
  EXPECT_EQ(annuel.TextePeriode(), QStringLiteral("Bilan"));
  for (const char* nom : {"SB1", "SB2", "SB3"})
    EXPECT_FALSE(annuel.findChild<QToolButton*>(QLatin1String(nom))->isChecked()) << nom;
  EXPECT_TRUE(annuel.findChild<QToolButton*>(QStringLiteral("SB11"))->isChecked());  // never the synthesis
  Cliquer(annuel, "SB2");
  EXPECT_EQ(annuel.Liste()->count(), Classe().NbDevoirs(1, 2));
  EXPECT_EQ(annuel.TextePeriode(), QStringLiteral("Trim.2"));

  // The evolution's "M" hides and shows the average line; "An" the school year.
  TStatEvolution evolution(*document_, Options);
  ASSERT_TRUE(evolution.G().Moy);
  Cliquer(evolution, "SB7");
  EXPECT_FALSE(evolution.G().Moy);
  const QString annee = QString::fromStdString(Classe().AnneeScolaire.Texte());
  EXPECT_TRUE(evolution.G().Caption.contains(annee));
  Cliquer(evolution, "SB8");
  EXPECT_FALSE(evolution.G().Caption.contains(annee));
  Cliquer(evolution, "SB0");
  EXPECT_EQ(evolution.TextePeriode(), QStringLiteral("Année"));
  EXPECT_TRUE(evolution.G().Caption.contains(QStringLiteral("Toute l'année")));
}

TEST_F(FenetresTest, ParametresDeLaClasseChanges) {
  TStatEvolution evolution(*document_, Options);
  TStatMoyennes moyennes(*document_, Options);
  Cliquer(evolution, "SB3");
  Cliquer(moyennes, "SB13");
  // Semesters and two subjects, through the class parameters and the subjects dialog.
  feuille_->ChangerMatiere(3);
  feuille_->ChangerPeriode(3);
  dialogues_.effets["ModifierParametres"] = [](TClasse& c) {
    TParametresClasse p = LireParametres(c);
    p.NbPeriodes = 2;
    return ModifierParametres(c, p);
  };
  dialogues_.effets["ModifierMatieres"] = [](TClasse& c) {
    return ModifierMatieres(c, {"Maths", "Physique", ""}, {"MA", "PH", ""}, 2);
  };
  feuille_->Action(A::ParametresClasse)->trigger();
  feuille_->Action(A::Matieres)->trigger();
  for (TStatGraphe* w : {static_cast<TStatGraphe*>(&evolution), static_cast<TStatGraphe*>(&moyennes)}) {
    const auto bouton = [w](const char* nom) { return w->findChild<QToolButton*>(QLatin1String(nom)); };
    EXPECT_EQ(bouton("SB1")->text(), "S1");
    EXPECT_EQ(bouton("SB2")->toolTip(), "Semestre 2");
    EXPECT_TRUE(bouton("SB1")->isChecked());
    EXPECT_FALSE(bouton("SB3")->isVisibleTo(w));
    EXPECT_FALSE(bouton("SB13")->isVisibleTo(w));
    EXPECT_TRUE(bouton("SB11")->isChecked());
    EXPECT_EQ(w->TextePeriode(), "Sem.1");
  }
  EXPECT_EQ(evolution.findChild<QToolButton*>(QStringLiteral("SB4"))->toolTip(), "Moyenne des 2 semestres");
}
