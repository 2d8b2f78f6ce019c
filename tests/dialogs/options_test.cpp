#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <fstream>
#include <sstream>

#include "controls/couleurs.h"
#include "controls/saisienombre.h"
#include "dialogs/choixoptions.h"
#include "platform/canevasenregistreur.h"
#include "platform/chemins.h"
#include "platform/texte.h"
#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

const std::string Attendu = std::string(CALEVRIN_SOURCE_DIR) + "/tests/dialogs/apercu_defaut.txt";

// One line per call: what a reader checks against the sample's description.
std::string Liste(const pf::TCanevasEnregistreur& c) {
  std::ostringstream s;
  s << std::hex;
  for (const pf::TAppel& a : c.Appels()) {
    switch (a.Genre) {
      case pf::TAppel::Texte:
        s << "texte " << std::dec << a.X1 << ' ' << a.Y1 << " \"" << a.Chaine.toStdString() << "\" "
          << a.Police.Nom.toStdString() << ' ' << a.Police.Taille << (a.Police.Gras ? " gras" : "") << std::hex
          << " couleur " << a.Police.Couleur << (a.StyleBrosse == pf::TStyleBrosse::Vide ? " transparent" : " fond")
          << '\n';
        break;
      case pf::TAppel::Ligne:
        s << "ligne " << std::dec << a.X1 << ' ' << a.Y1 << ' ' << a.X2 << ' ' << a.Y2 << std::hex << " couleur "
          << a.Plume << '\n';
        break;
      default:
        s << "remplissage " << std::dec << a.X1 << ' ' << a.Y1 << ' ' << a.X2 << ' ' << a.Y2 << std::hex << " couleur "
          << a.Brosse << '\n';
    }
  }
  return s.str();
}

class DialOption : public test::Enregistreur {
 protected:
  DialOption() {
    d_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d_));
  }
  template <class W>
  W* W_(const char* nom) {
    W* w = d_.findChild<W*>(QLatin1String(nom));
    EXPECT_TRUE(w) << nom;
    return w;
  }
  void Ecrire(const char* nom, const QString& t) { W_<QLineEdit>(nom)->setText(t); }
  void Valeur(const char* nom, const QString& t) { W_<TSaisieNombre>(nom)->Edit()->setText(t); }
  // OK refused: the dialog still open, one message.
  void Refuse(const char* quoi) {
    const std::size_t avant = boites_.size();
    W_<QPushButton>("BoutonOK")->click();
    EXPECT_TRUE(d_.isVisible() && boites_.size() == avant + 1) << quoi;
  }

  TOptions o_;
  TDialOption d_{nullptr, o_};
};

}  // namespace

TEST(Apercu, OptionsParDefaut) {
  pf::TCanevasEnregistreur c;
  DessinerApercu(c, TOptions{});
  const std::string liste = Liste(c);
  if (std::getenv("CALEVRIN_REGENERER")) std::ofstream(Attendu) << liste;
  EXPECT_EQ(liste, test::Contenu(Attendu));
  // Grades rounded: the sample's 12.5 reads 13, as on the sheet.
  TOptions arrondies;
  arrondies.arrondiN = true;
  pf::TCanevasEnregistreur r;
  DessinerApercu(r, arrondies);
  EXPECT_TRUE(r.TrouverTexte(QStringLiteral("13")) && !r.TrouverTexte(QStringLiteral("12")) &&
              !r.TrouverTexte(QStringLiteral("12.5")));
  EXPECT_EQ(ExempleTitre(2, true), "3A / Anglais / Trimestre 1 / Devoir 4 ( 1999 / 2000 )");
  EXPECT_EQ(ExempleTitre(6, false), "3A   Anglais   Trimestre 1   Devoir 4");
}

