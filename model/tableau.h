#pragma once
// The grade table as a spreadsheet reads it, for the sheet's export command and the
// command-line tool.

#include <string>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// The view the class shows (MatiereCourante, PeriodeCourante: a test view, the synthesis
// or the year view of a subject), Windows-1252, fields separated by TAB, lines by CR alone,
// no CR after the last line. A TAB or a line end inside a stored text becomes a blank, so
// that the columns never shift.
std::string TexteTableau(const TClasse& c, const TOptions& o);

}  // namespace calevrin
