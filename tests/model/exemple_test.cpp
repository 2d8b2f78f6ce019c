#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "examples/exemple.h"
#include "model/fichierclasse.h"
#include "model/note.h"
#include "model/verification.h"

using namespace calevrin;

TEST(Exemple, LeFichierLivreEstCeluiQueProduitLeGenerateur) {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  auto image = std::make_unique<TImage>();
  EcrireImage(*c, *image);
  std::ifstream in(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", std::ios::binary);
  const std::vector<std::uint8_t> livre{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_EQ(livre.size(), TailleFichierClasse) << "run: build/calevrin-exemple examples/4eB.cl3";
  EXPECT_TRUE(std::equal(livre.begin(), livre.end(), image->begin()))
      << "the sample is stale; run: build/calevrin-exemple examples/4eB.cl3";

  EXPECT_TRUE(VerifierClasse(*c).empty());
  int codes = 0;
  int lettres = 0;
  for (int e = 1; e <= c->NbEleves(); ++e)
    for (int k = 1; k <= c->NbDevoirs(3, 1); ++k) {
      const std::string t = c->Eleve(e).Note(3, 1, k).Texte();
      if (LireNote(t).Genre == NoteLettre) ++lettres;
    }
  for (int e = 1; e <= c->NbEleves(); ++e)
    for (int m = 1; m <= 3; ++m)
      for (int k = 1; k <= c->NbDevoirs(m, 1); ++k)
        if (!LireNote(c->Eleve(e).Note(m, 1, k).Vue()).EstNote()) ++codes;
  EXPECT_GE(codes, 3);
  EXPECT_EQ(lettres, 1);
}
