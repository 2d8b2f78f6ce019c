#pragma once

#include "model/classe.h"

namespace calevrin {

// A 4e class at the end of its first trimester, the same bytes every time.
void GenererExemple(TClasse& c);

}  // namespace calevrin
