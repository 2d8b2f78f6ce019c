#pragma once
// A statistics window of any kind on a class document.

#include "model/statistiques.h"

class QWidget;

namespace calevrin {

class TDocumentClasse;
class TFenetreStatistique;

TFenetreStatistique* CreerFenetreStatistique(TFenetreStat genre, TDocumentClasse& document, const TOptions& o,
                                             QWidget* parent = nullptr);

}  // namespace calevrin
