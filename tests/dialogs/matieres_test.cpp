#include "dialogs/matieres.h"

#include "dialogs/ajoutereleve.h"
#include "dialogs/coefficients.h"
#include "dialogs/insereeleve.h"
#include "dialogs/modifiereleve.h"
#include "dialogs/parametresclasse.h"
#include "dialogs/supprimereleve.h"
#include "model/edition.h"
#include "tests/common/pilote.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

class Matieres : public Enregistreur {
 protected:
  void SetUp() override {
    c_.Abreviation.Affecter("4B");
    c_.FixerNbMatieres(3);
    for (int m = 1; m <= 3; ++m) {
      c_.Matiere(m).Nom.Affecter("Mat" + std::to_string(m));
      c_.Matiere(m).Abrev.Affecter("M" + std::to_string(m));
    }
  }
  bool Visible(QWidget* d, const char* nom) { return !d->findChild<QWidget*>(nom)->isHidden(); }
  TOptions o_;
  TClasse c_;
};

}  // namespace

TEST_F(Matieres, ParametresDeLaClasse) {
  const auto avant = Image(c_);
  {
    TDialParametresClasse d(nullptr, c_);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Modifier les paramètres de la classe ( 4B )");
    auto* cb = d.findChild<QComboBox*>("CB");
    ASSERT_EQ(cb->count(), 7);
    EXPECT_EQ(cb->itemText(0) + "|" + cb->itemText(6), "Aucun arrondi|Au 1/2 point supérieur");
    EXPECT_TRUE(d.findChild<QRadioButton*>("RB3")->isChecked());
    Cliquer(&d, "BitBtn1");
    EXPECT_EQ(d.result(), DialogueAnnule);  // OK with nothing changed
  }
  {
    TDialParametresClasse d(nullptr, c_);
    d.show();
    Cliquer(&d, "RB2");
    Taper(Champ(&d, "Edit1"), "4B bis et plus");
    Touche(Champ(&d, "Edit1"), Qt::Key_Escape);
    EXPECT_EQ(d.result(), DialogueAnnule);
  }
  EXPECT_EQ(Image(c_), avant);
  TDialParametresClasse d(nullptr, c_);
  d.show();
  Cliquer(&d, "RB2");
  Taper(Champ(&d, "Edit1"), "4B bis et plus");  // cut at 8 as typed
  Touche(d.findChild<QComboBox*>("CB"), Qt::Key_Down);
  Cliquer(&d, "CB1");
  Touche(Champ(&d, "Edit2"), Qt::Key_Return);
  EXPECT_EQ(d.result(), DialogueConfirme);
  EXPECT_TRUE(c_.NbPeriodes() == 2 && c_.Arrondi() == 1 && c_.Joker() && c_.Abreviation.Texte() == "4B bis e");
}

TEST_F(Matieres, NombreEtNomsDesMatieres) {
  {
    TDialMatieres d(nullptr, c_);
    d.show();
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Changer le nombre et le nom des matières ( 4B )"));
    Cliquer(&d, "RB1");
    EXPECT_FALSE(Visible(&d, "Edit2") || Visible(&d, "Edit6"));
    Cliquer(&d, "RB3");
    EXPECT_TRUE(Visible(&d, "Edit2") && Visible(&d, "Edit6"));
    Cliquer(&d, "RB1");
    Taper(Champ(&d, "Edit1"), "Français");
    Cliquer(&d, "BitBtn1");
    EXPECT_TRUE(d.result() == DialogueConfirme && c_.NbMatieres() == 1);
  }
  EXPECT_EQ(c_.Matiere(1).Nom.Texte() + c_.Matiere(3).Nom.Texte() + c_.Matiere(3).Abrev.Texte(), W("FrançaisMat3M3"));
  TDialMatieres d(nullptr, c_);
  d.show();
  EXPECT_FALSE(Visible(&d, "Edit3"));
  Cliquer(&d, "RB3");
  EXPECT_EQ(Champ(&d, "Edit3")->text(), "Mat3");  // kept while hidden
  Cliquer(&d, "BitBtn1");
  EXPECT_EQ(c_.NbMatieres(), 3);
  TDialMatieres e(nullptr, c_);
  e.show();
  Cliquer(&e, "BitBtn1");
  EXPECT_EQ(e.result(), DialogueAnnule);  // nothing changed
}

