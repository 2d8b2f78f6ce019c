#pragma once
// Modal message boxes, centred on the screen and titled by their kind.

#include <QString>
#include <QStringList>
#include <functional>

namespace calevrin::plateforme {

enum class TGenreMessage { Avertissement, Erreur, Information, Confirmation };

enum TBoutons : int { BoutonOK = 1, BoutonAnnuler = 2, BoutonOui = 4, BoutonNon = 8 };

enum class TReponse { OK, Annuler, Oui, Non };

TReponse BoiteMessage(const QString& texte, TGenreMessage genre, int boutons = BoutonOK);

// Replaces the boxes (by a recorder in tests); returns the previous function.
using TFonctionMessage = std::function<TReponse(const QString&, TGenreMessage, int)>;
TFonctionMessage RemplacerBoiteMessage(TFonctionMessage f);

// A box with buttons of its own ("Récupérer", "Ignorer" ...): the index of the one chosen.
// The first is the default (Enter); Escape or closing the box chooses the last.
int ChoixMessage(const QString& texte, TGenreMessage genre, const QStringList& boutons);
using TFonctionChoix = std::function<int(const QString&, TGenreMessage, const QStringList&)>;
TFonctionChoix RemplacerChoixMessage(TFonctionChoix f);

QString TitreMessage(TGenreMessage genre);

void Bip();
// Replaces the beep (by a counter in tests); returns the previous function.
using TFonctionBip = std::function<void()>;
TFonctionBip RemplacerBip(TFonctionBip f);

}  // namespace calevrin::plateforme
