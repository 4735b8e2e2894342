#include <iostream>

#include "cli/CliContext.h"

int main(int argc, char** argv) {
  using namespace mousecfg;
  return runMousectl(Arguments(argv + 1, argv + argc), CliContext{std::cout, std::cerr});
}
