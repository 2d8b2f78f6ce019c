#include "dialogs/importnotes.h"

#include <sys/stat.h>

#include <fstream>

#include "dialogs/resultats.h"
#include "model/edition.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

const TDateJour Lundi{2026, 12, 7};

// Four students in subject 1, trimester 2, one test already there with two grades.
std::unique_ptr<TClasse> Classe() {
  auto c = std::make_unique<TClasse>();
  for (const char* nom : {"DUPONT", "LEVY", "MARTIN", "PETIT"}) AjouterEleve(*c, nom, "Eva", "", Options);
  c->Abreviation.Affecter("4A");
  c->FixerPeriodeCourante(2);
  AjouterDevoir(*c, "d1", "1h", 1.0, "Contr\xF4le");
  c->Eleve(1).Note(1, 2, 1).Affecter("8");
  c->Eleve(2).Note(1, 2, 1).Affecter("9");
  return c;
}

std::string Notes(const TClasse& c, int k) {
  std::string r;
  for (int e = 1; e <= c.NbEleves(); ++e) r += (e > 1 ? " " : "") + c.Eleve(e).Note(1, 2, k).Texte();
  return r;
}

QTableWidget* Table(QWidget* d) { return d->findChild<QTableWidget*>("Apercu"); }
QString Cellule(QWidget* d, int ligne, int colonne) { return Table(d)->item(ligne, colonne)->text(); }

class ImportNotes : public Enregistreur {
 protected:
  void Ecrire(const std::string& nom, const std::string& texte) { std::ofstream(dossier_ / nom) << texte; }
  TOptions o_;
  std::unique_ptr<TClasse> c_ = Classe();
  TRepertoireTemp dossier_;
};

}  // namespace

TEST_F(ImportNotes, ExportDeQuizDansUnNouveauDevoir) {
  Ecrire("quiz-chapitre_3.csv",
         "Nom de famille;Pr\xC3\xA9nom;Adresse de courriel;Note/10,00\n"
         "Dupont;Eva;d@e.fr;6,175\nLevy;Eva;l@e.fr;7\nLevy;Eva;l@e.fr;7,5\nPetit;Eva;p@e.fr;11\n");
  TDialImportNotes d(nullptr, *c_, o_, Lundi);
  EXPECT_EQ(d.windowTitle(), "Importer des notes ( 4A )");
  EXPECT_FALSE(d.findChild<QPushButton*>("BoutonOK")->isEnabled());
  d.LireFichier(QString::fromStdString(dossier_ / "quiz-chapitre_3.csv"));
  EXPECT_EQ(d.findChild<QComboBox*>("ColonneNom")->currentText(), "Nom de famille + Prénom");
  EXPECT_EQ(d.findChild<QComboBox*>("ColonneNote")->currentText(), "Note/10,00");
  EXPECT_EQ(Champ(&d, "Sur")->text(), "10");
  EXPECT_EQ(Champ(&d, "Edit1")->text(), "lun. 7 déc.");
  EXPECT_EQ(Champ(&d, "Edit4")->text(), "Quiz chapitre 3");
  EXPECT_EQ(d.findChild<QLabel*>("Resume")->text(),
            "quiz-chapitre_3.csv : 4 lignes lues (UTF-8, séparateur point-virgule, ligne d'en-tête) : 1 note à "
            "enregistrer, 3 lignes refusées, 1 élève sans note.");
  // The duplicate and the value out of range in red, the student without a row last.
  ASSERT_EQ(Table(&d)->rowCount(), 5);
  EXPECT_EQ(Cellule(&d, 1, 4), "en double avec la ligne 4");
  EXPECT_EQ(Cellule(&d, 3, 4), "22 en dehors du domaine de validité");
  EXPECT_EQ(Table(&d)->item(3, 4)->foreground().color(), QColor(Qt::red));
  EXPECT_EQ(Cellule(&d, 4, 3) + Cellule(&d, 4, 4), "MARTIN Evasans note");

  // The teacher leaves out the wrong one of the two rows: the other is taken.
  Table(&d)->item(1, 0)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(Cellule(&d, 2, 4), "15");
  Taper(Champ(&d, "Edit3"), "2");
  Cliquer(&d, "BoutonOK");
  EXPECT_EQ(d.result(), DialogueConfirme);
  ASSERT_EQ(c_->NbDevoirs(1, 2), 2);
  EXPECT_EQ(Notes(*c_, 2), "12.4 15  ");
  EXPECT_EQ(c_->Devoir(1, 2, 2).Commentaire.Texte(), "Quiz chapitre 3");
  EXPECT_EQ(c_->Devoir(1, 2, 2).Coef, 2);
  EXPECT_TRUE(boites_.empty());
}

