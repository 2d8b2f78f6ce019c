#include "platform/messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace calevrin::plateforme {

namespace {

struct TBoutonBoite {
  QString texte;
  QMessageBox::ButtonRole role;
};

// The index of the button clicked; Escape answers as the last button does (Non, Annuler,
// Ignorer), as a closed box should.
int BoiteQt(const QString& texte, TGenreMessage genre, const std::vector<TBoutonBoite>& boutons) {
  QMessageBox boite;
  boite.setWindowTitle(TitreMessage(genre));
  boite.setText(texte);
  switch (genre) {
    case TGenreMessage::Avertissement: boite.setIcon(QMessageBox::Warning); break;
    case TGenreMessage::Erreur: boite.setIcon(QMessageBox::Critical); break;
    case TGenreMessage::Information: boite.setIcon(QMessageBox::Information); break;
    case TGenreMessage::Confirmation: boite.setIcon(QMessageBox::Question); break;
  }
  std::vector<QAbstractButton*> crees;
  for (const TBoutonBoite& b : boutons) {
    QPushButton* p = boite.addButton(b.texte, b.role);
    crees.push_back(p);
    if (crees.size() == 1) boite.setDefaultButton(p);
  }
  boite.setEscapeButton(crees.back());
  boite.adjustSize();
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
    const QRect r = ecran->availableGeometry();
    boite.move(r.center() - QPoint(boite.sizeHint().width() / 2, boite.sizeHint().height() / 2));
  }
  boite.exec();
  for (std::size_t i = 0; i < crees.size(); ++i)
    if (boite.clickedButton() == crees[i]) return static_cast<int>(i);
  return static_cast<int>(crees.size()) - 1;
}

TReponse BoiteQt(const QString& texte, TGenreMessage genre, int boutons) {
  struct {
    int bouton;
    const char* texte;
    QMessageBox::ButtonRole role;
    TReponse reponse;
  } const table[] = {{BoutonOui, "&Oui", QMessageBox::YesRole, TReponse::Oui},
                     {BoutonNon, "&Non", QMessageBox::NoRole, TReponse::Non},
                     {BoutonOK, "OK", QMessageBox::AcceptRole, TReponse::OK},
                     {BoutonAnnuler, "Annuler", QMessageBox::RejectRole, TReponse::Annuler}};
  std::vector<TBoutonBoite> liste;
  std::vector<TReponse> reponses;
  for (const auto& b : table) {
    if (!(boutons & b.bouton)) continue;
    liste.push_back({QString::fromUtf8(b.texte), b.role});
    reponses.push_back(b.reponse);
  }
  if (liste.empty()) {
    liste.push_back({QStringLiteral("OK"), QMessageBox::AcceptRole});
    reponses.push_back(TReponse::OK);
  }
  return reponses[static_cast<std::size_t>(BoiteQt(texte, genre, liste))];
}

int ChoixQt(const QString& texte, TGenreMessage genre, const QStringList& boutons) {
  std::vector<TBoutonBoite> liste;
  for (const QString& b : boutons) liste.push_back({b, QMessageBox::ActionRole});
  if (liste.empty()) liste.push_back({QStringLiteral("OK"), QMessageBox::AcceptRole});
  return BoiteQt(texte, genre, liste);
}

TFonctionChoix& Choix() {
  static TFonctionChoix f = ChoixQt;
  return f;
}

TFonctionMessage& Fonction() {
  static TFonctionMessage f = static_cast<TReponse (*)(const QString&, TGenreMessage, int)>(BoiteQt);
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

TReponse BoiteMessage(const QString& texte, TGenreMessage genre, int boutons) {
  return Fonction()(texte, genre, boutons);
}

TFonctionMessage RemplacerBoiteMessage(TFonctionMessage f) {
  TFonctionMessage ancienne = std::move(Fonction());
  Fonction() =
      f ? std::move(f) : TFonctionMessage(static_cast<TReponse (*)(const QString&, TGenreMessage, int)>(BoiteQt));
  return ancienne;
}

int ChoixMessage(const QString& texte, TGenreMessage genre, const QStringList& boutons) {
  return Choix()(texte, genre, boutons);
}

TFonctionChoix RemplacerChoixMessage(TFonctionChoix f) {
  TFonctionChoix ancienne = std::move(Choix());
  Choix() = f ? std::move(f) : TFonctionChoix(ChoixQt);
  return ancienne;
}

}  // namespace calevrin::plateforme
