#include "dialogs/ajoutereleve.h"
#include "dialogs/insereeleve.h"
#include "dialogs/modifiereleve.h"
#include "dialogs/supprimereleve.h"
#include "model/edition.h"
#include "tests/common/pilote.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const QString NomObligatoire = QStringLiteral("L'élève doit obligatoirement avoir un nom.");

// Three students; student e has the grade 10 e in the first test of subject 1, trimester 1.
std::unique_ptr<TClasse> Trois() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("4B");
  for (int e = 1; e <= 3; ++e)
    AjouterEleve(*c, "eleve" + std::to_string(e), "p", "0101201" + std::to_string(e), Options);
  AjouterDevoir(*c, "d", "1h", 1.0, "devoir");
  for (int e = 1; e <= 3; ++e) c->Eleve(e).Note(1, 1, 1).Affecter(std::to_string(10 * e));
  return c;
}

std::string Ligne(const TClasse& c, int e) {
  return c.Eleve(e).Nom.Texte() + " " + c.Eleve(e).Prenom.Texte() + " " + c.Eleve(e).DateNaissance.Texte() + " " +
         c.Eleve(e).Note(1, 1, 1).Texte();
}

class Eleves : public Enregistreur {
 protected:
  TOptions o_;
  std::unique_ptr<TClasse> c_ = Trois();
};

}  // namespace

TEST_F(Eleves, AjouterUnSeulElevePourDeuxOK) {
  const auto avant = Image(*c_);
  {
    TDialAjouterEleve d(nullptr, *c_, o_);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Ajouter un nouvel élève ( 4B )");
    Taper(Champ(&d, "Edit3"), "05062012");
    Touche(Champ(&d, "Edit3"), Qt::Key_Return);  // no name: refused, nothing written
    EXPECT_EQ(boites_, std::vector<QString>{NomObligatoire});
    EXPECT_EQ(d.focusWidget(), Champ(&d, "Edit1"));
    Taper(Champ(&d, "Edit1"), "  ");  // spaces are no name either
    Cliquer(&d, "BitBtn1");
    EXPECT_EQ(boites_, std::vector<QString>(2, NomObligatoire));
    Taper(Champ(&d, "Edit1"), "dupont");
    Taper(Champ(&d, "Edit3"), "");
    Touche(Champ(&d, "Edit1"), Qt::Key_Return);  // the advice, still nothing written
    EXPECT_TRUE(boites_.size() == 3 && d.focusWidget() == Champ(&d, "Edit3") && Image(*c_) == avant);
    Touche(Champ(&d, "Edit3"), Qt::Key_Escape);  // Annuler after the advice: the class as before
    EXPECT_EQ(d.result(), DialogueAnnule);
  }
  EXPECT_EQ(Image(*c_), avant);

  TDialAjouterEleve d(nullptr, *c_, o_);
  d.show();
  Taper(Champ(&d, "Edit1"), "dupont");
  Touche(Champ(&d, "Edit1"), Qt::Key_Return);
  Touche(Champ(&d, "Edit3"), Qt::Key_Return);
  ASSERT_TRUE(d.result() == DialogueConfirme && c_->NbEleves() == 4);
  EXPECT_EQ(Ligne(*c_, 4), "DUPONT   ");  // normalised, no grade
}

TEST_F(Eleves, InsererAvantLePremierDeplaceLesNotes) {
  {
    TDialInsererEleve d(nullptr, *c_, o_);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Insérer un nouvel élève ( 4B )");
    auto* cb = d.findChild<QComboBox*>("CB");
    EXPECT_EQ(cb->currentText(), "1 - ELEVE1 P");
    Taper(Champ(&d, "Edit1"), "zola");
    Touche(Champ(&d, "Edit1"), Qt::Key_Return);  // advice once, then inserted
    Touche(Champ(&d, "Edit1"), Qt::Key_Return);
    ASSERT_TRUE(d.result() == DialogueConfirme && c_->NbEleves() == 4);
  }
  EXPECT_EQ(Ligne(*c_, 1) + "|" + Ligne(*c_, 2) + "|" + Ligne(*c_, 4),
            "ZOLA   |ELEVE1 P 01012011 10|ELEVE3 P 01012013 30");

  TDialInsererEleve d(nullptr, *c_, o_);
  d.show();
  Touche(d.findChild<QComboBox*>("CB"), Qt::Key_End);  // before the last one
  Taper(Champ(&d, "Edit1"), "avant");
  Taper(Champ(&d, "Edit3"), "01012000");
  Cliquer(&d, "BitBtn1");
  EXPECT_EQ(Ligne(*c_, 4) + "|" + Ligne(*c_, 5), "AVANT  01012000 |ELEVE3 P 01012013 30");
}

TEST_F(Eleves, ModifierPuisAnnuler) {
  {
    TDialModifierEleve d(nullptr, *c_, o_);
    d.show();
    Touche(d.findChild<QComboBox*>("CB"), Qt::Key_Down);  // switching without a change
    Touche(d.findChild<QComboBox*>("CB"), Qt::Key_Escape);
    EXPECT_EQ(d.result(), DialogueAnnule);  // nothing written
  }
  TDialModifierEleve d(nullptr, *c_, o_);
  d.show();
  EXPECT_EQ(Champ(&d, "Edit1")->text(), "ELEVE1");
  Taper(Champ(&d, "Edit1"), "renommé");
  auto* cb = d.findChild<QComboBox*>("CB");
  Touche(cb, Qt::Key_Down);  // writes student 1
  EXPECT_TRUE(d.EleveAffiche() == 2 && cb->itemText(0) == QString::fromUtf8("1 - RENOMMÉ P"));
  Taper(Champ(&d, "Edit2"), "oublié");
  Cliquer(&d, "BoutonAnnuler");
  EXPECT_EQ(d.result(), DialogueConfirme);
  EXPECT_EQ(Ligne(*c_, 1) + "|" + Ligne(*c_, 2), W("RENOMMÉ P 01012011 10|ELEVE2 P 01012012 20"));
}

TEST_F(Eleves, SupprimerConfirme) {
  const auto avant = Image(*c_);
  reponses_ = {pf::TReponse::Annuler};
  {
    TDialSupprimerEleve d(nullptr, *c_);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Supprimer un élève ( 4B )");
    Touche(d.findChild<QComboBox*>("ComboBox1"), Qt::Key_Return);
    EXPECT_EQ(boites_, std::vector<QString>{"Supprimer définitivement l'élève ELEVE1 P ?"});
    EXPECT_EQ(d.result(), DialogueAnnule);  // the answer was Annuler
  }
  EXPECT_EQ(Image(*c_), avant);
  TDialSupprimerEleve d(nullptr, *c_);
  d.show();
  Touche(d.findChild<QComboBox*>("ComboBox1"), Qt::Key_End);
  Cliquer(&d, "BitBtn1");
  ASSERT_TRUE(d.result() == DialogueConfirme && c_->NbEleves() == 2);
  EXPECT_EQ(Ligne(*c_, 1) + "|" + Ligne(*c_, 2), "ELEVE1 P 01012011 10|ELEVE2 P 01012012 20");
}
