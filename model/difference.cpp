#include "model/difference.h"

#include <algorithm>
#include <cstring>

namespace calevrin {

namespace {
// Two differing runs closer than this are kept as one: fewer, larger runs cost less.
constexpr std::size_t Ecart = 16;
}  // namespace

std::size_t TDifference::Taille() const {
  std::size_t t = 0;
  for (const TPlage& p : Plages) t += 2 * p.Avant.size();
  return t;
}

TDifference Comparer(const TImage& avant, const TImage& apres) {
  TDifference d;
  const std::size_t n = avant.size();
  std::size_t i = 0;
  while (i < n) {
    // Whole words first: most of the image is unchanged.
    while (i + 8 <= n && std::memcmp(&avant[i], &apres[i], 8) == 0) i += 8;
    while (i < n && avant[i] == apres[i]) ++i;
    if (i >= n) break;
    std::size_t fin = i + 1;
    std::size_t egaux = 0;
    for (std::size_t j = fin; j < n && egaux < Ecart; ++j) {
      if (avant[j] == apres[j]) {
        ++egaux;
      } else {
        egaux = 0;
        fin = j + 1;
      }
    }
    TPlage p;
    p.Debut = static_cast<std::uint32_t>(i);
    p.Avant.assign(avant.begin() + static_cast<std::ptrdiff_t>(i), avant.begin() + static_cast<std::ptrdiff_t>(fin));
    p.Apres.assign(apres.begin() + static_cast<std::ptrdiff_t>(i), apres.begin() + static_cast<std::ptrdiff_t>(fin));
    d.Plages.push_back(std::move(p));
    i = fin;
  }
  return d;
}

void Appliquer(TImage& image, const TDifference& d, bool versAvant) {
  for (const TPlage& p : d.Plages) {
    const std::vector<std::uint8_t>& octets = versAvant ? p.Avant : p.Apres;
    if (p.Debut + octets.size() > image.size()) continue;
    std::copy(octets.begin(), octets.end(), image.begin() + p.Debut);
  }
}

}  // namespace calevrin
