// The sheet's dialog commands: when they may be used, and what the sheet does after them.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>

#include "model/edition.h"
#include "model/importnotes.h"
#include "model/moyennes.h"
#include "model/options.h"
#include "platform/messages.h"
#include "sheet/feuille.h"
#include "tests/common/dialoguesnuls.h"
#include "tests/common/pilote.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;
using A = pf::TAction;

namespace {

class DialoguesFeuille : public test::Enregistreur {
 protected:
  void SetUp() override {
    Options = TOptions{};
    f_ = std::make_unique<TFenetreFeuille>(
        TDocumentClasse::Ouvrir(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", Options), d_, Options);
    QObject::connect(&f_->Document(), &TDocumentClasse::Change,
                     [this](const TChangement& c) { changements_.push_back(c); });
  }
  void TearDown() override { f_.reset(); }
  bool Actif(A a) { return f_->Action(a)->isEnabled(); }

  test::TDialoguesNuls d_;
  std::unique_ptr<TFenetreFeuille> f_;
  std::vector<TChangement> changements_;
};

}  // namespace

TEST_F(DialoguesFeuille, ElevesEtLeursLimites) {
  for (A a : {A::AjouterEleve, A::InsererEleve, A::SupprimerEleve, A::ModifierEleves, A::ParametresClasse,
              A::CoefficientsMatieres, A::Matieres, A::Classement, A::Ages, A::Anniversaires})
    EXPECT_TRUE(Actif(a)) << pf::Definition(a).Nom;
  d_.effets["AjouterEleve"] = [](TClasse& c) { return AjouterEleve(c, "nouveau", "", "", Options); };
  d_.effets["SupprimerEleve"] = [](TClasse& c) { return SupprimerEleve(c, c.NbEleves()); };

  f_->Action(A::ModifierEleves)->trigger();  // nothing changed: nothing to save or to tell
  EXPECT_TRUE(!f_->Document().Modifie() && changements_.empty());
  f_->Action(A::AjouterEleve)->trigger();
  EXPECT_TRUE(f_->Document().Modifie());
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Eleves, 0, 0, 0}}));

  while (f_->Classe().NbEleves() < MaxEleves) f_->Action(A::AjouterEleve)->trigger();
  EXPECT_FALSE(Actif(A::AjouterEleve) || Actif(A::InsererEleve));  // the 45th student closes the list
  while (Actif(A::SupprimerEleve)) f_->Action(A::SupprimerEleve)->trigger();
  EXPECT_EQ(f_->Classe().NbEleves(), 1);  // never the last one

  // During an entry the student dialogs are not opened.
  const std::size_t ouverts = d_.ouverts.size();
  f_->Etat().LigneCourante = 1;
  f_->Etat().ColonneCourante = 1;
  f_->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(f_->SaisieEnCours());
  for (A a : {A::AjouterEleve, A::ModifierEleves, A::ParametresClasse, A::Matieres, A::ContexteFiches})
    f_->Action(a)->trigger();
  EXPECT_EQ(d_.ouverts.size(), ouverts);
  EXPECT_EQ(boites_, std::vector<QString>(5, QStringLiteral("Terminer d'abord la saisie de la note !")));
}

