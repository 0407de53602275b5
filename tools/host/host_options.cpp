// host_options.cpp: parses the runner's command line.
#include "host_options.h"

#include <cstring>

static const char usage[] =
    "Usage: rividi-host [OPTIONS] [SCRIPT.lua]...\n"
    "\n"
    "Loads the Rividi module, asks it for its texts, starts a Lua 5.1 state holding the simulated\n"
    "host, registers the module in it and runs the scripts in order, stopping at the first that fails.\n"
    "\n"
    "Output: a line \"== ...\" after registration and before each script; a line \"> ...\" for every\n"
    "host action the scripts cause, with its arguments as they were at the call, such as\n"
    "  > Input.SetText(\"Input1\", \"Hello\")\n"
    "and, in between, what the scripts print.\n"
    "\n"
    "Options:\n"
    "  --module PATH    the module to load (default: Rividi.so or Rividi.lmd next to rividi-host)\n"
    "  --project FILE   a Lua file that returns the project description (pages, dialogs, objects);\n"
    "                   default: the simulated host's default project\n"
    "  --simhost DIR    the simulated host's folder, holding init.lua (default: the repository's simhost/)\n"
    "  --texts          print the module's texts: name, version, author, Lua version, SDK version\n"
    "                   and the action description document; with no scripts, only that\n"
    "  --help           print this help and exit\n"
    "\n"
    "In a script, the global SimHost is the simulated host (its state, call log and stubs).\n"
    "Exit status: 0 on success, 1 when the module, the project or a script fails, 2 for a usage error.\n";

const char* hostopt_usage() {
  return usage;
}

// Options that take a value, as "--name VALUE" or "--name=VALUE".
struct hostopt_Valued {
  const char* name;
  std::string hostopt_Options::*field;
};

static const hostopt_Valued valued[] = {
    {"--module", &hostopt_Options::module},
    {"--project", &hostopt_Options::project},
    {"--simhost", &hostopt_Options::simhost},
};

// Takes the value of a valued option at argv[*i]; returns false if argv[*i] is no such option.
static bool hostopt_takevalue(int argc, char** argv, int* i, hostopt_Options* options, std::string* error) {
  const char* arg = argv[*i];
  for (const hostopt_Valued& option : valued) {
    size_t n = std::strlen(option.name);
    if (std::strncmp(arg, option.name, n) != 0) continue;
    if (arg[n] == '=') {
      options->*option.field = arg + n + 1;
    } else if (arg[n] == '\0') {
      if (*i + 1 >= argc) {
        *error = std::string(option.name) + " needs a value";
        return true;
      }
      options->*option.field = argv[++*i];
    } else {
      continue;
    }
    if ((options->*option.field).empty()) *error = std::string(option.name) + " needs a value";
    return true;
  }
  return false;
}

bool hostopt_parse(int argc, char** argv, hostopt_Options* options, std::string* error) {
  bool only_scripts = false;
  for (int i = 1; i < argc; i++) {
    const char* arg = argv[i];
    if (only_scripts || arg[0] != '-' || arg[1] == '\0') {
      options->scripts.push_back(arg);
    } else if (std::strcmp(arg, "--") == 0) {
      only_scripts = true;
    } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      options->help = true;
    } else if (std::strcmp(arg, "--texts") == 0) {
      options->texts = true;
    } else if (!hostopt_takevalue(argc, argv, &i, options, error)) {
      *error = std::string("unknown option ") + arg;
    }
    if (!error->empty()) return false;
  }
  return true;
}
