#pragma once
// The pictures of the statistics windows' buttons, drawn rather than loaded.

#include <QIcon>

namespace calevrin {

enum class TIconeStat { Barre, Ligne, Tendance, Imprimer };

QIcon IconeStat(TIconeStat icone);

}  // namespace calevrin
