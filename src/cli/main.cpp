#include <iostream>

#include "cli/CliContext.h"

int main(int argc, char** argv) {
  using namespace mousecfg;
  CliContext context{std::cout, std::cerr};
  context.in = &std::cin;
  return runMousectl(Arguments(argv + 1, argv + argc), context);
}
