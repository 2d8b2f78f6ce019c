#include "stats/ouverture.h"

#include "stats/stat04.h"
#include "stats/statgraphe.h"

namespace calevrin {

TFenetreStatistique* CreerFenetreStatistique(TFenetreStat genre, TDocumentClasse& document, const TOptions& o,
                                             QWidget* parent) {
  switch (genre) {
    case TFenetreStat::Devoir: return new TStat02(document, o, parent);
    case TFenetreStat::Moyennes: return new TStat03(document, o, parent);
    case TFenetreStat::Evolution: return new TStat01(document, o, parent);
    case TFenetreStat::Bilan: return new TStat04(document, o, parent);
  }
  return nullptr;
}

}  // namespace calevrin
