#pragma once
// A Qt warning that a test provokes on purpose, accepted while the object lives.

#include <QString>
#include <QStringList>

namespace calevrin::test {

inline QStringList& AvertissementsAttendus() {
  static QStringList l;
  return l;
}

inline bool AvertissementAttendu(const QString& message) {
  for (const QString& debut : AvertissementsAttendus())
    if (message.startsWith(debut)) return true;
  return false;
}

class TAvertissementAttendu {
 public:
  explicit TAvertissementAttendu(const QString& debut) : debut_(debut) { AvertissementsAttendus().push_back(debut); }
  ~TAvertissementAttendu() { AvertissementsAttendus().removeOne(debut_); }
  TAvertissementAttendu(const TAvertissementAttendu&) = delete;
  TAvertissementAttendu& operator=(const TAvertissementAttendu&) = delete;

 private:
  QString debut_;
};

}  // namespace calevrin::test