TEST_F(DialoguesFeuille, DivisionEtMatieresSuivies) {
  f_->ChangerPeriode(3);
  f_->ChangerMatiere(3);
  changements_.clear();
  d_.effets["ModifierParametres"] = [](TClasse& c) {
    c.FixerNbPeriodes(2);
    return true;
  };
  // A grade of 0 in the third trimester weighs on the year until the class has semesters.
  const TClasse& c = f_->Classe();
  const double avant = MoyenneAnnuelle(c, 3, 1, false, Options);
  ASSERT_TRUE(f_->Document().Modifier(QStringLiteral("la note"), {TCodeChangement::Note, 3, 1, 1}, [](TClasse& k) {
    if (!AjouterDevoir(k, "d", "1h", 1.0, "trimestre 3")) return false;
    k.Eleve(1).Note(3, 3, 1).Affecter("0");
    return true;
  }));
  changements_.clear();
  EXPECT_LT(MoyenneAnnuelle(c, 3, 1, false, Options), avant);
  f_->Action(A::ParametresClasse)->trigger();
  EXPECT_EQ(MoyenneAnnuelle(c, 3, 1, false, Options), avant);
  EXPECT_EQ(c.NbDevoirs(3, 3), 1);  // kept in the file
  EXPECT_EQ(f_->Classe().PeriodeCourante(), 1);
  EXPECT_FALSE(f_->Action(A::Periode3)->isVisible());
  EXPECT_EQ(f_->Action(A::Periode2)->text(), QStringLiteral("&Semestre 2"));
  ASSERT_FALSE(changements_.empty());
  EXPECT_EQ(changements_.front(), (TChangement{TCodeChangement::Periode, 0, 0, 0}));

  d_.effets["ModifierMatieres"] = [](TClasse& c) {
    c.FixerNbMatieres(1);
    c.Matiere(1).Nom.Affecter("Maths");
    return true;
  };
  f_->Action(A::Matieres)->trigger();
  EXPECT_EQ(f_->Classe().MatiereCourante(), 1);  // subject 3 is no longer shown
  EXPECT_FALSE(f_->Action(A::Matiere2)->isVisible());
  EXPECT_EQ(f_->Action(A::Matiere1)->text(), "Maths");
  f_->ChangerMatiere(4);
  f_->Action(A::Matieres)->trigger();
  EXPECT_EQ(f_->Classe().MatiereCourante(), 4);  // the synthesis stays the synthesis

  changements_.clear();
  d_.effets["ModifierCoefficients"] = [](TClasse&) { return true; };
  f_->Action(A::CoefficientsMatieres)->trigger();
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Matiere, 1, 4, 0}}));

  for (A a : {A::Classement, A::Ages, A::Anniversaires, A::ContexteFiches}) f_->Action(a)->trigger();
  EXPECT_EQ(std::vector<std::string>(d_.ouverts.end() - 4, d_.ouverts.end()),
            (std::vector<std::string>{"Classement", "Ages", "Anniversaires", "FichesEleves"}));
  // Without a test the ranking has nothing to rank; ages and birthdays are still there.
  f_->Document().Modifier(QStringLiteral("rien"), {TCodeChangement::Devoirs, 1, 0, 0}, [](TClasse& k) {
    for (int m = 1; m <= 3; ++m)
      for (int p = 1; p <= 3; ++p) k.FixerNbDevoirs(m, p, 0);
    return true;
  });
  EXPECT_FALSE(Actif(A::Classement));
  EXPECT_TRUE(Actif(A::Ages) && Actif(A::Anniversaires));
}

TEST_F(DialoguesFeuille, ImportDesNotesEnUneEtape) {
  f_->ChangerMatiere(1);
  f_->ChangerPeriode(1);
  const TClasse& c = f_->Classe();
  const int n = c.NbDevoirs(1, 1);
  const std::string nom = c.NomComplet(2, true);
  d_.effets["ImporterNotes"] = [&nom](TClasse& c) {
    const TSourceNotes s = LireSourceNotes(nom + ";15\n");
    const TChoixNotes choix = ChoixParDefaut(s, Options);
    return AppliquerNotes(c, ApercuNotes(c, s, choix, Options), choix, {"d", "", 1, "quiz"});
  };
  changements_.clear();
  f_->Action(pf::TAction::ImporterNotes)->trigger();
  ASSERT_EQ(c.NbDevoirs(1, 1), n + 1);
  EXPECT_EQ(c.Eleve(2).Note(1, 1, n + 1).Texte(), "15");
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Devoirs, 1, 0, 0}}));
  EXPECT_EQ(f_->Action(pf::TAction::Annuler)->text(), "&Annuler l'importation des notes");
  f_->Action(pf::TAction::Annuler)->trigger();
  EXPECT_EQ(c.NbDevoirs(1, 1), n);
  EXPECT_FALSE(f_->Document().Modifie());

  // Only a test view, and never during an entry.
  f_->Etat().LigneCourante = 1;
  f_->Etat().ColonneCourante = 1;
  f_->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(f_->SaisieEnCours());
  EXPECT_FALSE(Actif(A::ImporterNotes));
  QTest::keyClick(f_->focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(!f_->SaisieEnCours() && Actif(A::ImporterNotes));
  f_->ChangerPeriode(4);
  EXPECT_FALSE(Actif(A::ImporterNotes));
  f_->ChangerPeriode(1);
  f_->ChangerMatiere(4);
  EXPECT_FALSE(Actif(A::ImporterNotes));
}

// A test added past the window's right edge is scrolled into view, whole.
TEST_F(DialoguesFeuille, LeDevoirAjouteEstMontre) {
  f_->resize(600, 400);
  f_->show();
  d_.effets["AjouterDevoir"] = [](TClasse& c) {
    c.FixerNbDevoirs(c.MatiereCourante(), c.PeriodeCourante(),
                     c.NbDevoirs(c.MatiereCourante(), c.PeriodeCourante()) + 1);
    return true;
  };
  for (int i = 0; i < 12; ++i) {
    f_->Action(A::AjouterDevoir)->trigger();
    const int k = f_->NbDevoirsVue();
    const int droite = f_->Geometrie().X(20.0 * (k + 1 + f_->Geometrie().W));
    EXPECT_LE(droite, f_->viewport()->width()) << k;
  }
  EXPECT_GT(f_->horizontalScrollBar()->value(), 0);
}
