#pragma once
// "&Nouvelle classe...": the students collected by TDialNouvelleClasse, then the class's parameters and its
// subjects, made into a class that has a name but no file yet, so that its first save asks
// where to keep it.

#include <QString>
#include <memory>

#include "document/documentclasse.h"

class QWidget;

namespace calevrin {

// Where a new class is proposed: the folder of the last class opened or saved (dernier, the
// first recent file), else the user's documents folder, else home; the file named after the
// abbreviation ("Classe" when it gives no usable name).
QString CheminNouvelleClasse(const QString& dernier, const QString& abreviation);

// The new class, modified and never saved; nullptr when the students' dialog was cancelled.
// Cancelling the parameters or the subjects keeps their defaults.
std::unique_ptr<TDocumentClasse> CreerNouvelleClasse(QWidget* parent, const TOptions& o);

}  // namespace calevrin
