#pragma once

#include "cli/arguments.h"

namespace calevrin::cli {

// The ranking as the ranking dialog puts it on the clipboard, in UTF-8.
extern const TCommande CommandeClassement;

}  // namespace calevrin::cli
