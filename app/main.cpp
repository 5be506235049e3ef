#include <string_view>
#include <vector>

#include "app/AssemblerApp.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const int status = AssemblerApp().main(arguments);
  std::fflush(stdout);
  return status;
}
