#pragma once
// Failures of the class document: those of its files, and what a file holds that is no class.

#include <string_view>

#include "fichiers/erreurs.h"

namespace calevrin {

// One type with the file layer's, so that one handler around a load or a save catches both.
using EErreurClasse = EErreurFichier;

inline constexpr std::string_view MsgPasFichierClasse = "Le fichier %s n'est pas un fichier classe";
inline constexpr std::string_view MsgPasListeEleves = "Le fichier %s n'est pas une liste d'élèves";

}  // namespace calevrin
