#pragma once
// The pieces every dialog is built from, so that they all look and behave alike: fields that
// take only what the class file can hold, labels with their shortcut, the button row with
// Annuler and Aide, the reading of a coefficient, the view a dialog works on.
// Widgets are given object names for tests; the parent owns what is made.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace calevrin {

class TClasse;
struct TOptions;

// A text of the class, Windows-1252, as shown in a widget.
QString Depuis(std::string_view cp1252);
// The field's text in Windows-1252; nullopt when a character has no form there.
std::optional<std::string> Cp1252(const QLineEdit* champ);
// The texts of the fields in order, or nullopt after one beep when one cannot be stored.
std::optional<std::vector<std::string>> LireTextes(std::initializer_list<const QLineEdit*> champs);

// A one-line field of at most capacite characters, refusing what Windows-1252 lacks. Below
// CapaciteExtensible it is as wide as its capacity (24 characters at most); from there on it
// grows with the dialog.
inline constexpr int CapaciteExtensible = 40;
QLineEdit* Champ(QWidget* parent, const char* nom, int capacite);

// A label whose shortcut ("&Date :") gives the focus to champ.
QLabel* Etiquette(const QString& texte, QWidget* champ, QWidget* parent);

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* nom);

// The preview of an import: rows selected whole, not edited, the last column stretched.
QTableWidget* TableApercu(QWidget* parent, const char* nom, const QStringList& titres);
// A text file to import, chosen from the documents folder (the home folder when the desktop
// has none); empty when cancelled.
QString ChoisirFichierImport(QWidget* parent, const QString& filtre);

// "&Aide", named BoutonAide, opening the help topic sujet, also on F1. Without a topic the
// button is there but disabled.
// Without raccourci the caption is plain "Aide", as the ranking, ages and birthdays have it.
QPushButton* BoutonAide(QDialog* d, const QString& sujet, bool raccourci = true);

// The row of the dialogs that only show: "OK" (default, accepting d) and "Aide", to the right.
QHBoxLayout* RangeeOkAide(QDialog* d, const QString& sujetAide);

// The row ok (when given: the accepting button, which keeps its own slot), "Annuler" named
// BoutonAnnuler and rejecting d, and BoutonAide(d, sujetAide), in the desktop's order.
QDialogButtonBox* Boutons(QDialog* d, QPushButton* ok, const QString& sujetAide);

// The coefficient typed in champ (a decimal comma read as the point), a number in 0..coefmax
// of the options. Otherwise a warning naming the field ("Le coefficient " + quoi + " doit être
// un nombre", or the range when checked), the text selected for another try, and nullopt.
std::optional<double> LireCoef(QLineEdit* champ, const TOptions& o, const QString& quoi);

// The subject and period of the class's current view, for the dialogs that work on one
// subject in one period; std::invalid_argument when the view is the synthesis or the year.
int MatiereVue(const TClasse& c);
int PeriodeVue(const TClasse& c);

}  // namespace calevrin
