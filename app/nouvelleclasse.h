#pragma once
// "&Nouvelle classe...": the students collected by TDial01 made into a class that has a name
// but no file yet, so that its first save asks where to keep it.

#include <QString>
#include <memory>

#include "document/documentclasse.h"

class QWidget;

namespace calevrin {

// "Classe.cl3" in the program's folder when a user may write there, otherwise in the user's
// documents folder (an installed program's folder is not writable on Linux).
QString CheminNouvelleClasse();

// The new class, modified and never saved; nullptr when the dialog was cancelled.
std::unique_ptr<TDocumentClasse> CreerNouvelleClasse(QWidget* parent);

}  // namespace calevrin
