#pragma once
// The help of the dialogs and windows, opened at a named topic ("Dlg_NewDevoir" ...).

#include <QString>
#include <functional>

namespace calevrin::plateforme {

// Shows the topic without blocking: the window stays beside the dialog that asked for it.
// An empty topic means the contents.
void AfficherAide(const QString& sujet);

// Replaces the help (by a recorder in tests); returns the previous function. An empty
// function puts the help window back.
using TFonctionAide = std::function<void(const QString& sujet)>;
TFonctionAide RemplacerAide(TFonctionAide f);

}  // namespace calevrin::plateforme
