#include "platform/regional.h"

#include <QLocale>

namespace calevrin::plateforme {

char SeparateurDecimal() {
  // Qt's own locale data answers even where the C library lacks the generated locale.
  const QString s = QLocale::system().decimalPoint();
  return s.size() == 1 && s[0].unicode() < 0x80 ? static_cast<char>(s[0].unicode()) : '.';
}

}  // namespace calevrin::plateforme