TEST_F(DialOption, ChaqueControleRevientDansLesOptions) {
  EXPECT_EQ(d_.windowTitle(), "Choix des options");
  EXPECT_EQ(d_.findChild<QTabWidget*>("Onglets")->count(), 8);
  EXPECT_EQ(W_<QListWidget>("LB2")->currentRow(), -1);
  EXPECT_EQ(W_<QListWidget>("LB3")->count(), 49);
  EXPECT_EQ(W_<QComboBox>("CB1")->currentIndex(), 1);  // relief 1, "En creux"
  EXPECT_EQ(W_<QLineEdit>("Edit3")->text(), "1.00");
  EXPECT_EQ(d_.Apercu().size(), QSize(501, 181));

  const struct {
    const char* nom;
    bool TOptions::*champ;
  } cases[] = {{"CheckBox6", &TOptions::majuscule},      {"CheckBox2", &TOptions::prenom},
               {"CheckBox11", &TOptions::textebas},      {"CheckBox4", &TOptions::arrondiN},
               {"CheckBox14", &TOptions::alignernb},     {"CheckBox3", &TOptions::trait},
               {"CheckBox15", &TOptions::tailleid},      {"CheckBox7", &TOptions::noirblanc},
               {"CheckBox13", &TOptions::marge},         {"CheckBox12", &TOptions::sauvegarde},
               {"CheckBox10", &TOptions::imprimerAnnee}, {"CheckBox17", &TOptions::centrert},
               {"CheckBox16", &TOptions::utiliserL},     {"CheckBox9", &TOptions::verification},
               {"CheckBox8", &TOptions::moydiv2}};
  for (const auto& c : cases) W_<QCheckBox>(c.nom)->click();
  W_<QCheckBox>("CBGras")->click();
  W_<QCheckBox>("CBItalic")->click();
  W_<TColorPanel>("ColorPanel3")->FixerColor(0xFF0000);
  W_<TColorPanel>("ColorPanel7")->FixerColor(0x00FF00);
  W_<QListWidget>("LB2")->setCurrentRow(0);
  const QString police = W_<QListWidget>("LB2")->item(0)->text();
  for (const auto& [nom, texte] :
       {std::pair{"Edit2", "2.5"}, {"Edit6", "1,5"}, {"Edit3", "abc"}, {"Edit4", "1.25"}, {"Edit5", ""}})
    Ecrire(nom, texte);
  W_<QComboBox>("CB1")->setCurrentIndex(0);
  W_<QComboBox>("CB2")->setCurrentIndex(9);
  auto* st1 = W_<QTableWidget>("ST1");
  st1->item(0, 0)->setText("Z");
  st1->item(1, 0)->setText("16.5");
  st1->item(1, 1)->setText("x");  // not a number: the old value stays
  for (const auto& [nom, texte] : {std::pair{"SN1", "16"}, {"SN2", "200"}, {"SN3", "12"}}) Valeur(nom, texte);
  W_<QPushButton>("BoutonOK")->click();
  ASSERT_EQ(d_.result(), DialogueConfirme);
  EXPECT_TRUE(boites_.empty());

  TOptions a = o_;
  for (const auto& c : cases) a.*c.champ = !(o_.*c.champ);
  a.polstyle = {true, true, false};
  a.couleur[3] = 0xFF0000;
  a.couleur[7] = 0x00FF00;
  a.polname = pf::VersCp1252(police).value();
  a.zoomP = 2.5;
  a.zoomD = 1.5;
  a.kd = 1.0;
  a.kp = 1.25;
  a.repsauve = pf::RepertoireSauvegardeParDefaut();
  a.relief = 2;
  a.indsep = 9;
  a.cores[1] = {"Z", 16.5};
  a.notemax = 16;
  a.coefmax = 200;
  a.notemoy = 12;  // the half of the maximum no longer applies
  EXPECT_EQ(d_.CopieOptions(), a);
}

