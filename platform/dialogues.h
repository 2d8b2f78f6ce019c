#pragma once
// The desktop's standard dialogs: files, printer, page set-up. Replaceable in tests.

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace calevrin::plateforme {

// The chosen path, or empty when cancelled. filtre as "Fichier classe v3 (*.cl3)".
QString DemanderFichierOuverture(QWidget* parent, const QString& dossier, const QString& filtre);
// Asks before overwriting an existing file.
QString DemanderFichierSauvegarde(QWidget* parent, const QString& initial, const QString& filtre);
// The printer dialog and the page set-up dialog on the printer; false when cancelled.
bool DialogueImpression(QWidget* parent, QPrinter& imprimante);
bool DialogueConfigurationImprimante(QWidget* parent, QPrinter& imprimante);

struct TDialogues {
  std::function<QString(QWidget*, const QString&, const QString&)> ouverture;
  std::function<QString(QWidget*, const QString&, const QString&)> sauvegarde;
  std::function<bool(QWidget*, QPrinter&)> impression;
  std::function<bool(QWidget*, QPrinter&)> configuration;
};
// Installs other dialogs (recorders in tests); an empty member means the desktop's own.
TDialogues RemplacerDialogues(TDialogues d);

}  // namespace calevrin::plateforme
