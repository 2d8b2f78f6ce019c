#pragma once
// The readability check of a drawing: every text recorded by the canvas lies inside the
// control's rectangle and overlaps no other text. Returns one line per fault, empty when clean.

#include <QRect>
#include <string>
#include <vector>

#include "platform/canevasenregistreur.h"

namespace calevrin::test {

inline std::vector<std::string> Chevauchements(const plateforme::TCanevasEnregistreur& c, const QRect& zone) {
  struct TBoite {
    QRect r;
    std::string texte;
  };
  std::vector<TBoite> boites;
  std::vector<std::string> fautes;
  auto decrire = [](const QRect& r) {
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
  };
  for (const plateforme::TAppel& a : c.Appels()) {
    if (a.Genre != plateforme::TAppel::Texte || a.Chaine.isEmpty()) continue;
    int g, h, d, b;
    c.BoiteTexte(a, g, h, d, b);
    const QRect r(g, h, d - g, b - h);
    const std::string t = "\"" + a.Chaine.toStdString() + "\" " + decrire(r);
    if (r.isEmpty()) continue;  // cut away to nothing by its cell
    if (!zone.contains(r)) fautes.push_back(t + " leaves " + decrire(zone));
    for (const TBoite& autre : boites)
      if (autre.r.intersects(r)) fautes.push_back(t + " overlaps " + autre.texte);
    boites.push_back({r, t});
  }
  return fautes;
}

}  // namespace calevrin::test
