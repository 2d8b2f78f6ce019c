#pragma once
// The system clipboard, plain text.

#include <QString>

namespace calevrin::plateforme {

// Puts the text on the clipboard as plain text, exactly as given, and beside it the same
// table as text/tab-separated-values with LF line ends for the spreadsheets that read that
// flavour. False when no clipboard is available.
bool CopierTexte(const QString& texte);
QString TexteDuPressePapiers();

}  // namespace calevrin::plateforme
