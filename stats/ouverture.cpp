#include "stats/ouverture.h"

#include "stats/stat04.h"
#include "stats/statgraphe.h"

namespace calevrin {

TFenetreStatistique* CreerFenetreStatistique(TFenetreStat genre, TDocumentClasse& document, const TOptions& o,
                                             QWidget* parent) {
  switch (genre) {
    case TFenetreStat::Devoir: return new TStatDevoir(document, o, parent);
    case TFenetreStat::Moyennes: return new TStatMoyennes(document, o, parent);
    case TFenetreStat::Evolution: return new TStatEvolution(document, o, parent);
    case TFenetreStat::Bilan: return new TStatBilan(document, o, parent);
  }
  return nullptr;
}

}  // namespace calevrin
