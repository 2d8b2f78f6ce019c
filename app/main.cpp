#include "app/demarrage.h"

int main(int argc, char** argv) { return calevrin::Demarrer(argc, argv); }
