#include "platform/messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace calevrin::plateforme {

namespace {

TReponse BoiteQt(const QString& texte, TGenreMessage genre, int boutons) {
  QMessageBox boite;
  boite.setWindowTitle(TitreMessage(genre));
  boite.setText(texte);
  switch (genre) {
    case TGenreMessage::Avertissement: boite.setIcon(QMessageBox::Warning); break;
    case TGenreMessage::Erreur: boite.setIcon(QMessageBox::Critical); break;
    case TGenreMessage::Information: boite.setIcon(QMessageBox::Information); break;
    case TGenreMessage::Confirmation: boite.setIcon(QMessageBox::Question); break;
  }
  struct {
    int bouton;
    const char* texte;
    QMessageBox::ButtonRole role;
    TReponse reponse;
  } const table[] = {{BoutonOui, "&Oui", QMessageBox::YesRole, TReponse::Oui},
                     {BoutonNon, "&Non", QMessageBox::NoRole, TReponse::Non},
                     {BoutonOK, "OK", QMessageBox::AcceptRole, TReponse::OK},
                     {BoutonAnnuler, "Annuler", QMessageBox::RejectRole, TReponse::Annuler}};
  std::vector<std::pair<QAbstractButton*, TReponse>> crees;
  for (const auto& b : table) {
    if (!(boutons & b.bouton)) continue;
    QPushButton* p = boite.addButton(QString::fromUtf8(b.texte), b.role);
    crees.emplace_back(p, b.reponse);
    if (crees.size() == 1) boite.setDefaultButton(p);
  }
  if (crees.empty()) crees.emplace_back(boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), TReponse::OK);
  // Escape answers the way the last button does (Non, Annuler), as a closed box should.
  boite.setEscapeButton(crees.back().first);
  boite.adjustSize();
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
    const QRect r = ecran->availableGeometry();
    boite.move(r.center() - QPoint(boite.sizeHint().width() / 2, boite.sizeHint().height() / 2));
  }
  boite.exec();
  for (const auto& [bouton, reponse] : crees)
    if (boite.clickedButton() == bouton) return reponse;
  return crees.back().second;
}

TFonctionMessage& Fonction() {
  static TFonctionMessage f = BoiteQt;
  return f;
}

}  // namespace

QString TitreMessage(TGenreMessage genre) {
  switch (genre) {
    case TGenreMessage::Avertissement: return QStringLiteral("Avertissement");
    case TGenreMessage::Erreur: return QStringLiteral("Erreur");
    case TGenreMessage::Information: return QStringLiteral("Information");
    case TGenreMessage::Confirmation: return QStringLiteral("Confirmation");
  }
  return {};
}

namespace {
TFonctionBip& FonctionBip() {
  static TFonctionBip f = [] { QApplication::beep(); };
  return f;
}
}  // namespace

void Bip() { FonctionBip()(); }

TFonctionBip RemplacerBip(TFonctionBip f) {
  TFonctionBip ancienne = std::move(FonctionBip());
  FonctionBip() = f ? std::move(f) : TFonctionBip([] { QApplication::beep(); });
  return ancienne;
}

TReponse BoiteMessage(const QString& texte, TGenreMessage genre, int boutons) { return Fonction()(texte, genre, boutons); }

TFonctionMessage RemplacerBoiteMessage(TFonctionMessage f) {
  TFonctionMessage ancienne = std::move(Fonction());
  Fonction() = f ? std::move(f) : TFonctionMessage(BoiteQt);
  return ancienne;
}

}  // namespace calevrin::plateforme