TEST_F(DialOption, TaillesLieesEtApercuRedessine) {
  const QImage avant = d_.Apercu();
  W_<QListWidget>("LB3")->setCurrentRow(28);  // "3.0"
  EXPECT_EQ(W_<QLineEdit>("Edit2")->text() + W_<QLineEdit>("Edit6")->text(), "3.03.0");
  EXPECT_TRUE(d_.CopieOptions().zoomD == 3.0 && d_.CopieOptions().zoomP == 3.0);
  EXPECT_NE(d_.Apercu(), avant);
  // The vertical grid line at x = 98 units moved from 196 to 294 pixels.
  const QRgb fond = d_.Apercu().pixel(5, 5);
  EXPECT_NE(d_.Apercu().pixel(294, 170), fond);
  EXPECT_EQ(d_.Apercu().pixel(196, 170), fond);

  Ecrire("Edit2", "1.5");
  W_<QCheckBox>("CheckBox15")->click();  // untied, the grid takes the font's size once
  EXPECT_EQ(W_<QLineEdit>("Edit6")->text(), "1.5");
  W_<QListWidget>("LB3")->setCurrentRow(0);
  EXPECT_EQ(W_<QLineEdit>("Edit6")->text(), "1.5");

  Ecrire("Edit1", "Police inconnue");  // not read
  W_<QCheckBox>("CheckBox2")->click();
  EXPECT_EQ(d_.CopieOptions().polname, "Arial");

  // The background of the sample follows the panel "Fond".
  auto* fond3 = W_<TColorPanel>("ColorPanel3");
  fond3->FixerColor(0xFF0000);
  fond3->OnChange(fond3);
  EXPECT_EQ(d_.Apercu().pixel(5, 5), qRgb(0, 0, 255));
}

// A letter goes into a two-character Windows-1252 field: what it cannot hold never gets in.
TEST_F(DialOption, LettresDeLaTable) {
  auto* st1 = W_<QTableWidget>("ST1");
  st1->setFocus();
  st1->setCurrentCell(0, 0);
  st1->editItem(st1->item(0, 0));
  auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (!e) e = st1->findChild<QLineEdit*>();
  ASSERT_TRUE(e);
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  for (const QChar ch : QStringLiteral("\u0142\u20acAB"))
    QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  EXPECT_EQ(e->text(), QStringLiteral("\u20acA"));
  W_<QPushButton>("BoutonOK")->click();
  EXPECT_EQ(d_.CopieOptions().cores[1].coresL,
            "\x80"
            "A");
}

TEST_F(DialOption, ValeursRefuseesALaValidation) {
  Valeur("SN1", "30");
  W_<QCheckBox>("CheckBox9")->click();  // the range check off: 30 still refused
  Refuse("note max 30");
  EXPECT_TRUE(boites_.back().contains("Note, de 0 à")) << boites_.back().toStdString();
  EXPECT_TRUE(boites_.back().contains("de 0 à 24"));
  W_<QCheckBox>("CheckBox9")->click();
  Valeur("SN1", "18");

  Ecrire("Edit6", "0");
  Refuse("zoom 0");
  EXPECT_EQ(d_.focusWidget(), W_<QLineEdit>("Edit6"));
  Ecrire("Edit6", "5.5");
  Refuse("zoom 5.5");
  Ecrire("Edit6", "2");
  Ecrire("Edit3", "0");
  Refuse("kd 0");
  Ecrire("Edit3", "0.5");

  test::TRepertoireTemp rep;
  std::ofstream(rep / "fichier") << "x";
  Ecrire("Edit5", QString::fromStdString(rep / "fichier"));
  Refuse("un fichier pour dossier");
  reponses_ = {pf::TReponse::Non};
  Ecrire("Edit5", QString::fromStdString(rep / "neuf"));
  Refuse("dossier non créé");
  EXPECT_FALSE(std::filesystem::exists(rep / "neuf"));
  reponses_ = {pf::TReponse::Oui};
  W_<QPushButton>("BoutonOK")->click();
  ASSERT_EQ(d_.result(), DialogueConfirme);
  EXPECT_TRUE(std::filesystem::is_directory(rep / "neuf"));
  TOptions a = o_;  // "note max / 2" ticked by default
  std::tie(a.repsauve, a.notemax, a.notemoy, a.kd) = std::tuple{rep / "neuf/", 18, 9, 0.5};
  EXPECT_EQ(d_.CopieOptions(), a);
}
