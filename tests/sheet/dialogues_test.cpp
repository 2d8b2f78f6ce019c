// The sheet's dialog commands: when they may be used, and what the sheet does after them.
#include <gtest/gtest.h>

#include <QAction>

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

namespace {

class DialoguesFeuille : public test::Enregistreur {
 protected:
  void SetUp() override {
    Options = TOptions{};
    f_ = std::make_unique<TChild>(TDocumentClasse::Ouvrir(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3"), d_);
    QObject::connect(&f_->Document(), &TDocumentClasse::Change,
                     [this](const TChangement& c) { changements_.push_back(c); });
  }
  void TearDown() override { f_.reset(); }
  bool Actif(const char* nom) { return f_->Action(nom)->isEnabled(); }

  test::TDialoguesNuls d_;
  std::unique_ptr<TChild> f_;
  std::vector<TChangement> changements_;
};

}  // namespace

TEST_F(DialoguesFeuille, ElevesEtLeursLimites) {
  for (const char* nom : {"M25", "M27", "M26", "M28", "M29", "M50", "M51", "M43", "M44", "M45"})
    EXPECT_TRUE(Actif(nom)) << nom;
  d_.effets["AjouterEleve"] = [](TClasse& c) { return AjouterEleve(c, "nouveau", "", ""); };
  d_.effets["SupprimerEleve"] = [](TClasse& c) { return SupprimerEleve(c, c.NbEleves()); };

  f_->Action("M28")->trigger();  // nothing changed: nothing to save or to tell
  EXPECT_TRUE(!f_->Document().Modifie() && changements_.empty());
  f_->Action("M25")->trigger();
  EXPECT_TRUE(f_->Document().Modifie());
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Eleves, 0, 0, 0}}));

  while (f_->Classe().NbEleves() < MaxEleves) f_->Action("M25")->trigger();
  EXPECT_FALSE(Actif("M25") || Actif("M27"));  // the 45th student closes the list
  while (Actif("M26")) f_->Action("M26")->trigger();
  EXPECT_EQ(f_->Classe().NbEleves(), 1);  // never the last one

  // During an entry the student dialogs are not opened.
  const std::size_t ouverts = d_.ouverts.size();
  f_->Etat().LigneCourante = 1;
  f_->Etat().ColonneCourante = 1;
  f_->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(f_->SaisieEnCours());
  for (const char* nom : {"M25", "M28", "M29", "M51", "MPopupFiches"}) f_->Action(nom)->trigger();
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
  TClasse& c = f_->Classe();
  const double avant = MoyenneAnnuelle(c, 3, 1, false);
  ASSERT_TRUE(AjouterDevoir(c, "d", "1h", 1.0, "trimestre 3"));
  c.Eleve(1).Note(3, 3, 1).Affecter("0");
  EXPECT_LT(MoyenneAnnuelle(c, 3, 1, false), avant);
  f_->Action("M29")->trigger();
  EXPECT_EQ(MoyenneAnnuelle(c, 3, 1, false), avant);
  EXPECT_EQ(c.NbDevoirs(3, 3), 1);  // kept in the file
  EXPECT_EQ(f_->Classe().PeriodeCourante(), 1);
  EXPECT_FALSE(f_->Action("Ntrim3")->isVisible());
  EXPECT_EQ(f_->Action("Ntrim2")->text(), QStringLiteral("&Semestre 2"));
  ASSERT_FALSE(changements_.empty());
  EXPECT_EQ(changements_.front(), (TChangement{TCodeChangement::Periode, 0, 0, 0}));

  d_.effets["ModifierMatieres"] = [](TClasse& c) {
    c.FixerNbMatieres(1);
    c.Matiere(1).Nom.Affecter("Maths");
    return true;
  };
  f_->Action("M51")->trigger();
  EXPECT_EQ(f_->Classe().MatiereCourante(), 1);  // subject 3 is no longer shown
  EXPECT_FALSE(f_->Action("MenuM2")->isVisible());
  EXPECT_EQ(f_->Action("MenuM1")->text(), "Maths");
  f_->ChangerMatiere(4);
  f_->Action("M51")->trigger();
  EXPECT_EQ(f_->Classe().MatiereCourante(), 4);  // the synthesis stays the synthesis

  changements_.clear();
  d_.effets["ModifierCoefficients"] = [](TClasse&) { return true; };
  f_->Action("M50")->trigger();
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Matiere, 1, 4, 0}}));

  for (const char* nom : {"M43", "M44", "M45", "MPopupFiches"}) f_->Action(nom)->trigger();
  EXPECT_EQ(std::vector<std::string>(d_.ouverts.end() - 4, d_.ouverts.end()),
            (std::vector<std::string>{"Classement", "Ages", "Anniversaires", "FichesEleves"}));
  // Without a test the ranking has nothing to rank; ages and birthdays are still there.
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 3; ++p) f_->Classe().FixerNbDevoirs(m, p, 0);
  f_->MajMenus();
  EXPECT_FALSE(Actif("M43"));
  EXPECT_TRUE(Actif("M44") && Actif("M45"));
}

TEST_F(DialoguesFeuille, ImportDesNotesEnUneEtape) {
  f_->ChangerMatiere(1);
  f_->ChangerPeriode(1);
  TClasse& c = f_->Classe();
  const int n = c.NbDevoirs(1, 1);
  const std::string nom = c.NomComplet(2, true);
  d_.effets["ImporterNotes"] = [&nom](TClasse& c) {
    const TSourceNotes s = LireSourceNotes(nom + ";15\n");
    const TChoixNotes choix = ChoixParDefaut(s);
    return AppliquerNotes(c, ApercuNotes(c, s, choix), choix, {"d", "", 1, "quiz"});
  };
  changements_.clear();
  f_->Action("MImporterNotes")->trigger();
  ASSERT_EQ(c.NbDevoirs(1, 1), n + 1);
  EXPECT_EQ(c.Eleve(2).Note(1, 1, n + 1).Texte(), "15");
  EXPECT_EQ(changements_, (std::vector<TChangement>{{TCodeChangement::Devoirs, 1, 0, 0}}));
  EXPECT_EQ(f_->Action("MAnnuler")->text(), "&Annuler l'importation des notes");
  f_->Action("MAnnuler")->trigger();
  EXPECT_EQ(c.NbDevoirs(1, 1), n);
  EXPECT_FALSE(f_->Document().Modifie());

  // Only a test view, and never during an entry.
  f_->Etat().LigneCourante = 1;
  f_->Etat().ColonneCourante = 1;
  f_->CommencerSaisie(QStringLiteral("1"));
  ASSERT_TRUE(f_->SaisieEnCours());
  EXPECT_FALSE(Actif("MImporterNotes"));
  QTest::keyClick(f_->focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(!f_->SaisieEnCours() && Actif("MImporterNotes"));
  f_->ChangerPeriode(4);
  EXPECT_FALSE(Actif("MImporterNotes"));
  f_->ChangerPeriode(1);
  f_->ChangerMatiere(4);
  EXPECT_FALSE(Actif("MImporterNotes"));
}
