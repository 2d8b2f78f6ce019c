#include "platform/imprimantes.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace calevrin::plateforme {

namespace {

QPrinter* CreerImprimante() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QList<QPrinterInfo> files = QPrinterInfo::availablePrinters();
    if (!files.isEmpty()) info = files.first();
  }
  if (!info.isNull()) return new QPrinter(info, QPrinter::HighResolution);
  auto* p = new QPrinter(QPrinter::HighResolution);
  p->setOutputFormat(QPrinter::PdfFormat);
  p->setResolution(ResolutionPdf);
  p->setPageSize(QPageSize(QPageSize::A4));
  p->setPageOrientation(QPageLayout::Portrait);
  FixerMargesPdf(*p);
  return p;
}

}  // namespace

QStringList NomsImprimantes() { return QPrinterInfo::availablePrinterNames(); }

QString ImprimanteParDefaut() { return QPrinterInfo::defaultPrinterName(); }

int NbImprimantes() { return static_cast<int>(NomsImprimantes().size()) + 1; }

QPrinter& ImprimanteCourante() {
  // Never freed: a printer engine torn down after the application object may crash at exit.
  static QPrinter* const imprimante = CreerImprimante();
  return *imprimante;
}

bool EstDestinationPdf(const QPrinter& p) { return p.outputFormat() == QPrinter::PdfFormat; }

void FixerMargesPdf(QPrinter& p) {
  const double m = MargePdfMillimetres;
  p.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

TReleveImprimante ReleverImprimante(const QPrinter& p) {
  TReleveImprimante r;
  r.NbImprimantes = 1;
  r.Resolution = p.logicalDpiX();
  r.ResolutionVerticale = p.logicalDpiY();
  const QRect feuille = p.pageLayout().fullRectPixels(p.resolution());
  r.LargeurPhysique = feuille.width();
  r.HauteurPhysique = feuille.height();
  return r;
}

TReleveImprimante ReleverImprimanteCourante() {
  const int n = NbImprimantes();
  if (n == 0) return {};
  TReleveImprimante r = ReleverImprimante(ImprimanteCourante());
  r.NbImprimantes = n;
  return r;
}

double PixelsParPouceEcran() {
  const QScreen* ecran = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                             ? QGuiApplication::primaryScreen()
                             : nullptr;
  return ecran != nullptr ? ecran->logicalDotsPerInchX() : 96.0;
}

}  // namespace calevrin::plateforme