TEST_F(Matieres, CoefficientsEcritsSeulementSiModifies) {
  c_.FixerNbPeriodes(2);
  c_.FixerNbMatieres(2);
  c_.Matiere(1).Coef[1] = 1.25;
  c_.Matiere(2).Coef[3] = 4.0;
  const auto avant = Image(c_);
  {
    TDialCoefficients d(nullptr, c_, o_);
    d.show();
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Changer les coefficients des matières ( 4B )"));
    EXPECT_EQ(d.findChild<QLabel*>("Titre1")->text() + d.findChild<QLabel*>("Titre2")->text(), "Sem.1Sem.2");
    EXPECT_FALSE(Visible(&d, "Titre3") || Visible(&d, "Edit3") || Visible(&d, "Edit6") || Visible(&d, "Matiere3") ||
                 Visible(&d, "Edit7"));
    EXPECT_EQ(Champ(&d, "Edit1")->text(), "1.3");
    Cliquer(&d, "BitBtn1");
    EXPECT_EQ(d.result(), DialogueAnnule);  // nothing edited, 1.25 kept
  }
  EXPECT_EQ(Image(c_), avant);

  TDialCoefficients d(nullptr, c_, o_);
  d.show();
  for (const char* t : {"1,", "-1", "12"}) {
    Taper(Champ(&d, "Edit5"), t);
    Taper(Champ(&d, "Edit2"), "0");
    Cliquer(&d, "BitBtn1");
    EXPECT_TRUE(d.isVisible() && d.focusWidget() == Champ(&d, "Edit5")) << t;
  }
  ASSERT_EQ(boites_.size(), 1u);
  EXPECT_TRUE(boites_[0].startsWith(QStringLiteral("Le coefficient de « ")) &&
              boites_[0].endsWith(QStringLiteral(" », semestre 2 doit être un nombre")))
      << boites_[0].toStdString();
  EXPECT_TRUE(avertis_.size() == 2 && Image(c_) == avant);  // the range of VerifierDomaine, twice
  Taper(Champ(&d, "Edit5"), "2,5");
  Touche(Champ(&d, "Edit5"), Qt::Key_Return);
  EXPECT_EQ(d.result(), DialogueConfirme);
  EXPECT_TRUE(c_.Matiere(1).Coef[1] == 1.25 && c_.Matiere(1).Coef[2] == 0.0 && c_.Matiere(2).Coef[2] == 2.5 &&
              c_.Matiere(2).Coef[3] == 4.0);
}

// Each dialog's help button opens the page of that dialog.
TEST_F(Matieres, SujetsDAide) {
  AjouterEleve(c_, "un", "", "", Options);
  std::unique_ptr<QDialog> dialogues[] = {
      std::make_unique<TDialParametresClasse>(nullptr, c_), std::make_unique<TDialAjouterEleve>(nullptr, c_, o_),
      std::make_unique<TDialInsererEleve>(nullptr, c_, o_), std::make_unique<TDialModifierEleve>(nullptr, c_, o_),
      std::make_unique<TDialSupprimerEleve>(nullptr, c_),   std::make_unique<TDialMatieres>(nullptr, c_),
      std::make_unique<TDialCoefficients>(nullptr, c_, o_)};
  for (const auto& x : dialogues) {
    x->show();
    Cliquer(x.get(), "BoutonAide");
  }
  EXPECT_EQ(sujets_, (std::vector<QString>{"Dlg_ParamClasse", "Dlg_NewEleve", "Dlg_InsererEleve", "Dlg_ModifEleve",
                                           "Dlg_SupprimerEleve", "Dlg_ModifMatiere", "Dlg_ModifDevoir"}));
}
