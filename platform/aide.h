#pragma once
// The help of the dialogs and windows, opened at a named topic ("Dlg_NewDevoir" ...).
//
// Each topic is a page help/<topic>.html compiled into the program. A test collects the
// topics the code asks for and fails on a missing page: name a topic with a string literal
// passed to AfficherAide, returned by a function whose name ends in "Aide", assigned to a
// variable named "sujet...", or shaped "Dlg_..." / "stat_NN".

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace calevrin::plateforme {

// Shows the topic without blocking: the window stays beside the dialog that asked for it.
// An empty topic means the contents.
void AfficherAide(const QString& sujet);

// Replaces the help (by a recorder in tests); returns the previous function. An empty
// function puts the help window back.
using TFonctionAide = std::function<void(const QString& sujet)>;
TFonctionAide RemplacerAide(TFonctionAide f);

// The topics that have a page, sorted ("index" is the contents).
QStringList SujetsAide();
// The help window when it is open, for the tests and the screenshot.
QWidget* FenetreAideOuverte();

}  // namespace calevrin::plateforme
