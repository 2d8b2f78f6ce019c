#pragma once
// Driving dialogs by keyboard and mouse in tests, and recording what they show.

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <memory>
#include <vector>

#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/fichierclasse.h"
#include "platform/aide.h"
#include "platform/messages.h"
#include "tests/common/remplacement.h"

namespace calevrin::test {

namespace pf = calevrin::plateforme;

inline std::string W(const char* utf8) { return Cp1252DepuisUtf8(utf8).value(); }
inline std::vector<std::uint8_t> Image(const TClasse& c) {
  auto i = std::make_unique<TImage>();
  EcrireImage(c, *i);
  return {i->begin(), i->end()};
}

inline QLineEdit* Champ(QWidget* d, const char* nom) { return d->findChild<QLineEdit*>(nom); }
inline void Cliquer(QWidget* d, const char* nom) {
  QTest::mouseClick(d->findChild<QAbstractButton*>(nom), Qt::LeftButton);
}
inline void Touche(QWidget* w, Qt::Key t, int fois = 1) {
  for (int i = 0; i < fois; ++i) QTest::keyClick(w, t);
}
// Replaces the field's text by keystrokes, any character (QTest::keyClicks is Latin-1 only).
inline void Taper(QLineEdit* e, const QString& texte) {
  e->setFocus();
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  for (const QChar ch : texte) QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
// Types where the focus is, as a teacher would without the mouse.
inline void TaperIci(QWidget* d, const QString& texte) {
  for (const QChar ch : texte)
    QTest::sendKeyEvent(QTest::Click, d->focusWidget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Drives the modal dialog that the next exec() opens; f must close it.
template <class D>
void QuandOuvert(std::function<void(D&)> f) {
  QTimer::singleShot(0, [f] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) return f(*d);
    ADD_FAILURE() << "pas de dialogue ouvert";
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
}

// Drives the modal dialog of type D that opens later, once the ones open now have closed (the
// dialogs of one command that follow each other); f must close it.
template <class D>
void QuandOuvrira(std::function<void(D&)> f, int essais = 300) {
  QTimer::singleShot(10, [f, essais] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) return f(*d);
    if (essais > 0) return QuandOuvrira<D>(f, essais - 1);
    ADD_FAILURE() << "pas de dialogue " << D::staticMetaObject.className();
  });
}

// Message boxes answered from a list (OK when empty), the boxes with buttons of their own with
// reponseChoix_; help topics and model warnings recorded.
class Enregistreur : public ::testing::Test {
 protected:
  std::vector<QString> boites_, sujets_, choix_;
  std::vector<QStringList> boutonsChoix_;
  std::vector<pf::TGenreMessage> genres_;
  std::vector<pf::TReponse> reponses_;
  std::vector<std::string> avertis_;
  int reponseChoix_ = 1;
  TRemplacement<pf::TFonctionMessage> messages_{pf::RemplacerBoiteMessage,
                                                [this](const QString& t, pf::TGenreMessage g, int) {
                                                  boites_.push_back(t);
                                                  genres_.push_back(g);
                                                  if (reponses_.empty()) return pf::TReponse::OK;
                                                  const pf::TReponse r = reponses_.front();
                                                  reponses_.erase(reponses_.begin());
                                                  return r;
                                                }};
  TRemplacement<pf::TFonctionChoix> boitesChoix_{pf::RemplacerChoixMessage,
                                                 [this](const QString& t, pf::TGenreMessage, const QStringList& b) {
                                                   choix_.push_back(t);
                                                   boutonsChoix_.push_back(b);
                                                   return reponseChoix_;
                                                 }};
  TRemplacement<TAlertes> alertes_{RemplacerAlertes,
                                   {[this](TGenreAlerte, const std::string& t) { avertis_.push_back(t); }, [] {}}};
  TRemplacement<pf::TFonctionAide> aide_{pf::RemplacerAide, [this](const QString& s) { sujets_.push_back(s); }};
};

}  // namespace calevrin::test
