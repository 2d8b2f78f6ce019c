#include "dialogs/devoirs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/dates.h"
#include "model/edition.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "model/note.h"
#include "platform/aide.h"
#include "platform/messages.h"
#include "platform/texte.h"

namespace calevrin {

namespace pf = plateforme;

namespace {

constexpr int CapaciteDate = decltype(TDevoir::Date)::Capacite;
constexpr int CapaciteDuree = decltype(TDevoir::Duree)::Capacite;
constexpr int CapaciteCoef = 4;
constexpr int CapaciteCommentaire = decltype(TDevoir::Commentaire)::Capacite;

// Every field ends in the class file: a character that Windows-1252 lacks is refused as typed.
class TValidateurCp1252 : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& texte, int&) const override {
    if (pf::VersCp1252(texte)) return Acceptable;
    pf::Bip();
    return Invalid;
  }
};

QString Depuis(std::string_view cp1252) { return pf::DepuisCp1252(cp1252); }

std::optional<std::string> Cp1252(const QLineEdit* e) { return pf::VersCp1252(e->text()); }

// The three texts of a test's description, or nothing (after a beep) when one of them holds
// a character the class file cannot.
struct TTextesDevoir {
  std::string date, duree, commentaire;
};
std::optional<TTextesDevoir> LireTextes(const QLineEdit* date, const QLineEdit* duree, const QLineEdit* commentaire) {
  std::optional<std::string> d = Cp1252(date), du = Cp1252(duree), c = Cp1252(commentaire);
  if (!d || !du || !c) {
    pf::Bip();
    return std::nullopt;
  }
  return TTextesDevoir{std::move(*d), std::move(*du), std::move(*c)};
}

QLineEdit* Champ(QWidget* parent, const char* nom, int capacite) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(nom));
  e->setMaxLength(capacite);
  e->setValidator(new TValidateurCp1252(e));
  // Short fields take the width of their capacity in the current font; the comment grows.
  const int largeur = e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (std::min(capacite, 24) + 3);
  if (capacite < CapaciteCommentaire)
    e->setFixedWidth(largeur);
  else
    e->setMinimumWidth(largeur);
  return e;
}

QLabel* Etiquette(const QString& texte, QWidget* champ, QWidget* parent) {
  auto* l = new QLabel(texte, parent);
  l->setBuddy(champ);
  return l;
}

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* nom) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QLatin1String(nom));
  return b;
}

