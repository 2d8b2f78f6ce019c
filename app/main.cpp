#include "app/demarrage.h"
#include "platform/chemins.h"

int main(int argc, char** argv) {
  calevrin::plateforme::DossierExecutionPrive();  // before Qt, which would warn without a session
  return calevrin::Demarrer(argc, argv);
}
