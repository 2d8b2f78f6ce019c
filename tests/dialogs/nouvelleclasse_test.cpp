#include "dialogs/nouvelleclasse.h"

#include <QCheckBox>

#include "dialogs/importliste.h"
#include "model/nouvelleclasse.h"
#include "tests/common/pilote.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const TDateJour Jour{2026, 9, 7};
const QString Conseil = QStringLiteral(
    "La saisie de la date de naissance est conseillée pour le bon fonctionnement des menus Âge des élèves et "
    "Anniversaire du mois.");

class NouvelleClasse : public Enregistreur {
 protected:
  QString Titre(TDialNouvelleClasse& d) { return d.findChild<QGroupBox*>("GB1")->title(); }
  // One student typed in the shown slot, Enter to go on.
  void Eleve(TDialNouvelleClasse& d, const QString& nom, const QString& prenom, const QString& date) {
    Champ(&d, "EditNom")->setFocus();
    Champ(&d, "EditNom")->selectAll();
    TaperIci(&d, nom);
    Touche(d.focusWidget(), Qt::Key_Tab);
    TaperIci(&d, prenom);
    Touche(d.focusWidget(), Qt::Key_Tab);
    TaperIci(&d, date);
    Touche(d.focusWidget(), Qt::Key_Return);
  }
};

}  // namespace

TEST_F(NouvelleClasse, SaisieAuClavierEtConseilUneFois) {
  TDialNouvelleClasse d(nullptr, Jour);
  d.show();
  EXPECT_TRUE(d.windowTitle() == "Nouvelle classe" && Titre(d) == " Élève n° 1 " &&
              d.focusWidget() == Champ(&d, "EditNom"));

  Touche(Champ(&d, "EditNom"), Qt::Key_Return);  // no name: the index stays
  EXPECT_EQ(boites_, std::vector<QString>{QStringLiteral("L'élève doit obligatoirement avoir un nom.")});
  EXPECT_EQ(d.Indice(), 1);

  Eleve(d, "martin", "émile", "");  // advice, the student stays shown, the date focused
  EXPECT_EQ(boites_.back(), Conseil);
  EXPECT_TRUE(d.Indice() == 1 && d.focusWidget() == Champ(&d, "EditDateN"));
  Touche(d.focusWidget(), Qt::Key_Return);  // given once: now it moves on
  EXPECT_TRUE(d.Indice() == 2 && Titre(d) == " Élève n° 2 ");
  Eleve(d, "durand", "", "");
  EXPECT_TRUE(d.Indice() == 3 && boites_.size() == 2);
  EXPECT_EQ(d.Saisis()[0].Nom + "|" + d.Saisis()[0].Prenom, W("Martin|émile"));  // a-z only

  // Fields: a character without a Windows-1252 form is refused, the length cut as typed.
  Taper(Champ(&d, "EditNom"), "Ō→Lefèvre-Dupont-de-la-Tour");
  EXPECT_EQ(Champ(&d, "EditNom")->text(), "Lefèvre-Dupont-de-la");
  Taper(Champ(&d, "EditDateN"), "0102201345");
  EXPECT_EQ(Champ(&d, "EditDateN")->text(), "01022013");

  Cliquer(&d, "Button1");  // Précédent keeps what was typed
  EXPECT_EQ(Titre(d), " Élève n° 2 ");
  Cliquer(&d, "Button2");
  EXPECT_EQ(Champ(&d, "EditNom")->text(), "Lefèvre-Dupont-de-la");
  Cliquer(&d, "BoutonAide");
  EXPECT_EQ(sujets_, std::vector<QString>{"Dlg_NewClasse"});
  // Escape after names were typed asks first: "Non" keeps the dialog and its students.
  reponses_ = {pf::TReponse::Non, pf::TReponse::Oui};
  Touche(Champ(&d, "EditNom"), Qt::Key_Escape);
  EXPECT_TRUE(d.isVisible() && boites_.back() == QStringLiteral("Abandonner la saisie des élèves ?"));
  Cliquer(&d, "BoutonAnnuler");
  EXPECT_TRUE(!d.isVisible() && d.result() == DialogueAnnule);
}

TEST_F(NouvelleClasse, QuaranteCinqEleves) {
  TDialNouvelleClasse d(nullptr, Jour);
  d.show();
  Cliquer(&d, "BitBtn1");  // nobody yet
  EXPECT_EQ(boites_, std::vector<QString>{QStringLiteral("Il faut au minimum UN élève pour former une classe.")});
  EXPECT_TRUE(d.isVisible());
  for (int i = 1; i <= 46; ++i) Eleve(d, QStringLiteral("Eleve%1").arg(i), "x", "01012012");
  EXPECT_TRUE(d.Indice() == 45 && Champ(&d, "EditNom")->text() == "Eleve46");  // the 46th typed over the 45th
  Cliquer(&d, "BitBtn1");
  EXPECT_EQ(d.result(), DialogueConfirme);
  TClasse c;
  EXPECT_EQ(CreerClasse(c, d.Saisis(), "/tmp/4b.cl3", TOptions{}, Jour), 45);
  EXPECT_EQ(c.Eleve(45).Nom.Texte(), "ELEVE46");
}

