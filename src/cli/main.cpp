#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    corvanta::CommandEnv env{std::cout, std::cerr};
    return corvanta::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), env);
}
