#pragma once
// The user's regional settings.

namespace calevrin::plateforme {

// The decimal separator of the user's numeric locale (LC_ALL, LC_NUMERIC, then LANG).
char SeparateurDecimal();

}  // namespace calevrin::plateforme
