// Damaged class files: loading, checking, repairing and saving must stay inside the arrays.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "examples/exemple.h"
#include "model/classe.h"
#include "model/fichierclasse.h"
#include "model/note.h"
#include "model/verification.h"

using namespace calevrin;

namespace {

// Reads everything a window would read, through the clamped counts.
double Parcourir(const TClasse& c) {
  double s = 0;
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= c.NbPeriodes(); ++p)
      for (int k = 1; k <= c.NbDevoirs(m, p); ++k) {
        s += c.Devoir(m, p, k).Commentaire.Texte().size();
        for (int e = 1; e <= c.NbEleves(); ++e) {
          const TNote n = LireNote(c.Eleve(e).Note(m, p, k).Vue());
          if (n.EstNote()) s += 1;
        }
      }
  for (int e = 1; e <= c.NbEleves(); ++e) s += c.NomComplet(e, true).size();
  return s;
}

}  // namespace

TEST(Fuzz, FichiersAbimes) {
  auto modele = std::make_unique<TClasse>();
  GenererExemple(*modele);
  auto base = std::make_unique<TImage>();
  EcrireImage(*modele, *base);

  std::mt19937 alea(1789);
  auto image = std::make_unique<TImage>();
  auto retour = std::make_unique<TImage>();
  auto c = std::make_unique<TClasse>();
  for (int essai = 0; essai < 3000; ++essai) {
    *image = *base;
    const int mutations = 1 + static_cast<int>(alea() % 64);
    for (int i = 0; i < mutations; ++i) {
      // Half the mutations hit the counts and class information, where they hurt most.
      const std::size_t pos = alea() % 2 ? PosInfos + alea() % (TailleFichierClasse - PosInfos)
                                         : alea() % TailleFichierClasse;
      (*image)[pos] = static_cast<std::uint8_t>(alea() % 3 == 0 ? 0xFF : alea());
    }
    LireImage(*c, *image);
    EXPECT_GE(Parcourir(*c), 0.0);
    EcrireImage(*c, *retour);
    ASSERT_EQ(*retour, *image) << essai;
    const bool defauts = !VerifierClasse(*c).empty();
    ReparerClasse(*c);
    ASSERT_TRUE(VerifierClasse(*c).empty()) << essai;
    EcrireImage(*c, *retour);
    if (!defauts) {
      ASSERT_EQ(*retour, *image) << "repair changed a well-formed file, " << essai;
    }
  }
}
