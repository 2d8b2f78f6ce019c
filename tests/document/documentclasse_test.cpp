#include <gtest/gtest.h>

#include <vector>

#include "document/documentclasse.h"
#include "model/erreurs.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

// A window of a class hears each change of that class once, with its code and arguments;
// the windows of another class hear nothing of it.
TEST(DocumentClasse, SeulesLesFenetresDeLaClasseEntendent) {
  TDocumentClasse a(std::make_unique<TClasse>());
  TDocumentClasse b(std::make_unique<TClasse>());
  std::vector<TChangement> entendusA;
  std::vector<TChangement> entendusB;
  std::vector<bool> modifications;
  QObject::connect(&a, &TDocumentClasse::Change, [&](const TChangement& c) { entendusA.push_back(c); });
  QObject::connect(&b, &TDocumentClasse::Change, [&](const TChangement& c) { entendusB.push_back(c); });
  QObject::connect(&a, &TDocumentClasse::ModificationChangee, [&](bool m) { modifications.push_back(m); });
  a.NotifierStatistiques(TCodeChangement::Note, 2, 7, 12);
  a.MarquerModifie();
  EXPECT_EQ(entendusA, (std::vector<TChangement>{{TCodeChangement::Note, 2, 7, 12}}));
  EXPECT_EQ(static_cast<int>(entendusA[0].Code), 3);  // the number the statistics windows know
  EXPECT_TRUE(entendusB.empty());
  EXPECT_TRUE(a.Modifie());
  EXPECT_FALSE(b.Modifie());
  EXPECT_EQ(modifications, std::vector<bool>{true});
}

// Saving clears the mark; a copy elsewhere neither clears it nor renames the class, even
// when it fails.
TEST(DocumentClasse, EnregistrerEtCopies) {
  test::TRepertoireTemp dir;
  TDocumentClasse d(std::make_unique<TClasse>());
  d.FixerChemin(dir / "a.cl3");
  d.MarquerModifie();
  d.EnregistrerCopie(dir / "a.bak");
  EXPECT_TRUE(d.Modifie());
  EXPECT_EQ(d.Chemin(), dir / "a.cl3");
  EXPECT_THROW(d.EnregistrerCopie(dir / "absent/a.bak"), EErreurClasse);
  EXPECT_EQ(d.Chemin(), dir / "a.cl3");
  d.Enregistrer();
  EXPECT_FALSE(d.Modifie());
  auto relu = TDocumentClasse::Ouvrir(dir / "a.bak");
  EXPECT_EQ(relu->Chemin(), dir / "a.bak");
  EXPECT_THROW(TDocumentClasse::Ouvrir(dir / "absent.cl3"), EErreurClasse);
}
