#pragma once
// Menu items named after the program's identifiers, so that commands find them by name.

#include <QAction>
#include <QMenu>
#include <QObject>

namespace calevrin::plateforme {

template <typename Recepteur, typename Commande>
QAction* AjouterAction(QMenu* menu, const char* nom, const QString& titre, const QString& hint, Recepteur* recepteur,
                       Commande&& commande) {
  QAction* a = menu->addAction(titre);
  a->setObjectName(QString::fromLatin1(nom));
  a->setStatusTip(hint);
  QObject::connect(a, &QAction::triggered, recepteur, std::forward<Commande>(commande));
  return a;
}

inline QAction* TrouverAction(const QObject* proprietaire, const char* nom) {
  return proprietaire->findChild<QAction*>(QString::fromLatin1(nom));
}

}  // namespace calevrin::plateforme
