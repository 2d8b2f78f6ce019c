#pragma once
// Texts made to fit a width: the font is made smaller, down to a floor, and what is still too
// wide loses its end to "…". Every text of the graph and the table goes through here, so that
// nothing is ever drawn over its neighbour or outside the control.

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/canevas.h"

namespace calevrin::controles {

namespace pf = plateforme;

// The smallest size a text is reduced to, as a share of the size it was meant to have: below
// it a printed page stops being readable, and eliding says more than shrinking.
inline constexpr double PlancherPolice = 0.6;

inline double Plancher(double taille) {
  const double p = pf::R(taille * PlancherPolice);
  return p < 1 ? 1 : p;
}

// The largest whole size from the canvas font's size down to plancher at which mesure (a
// width measured in the canvas font) is at most largeur; the canvas font is left at that size.
double PlusGrandeTaille(pf::TCanevas& c, int largeur, double plancher, const std::function<int()>& mesure);

// The same for the widest of the texts.
double AjusterTaille(pf::TCanevas& c, const std::vector<QString>& textes, int largeur, double plancher);
double AjusterTaille(pf::TCanevas& c, const QString& texte, int largeur, double plancher);

// The text, or its longest beginning followed by "…" that is at most largeur wide in the
// canvas font; empty when not even "…" fits.
QString Elider(pf::TCanevas& c, const QString& texte, int largeur);

// Both: the size first, then the ellipsis.
QString Ajuster(pf::TCanevas& c, const QString& texte, int largeur, double plancher);

// The look of a font (name, colour, style) without its size: a control's size follows the
// rectangle it is drawn into, never the size of the control it was copied from.
inline void CopierApparence(pf::TPolice& cible, const pf::TPolice& source) {
  const double taille = cible.Taille;
  const bool pixels = cible.Pixels;
  cible = source;
  cible.Taille = taille;
  cible.Pixels = pixels;
}

}  // namespace calevrin::controles