TEST_F(ImportNotes, CollageDansLeDevoirExistant) {
  const auto avant = Image(*c_);
  QGuiApplication::clipboard()->setText(QStringLiteral("DUPONT eva\t14\nLevy\t-\nmartin\tabs\n"));
  {  // cancelled: nothing written
    TDialImportNotes d(nullptr, *c_, o_, Lundi);
    Cliquer(&d, "BoutonColler");
    EXPECT_TRUE(d.findChild<QPushButton*>("BoutonOK")->isEnabled());
    Cliquer(&d, "BoutonAnnuler");
    EXPECT_EQ(Image(*c_), avant);
  }
  TDialImportNotes d(nullptr, *c_, o_, Lundi);
  Cliquer(&d, "BoutonColler");
  EXPECT_EQ(Champ(&d, "Edit4")->text(), "");
  EXPECT_FALSE(d.findChild<QCheckBox*>("Remplacer")->isEnabled());
  d.findChild<QRadioButton*>("Existant")->setChecked(true);
  EXPECT_EQ(Cellule(&d, 0, 4), "note existante gardée (8)");
  d.findChild<QCheckBox*>("Remplacer")->setChecked(true);
  EXPECT_EQ(Cellule(&d, 0, 4), "14 (remplace 8)");
  EXPECT_EQ(Cellule(&d, 1, 4), "sans note");
  Cliquer(&d, "BoutonOK");
  EXPECT_EQ(c_->NbDevoirs(1, 2), 1);
  EXPECT_EQ(Notes(*c_, 1), "14 9 abs ");
}

TEST_F(ImportNotes, SourcesRefuseesEtPeriodePleine) {
  const auto avant = Image(*c_);
  Ecrire("utf16.csv", std::string("N\0o\0m\0;\0N\0o\0t\0e\0", 16));
  Ecrire("grand.csv", std::string((1 << 20) + 1, 'x'));
  Ecrire("sansnote.csv", "Nom;Note\nDupont;abs\n");
  ::mkfifo((dossier_ / "tube").c_str(), 0600);
  TDialImportNotes d(nullptr, *c_, o_, Lundi);
  for (const char* f : {"utf16.csv", "grand.csv", "tube", "sansnote.csv"})
    d.LireFichier(QString::fromStdString(dossier_ / f));
  QGuiApplication::clipboard()->setText(QString(2 << 20, QLatin1Char('x')));
  Cliquer(&d, "BoutonColler");
  ASSERT_EQ(boites_.size(), 5u);
  EXPECT_TRUE(boites_[0].startsWith("Encodage inconnu"));
  EXPECT_TRUE(boites_[1].endsWith("n'est pas un tableau de notes : un fichier ordinaire de 1 Mo au plus est attendu."));
  EXPECT_TRUE(boites_[2].endsWith("n'est pas un tableau de notes : un fichier ordinaire de 1 Mo au plus est attendu."));
  EXPECT_EQ(boites_[3], "La colonne de notes « Note » ne contient aucun nombre.");
  EXPECT_EQ(boites_[4], "Le presse-papiers contient 2 Mo : un tableau de notes en fait au plus 1 Mo.");
  EXPECT_FALSE(d.findChild<QPushButton*>("BoutonOK")->isEnabled());
  EXPECT_EQ(Image(*c_), avant);

  // 24 tests: only an existing one can receive the grades.
  for (int k = 2; k <= MaxDevoirs; ++k) AjouterDevoir(*c_, "", "", 1, "");
  TDialImportNotes plein(nullptr, *c_, o_, Lundi);
  EXPECT_FALSE(plein.findChild<QRadioButton*>("Nouveau")->isEnabled());
  EXPECT_TRUE(plein.findChild<QRadioButton*>("Existant")->isChecked());
  EXPECT_EQ(plein.findChild<QComboBox*>("CB")->currentIndex(), MaxDevoirs - 1);
}
