#pragma once
// The page of a graph or table as the print dialog writes it, made in memory: a one-page PDF,
// or the PNG image of the graph or table alone at the size its placement gives it on the page.
// The dialog and calevrin-cli both write through here, then save the bytes as they must.

#include <QByteArray>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <functional>

#include "platform/canevas.h"
#include "print/miseenpage.h"

namespace calevrin {

// Draws the graph or table into a rectangle of a canvas.
using TDessinZone = std::function<void(plateforme::TCanevas& c, const QRect& zone)>;

inline constexpr int ResolutionPdf = 300;
inline constexpr int ResolutionImage = 150;

// Empty when the page could not be made.
QByteArray PagePdf(const TDessinZone& dessin, const QPageLayout& page, int resolution, TDisposition d, bool paysage,
                   const QString& titre);
QByteArray ImagePng(const TDessinZone& dessin, const QPageLayout& page, TDisposition d, bool paysage);

}  // namespace calevrin
