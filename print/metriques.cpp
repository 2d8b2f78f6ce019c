#include "print/metriques.h"

#include <utility>

namespace calevrin {

namespace {

TMetriques& Courantes() {
  static TMetriques m;
  return m;
}

TSourceMetriques& Source() {
  static TSourceMetriques s;
  return s;
}

}  // namespace

const TMetriques& Metriques() { return Courantes(); }

TMetriques CalculerMetriques(const plateforme::TReleveImprimante& releve, double pixelsParPouceEcran) {
  TMetriques m;
  // A printer that answers zero (a queue gone since the start) would divide by zero below.
  const bool utilisable =
      releve.NbImprimantes > 0 && releve.Resolution > 0 && releve.LargeurPhysique > 0 && releve.HauteurPhysique > 0;
  if (utilisable) {
    m.ResolutionImprimante = releve.Resolution;
    m.LargeurPhysique = releve.LargeurPhysique;
    m.HauteurPhysique = releve.HauteurPhysique;
    m.ResolutionVerticale = releve.ResolutionVerticale > 0 ? releve.ResolutionVerticale : releve.Resolution;
  } else {
    m.ResolutionImprimante = ResolutionSansImprimante;
    m.LargeurPhysique = LargeurSansImprimante;
    m.HauteurPhysique = HauteurSansImprimante;
    m.ResolutionVerticale = ResolutionSansImprimante;
  }
  m.RapportEcran = pixelsParPouceEcran / m.ResolutionImprimante;
  return m;
}

const TMetriques& LireMetriques() {
  const TSourceMetriques& s = Source();
  const double ecran = s.pixelsParPouceEcran ? s.pixelsParPouceEcran() : plateforme::PixelsParPouceEcran();
  const plateforme::TReleveImprimante releve = s.imprimante ? s.imprimante() : plateforme::ReleverImprimanteCourante();
  Courantes() = CalculerMetriques(releve, ecran);
  return Courantes();
}

TSourceMetriques RemplacerSourceMetriques(TSourceMetriques source) {
  return std::exchange(Source(), std::move(source));
}

}  // namespace calevrin