// An empty topic gives a button that cannot be pressed rather than one that does nothing.
QPushButton* BoutonAide(QDialog* d, const QString& sujet) {
  QPushButton* b = Bouton(d, QStringLiteral("&Aide"), "BoutonAide");
  if (sujet.isEmpty()) {
    b->setEnabled(false);
    return b;
  }
  QObject::connect(b, &QPushButton::clicked, d, [sujet] { pf::AfficherAide(sujet); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, d);
  QObject::connect(f1, &QShortcut::activated, b, &QPushButton::click);
  return b;
}

// The desktop orders the buttons of its dialogs; only the first validation button is the default.
QDialogButtonBox* Boutons(QDialog* d, QPushButton* ok, const QString& sujetAide) {
  auto* boite = new QDialogButtonBox(d);
  if (ok) boite->addButton(ok, QDialogButtonBox::AcceptRole);
  QPushButton* annuler = Bouton(d, QStringLiteral("Annuler"), "BoutonAnnuler");
  boite->addButton(annuler, QDialogButtonBox::RejectRole);
  boite->addButton(BoutonAide(d, sujetAide), QDialogButtonBox::HelpRole);
  QObject::connect(annuler, &QPushButton::clicked, d, &QDialog::reject);
  return boite;
}

int MatiereVue(const TClasse& c) {
  const int m = c.MatiereCourante();
  if (m < 1 || m > MaxMatieres) throw std::invalid_argument("dialogue de devoir sur la synthèse");
  return m;
}

int PeriodeVue(const TClasse& c) {
  const int p = c.PeriodeCourante();
  if (p < 1 || p > MaxPeriodes) throw std::invalid_argument("dialogue de devoir sur l'année");
  return p;
}

QString TitreGroupe(const TClasse& c, int m, int p, int k, const TOptions& o) {
  return QLatin1Char(' ') + Depuis(ConstruireTitre(c, m, p, k, 0, false, o)) + QLatin1Char(' ');
}

void RemplirListe(QComboBox* cb, const TClasse& c, int m, int p) {
  for (int i = 1; i <= c.NbDevoirs(m, p); ++i)
    cb->addItem(QString::number(i) + QStringLiteral(" - ") + Depuis(c.Devoir(m, p, i).Commentaire.Vue()));
}

// The typed coefficient, a number in 0..coefmax; nullopt, after the warning, when refused.
std::optional<double> LireCoef(QLineEdit* e, const TOptions& o) {
  const std::optional<std::string> texte = Cp1252(e);
  double v = 0;
  bool accepte = texte && LireNombre(*texte, v) && std::isfinite(v);
  if (!accepte)
    pf::BoiteMessage(QStringLiteral("Le coefficient doit être un nombre"), pf::TGenreMessage::Avertissement,
                     pf::BoutonOK);
  else
    accepte = VerifierDomaine(o.coefmax, v, o);
  if (!accepte) {
    e->setFocus();
    e->selectAll();
    return std::nullopt;
  }
  return v;
}

// Date, duration, coefficient and comment, laid out as one description of a test.
void DisposerChamps(QGridLayout* g, QWidget* parent, QLineEdit* date, QLineEdit* duree, QLineEdit* coef,
                    QLineEdit* commentaire, QLabel* aideDate) {
  g->addWidget(Etiquette(QStringLiteral("&Date :"), date, parent), 0, 0);
  g->addWidget(date, 0, 1);
  g->addWidget(Etiquette(QStringLiteral("Du&rée :"), duree, parent), 0, 2);
  g->addWidget(duree, 0, 3);
  g->addWidget(Etiquette(QStringLiteral("&Coef :"), coef, parent), 0, 4);
  g->addWidget(coef, 0, 5);
  int ligne = 1;
  if (aideDate) g->addWidget(aideDate, ligne++, 0, 1, 6);
  g->addWidget(Etiquette(QStringLiteral("Co&mmentaire :"), commentaire, parent), ligne, 0);
  g->addWidget(commentaire, ligne, 1, 1, 6);
  g->setColumnStretch(6, 1);
}

}  // namespace

// --- TDial02: new test ------------------------------------------------------------------

