// host_options.h: the runner's command line.
#ifndef RIVIDI_HOST_OPTIONS_H
#define RIVIDI_HOST_OPTIONS_H

#include <string>
#include <vector>

// Exit statuses of the runner.
enum { HOST_EXIT_OK = 0, HOST_EXIT_FAILED = 1, HOST_EXIT_USAGE = 2 };

struct hostopt_Options {
  bool help = false;
  bool texts = false;
  std::string module;   // "" = the module next to the executable
  std::string project;  // "" = the simulated host's default project
  std::string simhost;  // "" = found from the executable, else the source tree
  std::vector<std::string> scripts;
};

// Parses argv; on a usage error returns false and sets *error.
bool hostopt_parse(int argc, char** argv, hostopt_Options* options, std::string* error);

// The text of --help.
const char* hostopt_usage();

#endif
