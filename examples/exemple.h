#pragma once

#include "model/classe.h"

namespace calevrin {

// A 4e class at the end of its first trimester, the same bytes every time.
void GenererExemple(TClasse& c);

// A class at every limit, for tests and benchmarks: 45 students, 24 tests in each of three
// subjects and three periods, Joker on; among the grades codes, letters, empty cells and tests
// of coefficient 0; the longest names and comments.
void GenererClassePleine(TClasse& c);

}  // namespace calevrin