TDial02::TDial02(QWidget* parent, TClasse& classe, const QString& verbe, int k, const TDateJour& aujourdhui,
                 const TOptions& o)
    : QDialog(parent),
      classe_(classe),
      options_(o),
      m_(MatiereVue(classe)),
      p_(PeriodeVue(classe)),
      k_(k),
      aujourdhui_(aujourdhui) {
  if (k < 1 || k > MaxDevoirs) throw std::invalid_argument("numéro de devoir hors limites");
  avant_ = classe_.Devoir(m_, p_, k_);
  setWindowTitle(verbe + QStringLiteral(" un nouveau devoir ( ") + Depuis(classe.Abreviation.Vue()) +
                 QStringLiteral(" )"));

  auto* groupe = new QGroupBox(TitreGroupe(classe, m_, p_, k_, o), this);
  groupe->setObjectName(QStringLiteral("GB1"));
  edit1_ = Champ(groupe, "Edit1", CapaciteDate);
  edit2_ = Champ(groupe, "Edit2", CapaciteDuree);
  edit3_ = Champ(groupe, "Edit3", CapaciteCoef);
  edit4_ = Champ(groupe, "Edit4", CapaciteCommentaire);
  edit3_->setText(QStringLiteral("1"));
  auto* aideDate = new QLabel(QStringLiteral("( Utiliser les touches de direction pour modifier la date )"), groupe);
  DisposerChamps(new QGridLayout(groupe), groupe, edit1_, edit2_, edit3_, edit4_, aideDate);
  edit1_->installEventFilter(this);

  QPushButton* button1 =
      Bouton(this, QStringLiteral("&Valider et saisir les notes par ordre alphabétique..."), "Button1");
  QPushButton* button2 = Bouton(this, QStringLiteral("Valider et saisir les notes &ultèrieurement"), "Button2");
  button1->setDefault(true);
  connect(button1, &QPushButton::clicked, this, &TDial02::Button1Click);
  connect(button2, &QPushButton::clicked, this, &TDial02::Button2Click);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(button1);
  racine->addWidget(button2);
  racine->addWidget(Boutons(this, nullptr, QStringLiteral("Dlg_NewDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  AfficherDate();
  edit1_->setFocus();
}

// The page and arrow keys move the proposed date by a day, when released, whatever was typed.
bool TDial02::eventFilter(QObject* objet, QEvent* event) {
  if (objet == edit1_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    int pas = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_PageUp:
      case Qt::Key_Left:
      case Qt::Key_Up: pas = -1; break;
      case Qt::Key_PageDown:
      case Qt::Key_Right:
      case Qt::Key_Down: pas = 1; break;
      default: break;
    }
    if (pas != 0) {
      if (event->type() == QEvent::KeyRelease) {
        decalage_ += pas;
        AfficherDate();
      }
      return true;
    }
  }
  return QDialog::eventFilter(objet, event);
}

// "ddd d mmm" may take 13 characters ("mer. 30 sept."): the field holds 11, and so does the test.
void TDial02::AfficherDate() {
  std::string t = DateDevoirTexte(decalage_, aujourdhui_);
  if (t.size() > static_cast<std::size_t>(CapaciteDate)) t.resize(CapaciteDate);
  edit1_->setText(Depuis(t));
}

bool TDial02::SaisirDevoir() {
  const std::optional<TTextesDevoir> t = LireTextes(edit1_, edit2_, edit4_);
  if (!t) return false;
  const std::optional<double> coef = LireCoef(edit3_, options_);
  if (!coef) return false;
  if (!calevrin::EcrireDevoir(classe_, k_, t->date, t->duree, *coef, t->commentaire)) {
    pf::Bip();
    return false;
  }
  return true;
}

void TDial02::Compter() {
  classe_.FixerNbDevoirs(m_, p_, classe_.NbDevoirs(m_, p_) + 1);
  compte_ = true;
}

void TDial02::Button2Click() {
  if (!SaisirDevoir()) return;
  Compter();
  done(DialogueConfirme);
}

void TDial02::Button1Click() {
  if (!SaisirDevoir()) return;
  TDial03 notes(this, classe_, k_, options_);
  if (notes.exec() == DialogueConfirme) {
    Compter();
    done(DialogueConfirme);
    return;
  }
  edit1_->setFocus();
}

// The slot is not counted yet: putting its record back leaves the class as it was.
void TDial02::reject() {
  if (!compte_) classe_.Devoir(m_, p_, k_) = avant_;
  done(DialogueAnnule);
}

// --- TDial03: grades of the new test -----------------------------------------------------

TDial03::TDial03(QWidget* parent, TClasse& classe, int k, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o), m_(MatiereVue(classe)), p_(PeriodeVue(classe)), k_(k) {
  if (k < 1 || k > MaxDevoirs) throw std::invalid_argument("numéro de devoir hors limites");
  setWindowTitle(QStringLiteral("Saisie des notes"));

  groupe_ = new QGroupBox(this);
  groupe_->setObjectName(QStringLiteral("GB1"));
  // The grade editor of the sheet stores 4 characters too, although the record holds 5.
  edit1_ = Champ(groupe_, "Edit1", LongueurNoteSaisie);
  auto* ligneNote = new QHBoxLayout(groupe_);
  ligneNote->addWidget(Etiquette(QStringLiteral("&Note :"), edit1_, groupe_));
  ligneNote->addWidget(edit1_);
  ligneNote->addStretch();

  QPushButton* precedent = Bouton(this, QStringLiteral("&Précédent"), "BoutonPrecedent");
  QPushButton* suivant = Bouton(this, QStringLiteral("&Suivant"), "BoutonSuivant");
  QPushButton* valider = Bouton(this, QStringLiteral("&Valider les notes saisies"), "BoutonValider");
  suivant->setDefault(true);
  connect(precedent, &QPushButton::clicked, this, [this] { Deplacer(-1); });
  connect(suivant, &QPushButton::clicked, this, [this] { Deplacer(1); });
  connect(valider, &QPushButton::clicked, this, &TDial03::Valider);
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(precedent);
  navigation->addWidget(suivant);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe_);
  racine->addLayout(navigation);
  racine->addWidget(Boutons(this, valider, QStringLiteral("Dlg_NewDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  AfficherEleve();
}

void TDial03::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit1_->setFocus();
}

void TDial03::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) edit1_->setFocus();
}

void TDial03::AfficherEleve() {
  const QString nom = classe_.NbEleves() >= courant_ ? Depuis(classe_.NomComplet(courant_, true)) : QString();
  groupe_->setTitle(QLatin1Char(' ') + nom + QLatin1Char(' '));
  edit1_->setText(Depuis(notes_[static_cast<std::size_t>(courant_)]));
  edit1_->selectAll();
}

// The typed text when it may be stored: not a grade at all, or a grade within 0..notemax.
std::optional<std::string> TDial03::NoteAcceptee() {
  std::optional<std::string> texte = Cp1252(edit1_);
  if (!texte) {
    pf::Bip();
    return std::nullopt;
  }
  if (texte->size() > static_cast<std::size_t>(LongueurNoteSaisie)) texte->resize(LongueurNoteSaisie);
  const TNote n = LireNote(*texte, options_);
  if (n.EstNote() && !VerifierDomaine(options_.notemax, n.Valeur, options_)) {
    edit1_->selectAll();
    return std::nullopt;
  }
  return texte;
}

// A refused grade stays in the field and the student does not change.
void TDial03::Deplacer(int pas) {
  if (const std::optional<std::string> note = NoteAcceptee()) {
    notes_[static_cast<std::size_t>(courant_)] = *note;
    const int autre = courant_ + pas;
    if (autre >= 1 && autre <= classe_.NbEleves()) {
      courant_ = autre;
      AfficherEleve();
    }
  }
  edit1_->setFocus();
}

void TDial03::Valider() {
  const std::optional<std::string> note = NoteAcceptee();
  if (!note) {
    edit1_->setFocus();
    return;
  }
  notes_[static_cast<std::size_t>(courant_)] = *note;
  for (int e = 1; e <= classe_.NbEleves(); ++e) {
    std::string t = notes_[static_cast<std::size_t>(e)];
    if (options_.utiliserL && LireNote(t, options_).Genre == NoteLettre) t = MajusculesAscii(t);
    classe_.Eleve(e).Note(m_, p_, k_).Affecter(t);
  }
  done(DialogueConfirme);
}

void TDial03::reject() { done(DialogueAnnule); }

// --- TDial06: modify tests ---------------------------------------------------------------

TDial06::TDial06(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o), m_(MatiereVue(classe)), p_(PeriodeVue(classe)) {
  setWindowTitle(QStringLiteral("Modifier les renseignements sur un devoir ( ") + Depuis(classe.Abreviation.Vue()) +
                 QStringLiteral(" )"));

  auto* choix = new QGroupBox(this);
  cb_ = new QComboBox(choix);
  cb_->setObjectName(QStringLiteral("CB"));
  cb_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  RemplirListe(cb_, classe, m_, p_);
  auto* ligneChoix = new QHBoxLayout(choix);
  ligneChoix->addWidget(Etiquette(QStringLiteral("&Devoir à modifier:"), cb_, choix));
  ligneChoix->addWidget(cb_, 1);

  gb1_ = new QGroupBox(this);
  gb1_->setObjectName(QStringLiteral("GB1"));
  edit1_ = Champ(gb1_, "Edit1", CapaciteDate);
  edit2_ = Champ(gb1_, "Edit2", CapaciteDuree);
  edit3_ = Champ(gb1_, "Edit3", CapaciteCoef);
  edit4_ = Champ(gb1_, "Edit4", CapaciteCommentaire);
  DisposerChamps(new QGridLayout(gb1_), gb1_, edit1_, edit2_, edit3_, edit4_, nullptr);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDial06::OKClick);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(choix);
  racine->addWidget(gb1_);
  racine->addWidget(Boutons(this, ok, QString()));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  affiche_ = classe.NbDevoirs(m_, p_);
  if (affiche_ > 0) {
    cb_->setCurrentIndex(affiche_ - 1);
    Remplir();
  } else {
    choix->setEnabled(false);
    gb1_->setEnabled(false);
    ok->setEnabled(false);
  }
  connect(cb_, &QComboBox::currentIndexChanged, this, &TDial06::CBChange);
}

