#include "app/demarrage.h"
#include "platform/chemins.h"
#include "platform/processus.h"

int main(int argc, char** argv) {
  calevrin::plateforme::DossierExecutionPrive();  // before Qt, which would warn without a session
  calevrin::plateforme::RendreLesGrandsBlocs();
  return calevrin::Demarrer(argc, argv);
}
