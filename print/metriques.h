#pragma once
// The printer metrics: the numbers through which the preview, the printing of the sheet and
// the print dialog convert between screen pixels, printer pixels and centimetres.

#include <cstdint>
#include <functional>

#include "platform/imprimantes.h"

namespace calevrin {

struct TMetriques {
  std::int32_t ResolutionImprimante = 0;  // the printer's horizontal pixels per inch
  std::int32_t LargeurPhysique = 0;       // the sheet of paper, in printer pixels
  std::int32_t HauteurPhysique = 0;
  double RapportEcran = 0.0;  // screen pixels per inch / ResolutionImprimante
  // Pixels per inch down the page: HauteurPhysique is counted in these.
  std::int32_t ResolutionVerticale = 0;
  bool operator==(const TMetriques&) const = default;
};

// Without a printer: an A4 sheet at 300 pixels per inch.
inline constexpr std::int32_t ResolutionSansImprimante = 300;
inline constexpr std::int32_t LargeurSansImprimante = 2481;
inline constexpr std::int32_t HauteurSansImprimante = 3507;

// The process-wide set as the last LireMetriques left it; all zero before the first.
const TMetriques& Metriques();

// Reads the printer and the screen once and keeps the result until the next call, so that
// a change of printer or paper shows at the next call and never in between.
const TMetriques& LireMetriques();

// The set from one reading: the fallback values when no destination is installed or the
// printer gives no usable resolution or paper size.
TMetriques CalculerMetriques(const plateforme::TReleveImprimante& releve, double pixelsParPouceEcran);

// Where LireMetriques reads; an empty member means the platform's own function.
struct TSourceMetriques {
  std::function<plateforme::TReleveImprimante()> imprimante;
  std::function<double()> pixelsParPouceEcran;
};
// Installs another source (a fake printer in tests); returns the previous one.
TSourceMetriques RemplacerSourceMetriques(TSourceMetriques source);

}  // namespace calevrin