void TDial06::Remplir() {
  const TDevoir& d = classe_.Devoir(m_, p_, affiche_);
  gb1_->setTitle(TitreGroupe(classe_, m_, p_, affiche_, options_));
  edit1_->setText(Depuis(d.Date.Vue()));
  edit2_->setText(Depuis(d.Duree.Vue()));
  edit3_->setText(Depuis(FormaterNombre(d.Coef)));  // clears the modified mark: see EcrireDevoir
  edit4_->setText(Depuis(d.Commentaire.Vue()));
}

// Date, duration and comment are written even when the coefficient is refused. The
// coefficient is read back only when it was edited: the text shown has one decimal at most.
bool TDial06::EcrireDevoir() {
  if (affiche_ < 1) return false;
  const std::optional<TTextesDevoir> t = LireTextes(edit1_, edit2_, edit4_);
  if (!t) return false;
  modifFaite_ = true;
  const double stocke = classe_.Devoir(m_, p_, affiche_).Coef;
  const std::optional<double> coef = edit3_->isModified() ? LireCoef(edit3_, options_) : stocke;
  ModifierDevoir(classe_, affiche_, t->date, t->duree, coef.value_or(stocke), t->commentaire);
  cb_->setItemText(affiche_ - 1, QString::number(affiche_) + QStringLiteral(" - ") +
                                     Depuis(classe_.Devoir(m_, p_, affiche_).Commentaire.Vue()));
  return coef.has_value();
}

