#include <iostream>

#include "cli/commandes.h"

int main(int argc, char** argv) {
  return calevrin::ExecuterCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
