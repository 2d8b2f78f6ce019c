#include "dialogs/fiches.h"

#include <filesystem>

#include "tests/common/fichiers.h"
#include "tests/common/pilote.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

// Trimesters, one subject with one test in trimester 2 (the current view): AA 12, BB abs, CC 15.
std::unique_ptr<TClasse> Classe(const std::string& fichier) {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("3A");
  c->NomFichier = fichier;
  c->Matiere(1).Nom.Affecter("Maths");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(3);
  c->FixerPeriodeCourante(2);
  const char* eleves[][2] = {{"AA", "12"}, {"BB", "abs"}, {"CC", "15"}};
  int e = 0;
  for (const auto& [nom, note] : eleves) {
    c->Eleve(++e).Nom.Affecter(nom);
    c->Eleve(e).Note(1, 2, 1).Affecter(note);
  }
  c->FixerNbEleves(e);
  c->FixerNbDevoirs(1, 2, 1);
  return c;
}

int Pages(const std::string& pdf) {
  return static_cast<int>(QString::fromLatin1(QByteArray::fromStdString(pdf))
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class Fiches : public Enregistreur {};

}  // namespace

TEST_F(Fiches, ChoixPdfEtApercu) {
  TRepertoireTemp dir;
  const auto c = Classe(dir / "3e A.cl3");
  TDialFiches d(nullptr, *c, Options);

  // Opens on the sheet's period, every student, every part of the page.
  auto* periode = d.findChild<QComboBox*>(QStringLiteral("Periode"));
  QStringList periodes;
  for (int i = 0; i < periode->count(); ++i) periodes << periode->itemText(i);
  EXPECT_EQ(periodes, (QStringList{"Trimestre 1", "Trimestre 2", "Trimestre 3", "Année"}));
  EXPECT_EQ(d.Periode(), 2);
  EXPECT_EQ(d.Eleves(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(d.Contenu(), TContenuFiche{});
  EXPECT_EQ(d.PdfPropose(), QString::fromStdString(dir / "3e A - fiches Trimestre 2.pdf"));

  // The ticked students alone; none ticked, nothing to print.
  Cliquer(&d, "Choisis");
  auto* liste = d.findChild<QListWidget*>(QStringLiteral("Eleves"));
  liste->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(d.Eleves(), (std::vector<int>{1, 3}));
  ASSERT_TRUE(d.EcrirePdf(d.PdfPropose()));
  EXPECT_EQ(Pages(Contenu((dir / "3e A - fiches Trimestre 2.pdf"))), 2);
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Etat"))->text(), "PDF écrit : " + d.PdfPropose());
  for (const int i : {0, 2}) liste->item(i)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("Pdf"))->isEnabled());
  Cliquer(&d, "Tous");
  EXPECT_TRUE(d.findChild<QPushButton*>(QStringLiteral("Pdf"))->isEnabled());

  // A target that cannot be written: the writers' message, nothing left behind.
  EXPECT_FALSE(d.EcrirePdf(QString::fromStdString(dir / "absent/x.pdf")));
  EXPECT_EQ(boites_,
            (std::vector<QString>{"Impossible de créer le fichier " + QString::fromStdString(dir / "absent/x.pdf")}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Chemin()), {}), 1);

  // The preview: one page per student, the pages those of the printout.
  TApercuFiches apercu(&d, d.Fiches(), ParametresFiches(d.Contenu(), Options));
  EXPECT_EQ(apercu.NbPages(), 3);
  Cliquer(&apercu, "Suivante");
  EXPECT_EQ(apercu.PageCourante(), 1);
  EXPECT_EQ(apercu.findChild<QLabel*>(QStringLiteral("Numero"))->text(), "Page 2 / 3");
  EXPECT_EQ(apercu.Image(), ImagePageFiche(d.Fiches()[1], 1, ParametresFiches(d.Contenu(), Options), 794));
  apercu.AllerA(7);
  EXPECT_EQ(apercu.PageCourante(), 2);

  Cliquer(&d, "BoutonAide");
  EXPECT_EQ(sujets_, (std::vector<QString>{"FichesEleves"}));
}