// A name cleared on the way back no longer drops the students typed after it.
TEST_F(NouvelleClasse, NomEffaceSansPerdreLesSuivants) {
  TDialNouvelleClasse d(nullptr, Jour);
  d.show();
  for (const char* n : {"Alpha", "Bravo", "Charlie"}) Eleve(d, n, "p", "02022012");
  Cliquer(&d, "Button1");
  Cliquer(&d, "Button1");
  Taper(Champ(&d, "EditNom"), "");
  Cliquer(&d, "BitBtn1");
  ASSERT_EQ(d.result(), DialogueConfirme);
  TClasse c;
  ASSERT_EQ(CreerClasse(c, d.Saisis(), "/tmp/4b.cl3", TOptions{}, Jour), 2);
  EXPECT_EQ(c.Eleve(1).Nom.Texte() + c.Eleve(2).Nom.Texte(), "ALPHACHARLIE");
}

TEST_F(NouvelleClasse, ListeImporteePuisCorrigee) {
  const std::string csv =
      "\xEF\xBB\xBFNom;Prénom;Date de naissance\r\n"
      "Durand;Léa;03/04/2012\r\n"
      "\"Martin; dit Tintin\";Paul;31/02/2012\r\n"
      ";Sans;01/01/2012\r\n"
      "Petit;Zoé;2012-05-06\r\n"
      "DURAND;Lea;\r\n";
  TDialNouvelleClasse d(nullptr, Jour);
  d.show();
  Eleve(d, "Effacé", "x", "01012012");
  QuandOuvert<TDialImportListe>([&csv](TDialImportListe& i) {
    EXPECT_FALSE(i.findChild<QPushButton*>("BoutonImporter")->isEnabled());
    i.Lire(csv, "liste.csv");
    auto* eleves = i.findChild<QTableWidget*>("Eleves");
    auto* ignorees = i.findChild<QTableWidget*>("Ignorees");
    // The impossible date costs Martin his date, not his place; Durand twice comes once.
    ASSERT_EQ(eleves->rowCount(), 4);
    EXPECT_EQ(eleves->item(1, 3)->text() + "|" + eleves->item(1, 5)->text(),
              "|date de naissance inexistante : 31/02/2012, élève gardé sans date");
    EXPECT_EQ(eleves->item(2, 1)->text() + eleves->item(2, 3)->text(), "Petit06/05/2012");
    EXPECT_EQ(eleves->item(3, 5)->text(), "en double (ligne 2)");
    ASSERT_EQ(ignorees->rowCount(), 1);
    EXPECT_TRUE(ignorees->item(0, 0)->text() == "4" && !ignorees->item(0, 2)->text().isEmpty());
    EXPECT_TRUE(
        i.findChild<QLabel*>("Resume")->text().contains("4 élèves à importer, 1 ligne ignorée, dont 1 en double"));
    auto* doubles = i.findChild<QCheckBox*>("GarderDoubles");
    EXPECT_TRUE(doubles->isVisibleTo(&i) && !doubles->isChecked());
    EXPECT_EQ(i.Saisis().size(), 3u);
    doubles->setChecked(true);
    EXPECT_EQ(i.Saisis().size(), 4u);
    doubles->setChecked(false);
    Touche(i.focusWidget(), Qt::Key_Return);  // Importer has the focus
  });
  Cliquer(&d, "BoutonImporter");
  EXPECT_TRUE(d.Indice() == 1 && Champ(&d, "EditNom")->text() == "Durand");
  Touche(Champ(&d, "EditNom"), Qt::Key_Return);
  Taper(Champ(&d, "EditPrenom"), "Zoë");  // corrected before OK
  Cliquer(&d, "BitBtn1");
  ASSERT_EQ(d.result(), DialogueConfirme);
  TClasse c;
  ASSERT_EQ(CreerClasse(c, d.Saisis(), "/tmp/4b.cl3", TOptions{}, Jour), 3);
  EXPECT_EQ(c.Eleve(1).DateNaissance.Texte() + c.Eleve(2).Prenom.Texte() + c.Eleve(3).Prenom.Texte(),
            W("03042012ZoëZoé"));
}

// Without the mouse: Tab goes round the buttons and the fields in the dialog's order.
TEST_F(NouvelleClasse, OrdreDeTabulation) {
  TDialNouvelleClasse d(nullptr, Jour);
  d.show();
  d.activateWindow();
  QStringList vus;
  for (int i = 0; i < 10; ++i) {
    vus << d.focusWidget()->objectName();
    Touche(d.focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(vus.join(' ').toStdString(),
            "EditNom EditPrenom EditDateN BoutonAide BoutonImporter Button1 Button2 BitBtn1 "
            "BoutonAnnuler EditNom");
}
