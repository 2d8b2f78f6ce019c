#pragma once
// The whole class as an Office Open XML workbook (.xlsx), for a colleague, the head teacher
// or the archive: every subject and period with its tests and grades, the year and synthesis
// views, the numbers being those of the sheet.

#include <string>

#include "model/classe.h"
#include "model/dates.h"
#include "model/options.h"

namespace calevrin {

// Writes the workbook to chemin through the atomic writer: the file is whole or untouched, a
// directory, a FIFO or a device in its place is refused. Throws EErreurClasse with the
// messages of the other writers. `le` is the export's date, written on the first sheet.
void EcrireClasseur(const TClasse& c, const std::string& chemin, const TOptions& o,
                    const TDateHeure& le = TDateHeure::Maintenant());

// The workbook proposed for a class file: its name with ".xlsx" in place of its extension,
// beside it.
std::string CheminClasseur(const std::string& fichierClasse);

}  // namespace calevrin
