// Damaged class files: loading, checking, repairing and saving must stay inside the arrays.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "examples/exemple.h"
#include "model/classe.h"
#include "model/fichierclasse.h"
#include "model/note.h"
#include "model/verification.h"

using namespace calevrin;

namespace {

// Reads everything a window would read, through the clamped counts: the faults found, a
// count beyond its limit or a text beyond its capacity.
int Defauts(const TClasse& c) {
  int d = 0;
  d += c.NbEleves() < 0 || c.NbEleves() > MaxEleves;
  d += c.NbMatieres() < 1 || c.NbMatieres() > MaxMatieres;
  d += c.NbPeriodes() < 2 || c.NbPeriodes() > MaxPeriodes;
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= c.NbPeriodes(); ++p) {
      d += c.NbDevoirs(m, p) < 0 || c.NbDevoirs(m, p) > MaxDevoirs;
      for (int k = 1; k <= c.NbDevoirs(m, p); ++k) {
        d += c.Devoir(m, p, k).Commentaire.Vue().size() > decltype(TDevoir::Commentaire)::Capacite;
        for (int e = 1; e <= c.NbEleves(); ++e) {
          const std::string_view note = c.Eleve(e).Note(m, p, k).Vue();
          d += note.size() > TTexteNote::Capacite;
          d += LireNote(note, Options).EstNote() && !std::isfinite(LireNote(note, Options).Valeur);
        }
      }
    }
  for (int e = 1; e <= c.NbEleves(); ++e)
    d += c.NomComplet(e, true).size() > decltype(TEleve::Nom)::Capacite + 1 + decltype(TEleve::Prenom)::Capacite;
  return d;
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
    if (essai % 500 == 0)  // every byte, NaN doubles and length bytes 255 included, comes back
      for (auto& b : *image) b = static_cast<std::uint8_t>(essai == 0 ? 0xFF : alea());
    const int mutations = 1 + static_cast<int>(alea() % 64);
    for (int i = 0; i < mutations; ++i) {
      // Half the mutations hit the counts and class information, where they hurt most.
      const std::size_t pos =
          alea() % 2 ? PosInfos + alea() % (TailleFichierClasse - PosInfos) : alea() % TailleFichierClasse;
      (*image)[pos] = static_cast<std::uint8_t>(alea() % 3 == 0 ? 0xFF : alea());
    }
    LireImage(*c, *image);
    EXPECT_EQ(Defauts(*c), 0) << essai;
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
