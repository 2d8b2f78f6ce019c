#include "examples/exemple.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "model/fichierclasse.h"
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
}
