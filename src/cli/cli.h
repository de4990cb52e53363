// tarnwick-cli: the program's own code run through the headless backend, for
// batch work and tests.
#pragma once

#include <ostream>

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
