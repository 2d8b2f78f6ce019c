#pragma once
// The bytes that a change of the class altered in its file image, kept both ways so that the
// change can be undone and redone. A grade typed alters a few bytes; sorting the class, most.

#include <cstdint>
#include <vector>

#include "model/fichierclasse.h"

namespace calevrin {

struct TPlage {
  std::uint32_t Debut = 0;
  std::vector<std::uint8_t> Avant;
  std::vector<std::uint8_t> Apres;  // as long as Avant
};

struct TDifference {
  std::vector<TPlage> Plages;
  bool Vide() const { return Plages.empty(); }
  std::size_t Taille() const;  // bytes kept
};

TDifference Comparer(const TImage& avant, const TImage& apres);
// Puts back the bytes of before (versAvant) or of after into an image that holds the other side.
void Appliquer(TImage& image, const TDifference& d, bool versAvant);

}  // namespace calevrin