void TDial06::CBChange(int index) {
  if (index < 0 || index + 1 == affiche_) return;
  if (!EcrireDevoir()) {
    const QSignalBlocker bloque(cb_);
    cb_->setCurrentIndex(affiche_ - 1);
    return;
  }
  affiche_ = index + 1;
  Remplir();
}

void TDial06::OKClick() {
  if (EcrireDevoir()) done(DialogueConfirme);
}

void TDial06::reject() { done(modifFaite_ ? DialogueConfirme : DialogueAnnule); }

// --- TDial16: choose a test --------------------------------------------------------------

QString TDial16::SujetAide(TModeChoixDevoir mode) {
  switch (mode) {
    case TModeChoixDevoir::Supprimer: return QStringLiteral("Dlg_SupDevoir");
    case TModeChoixDevoir::InsererAvant: return QStringLiteral("Dlg_InsererDevoir");
    default: return QStringLiteral("PressePapInterne");
  }
}

TDial16::TDial16(QWidget* parent, const TClasse& classe, TModeChoixDevoir choix) : QDialog(parent) {
  const int m = MatiereVue(classe);
  const int p = PeriodeVue(classe);
  const int mode = static_cast<int>(choix);
  if (mode < 1 || mode > 5) throw std::invalid_argument("mode de choix de devoir hors limites");
  static const char* const Titres[] = {"Supprimer un devoir ( ", "Copier un devoir", "Couper un devoir",
                                       "Insérer le devoir copié", "Insérer un devoir"};
  static const char* const Libelles[] = {
      "&Devoir à supprimer:", "&Devoir à copier:", "&Devoir à couper:", "&Insérer le devoir copié avant le devoir:",
      "&Insérer le nouveau devoir avant le devoir:"};
  QString titre = QString::fromUtf8(Titres[mode - 1]);
  if (mode == 1) titre += Depuis(classe.Matiere(m).Nom.Vue()) + QStringLiteral(" )");
  setWindowTitle(titre);

  auto* groupe = new QGroupBox(this);
  cb_ = new QComboBox(groupe);
  cb_->setObjectName(QStringLiteral("CB"));
  cb_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  RemplirListe(cb_, classe, m, p);
  auto* colonne = new QVBoxLayout(groupe);
  colonne->addWidget(Etiquette(QString::fromUtf8(Libelles[mode - 1]), cb_, groupe));
  colonne->addWidget(cb_);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  ok->setEnabled(cb_->count() > 0);
  connect(ok, &QPushButton::clicked, this, [this] { done(cb_->currentIndex() + 1); });

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, SujetAide(choix)));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  cb_->setFocus();
}

void TDial16::reject() { done(ChoixAnnule); }

// --- The sheet's ways to a new test ------------------------------------------------------

bool AjouterNouveauDevoir(QWidget* parent, TClasse& classe, const TDateJour& aujourdhui, const TOptions& o) {
  const int n = classe.NbDevoirs(MatiereVue(classe), PeriodeVue(classe));
  if (n >= MaxDevoirs) return false;
  TDial02 d(parent, classe, QStringLiteral("Ajouter"), n + 1, aujourdhui, o);
  return d.exec() == DialogueConfirme;
}

bool InsererNouveauDevoir(QWidget* parent, TClasse& classe, int k, const TDateJour& aujourdhui, const TOptions& o) {
  return InsererDevoir(classe, k, [&](TClasse& c, int place) {
    TDial02 d(parent, c, QStringLiteral("Insérer"), place, aujourdhui, o);
    return d.exec() == DialogueConfirme;
  });
}

}  // namespace calevrin
