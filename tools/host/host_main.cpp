// host_main.cpp: rividi-host, the headless host: runs project scripts against the real module.
#include <cstdio>
#include <string>

#include "host_error.h"
#include "host_module.h"
#include "host_options.h"
#include "host_platform.h"
#include "host_session.h"

#ifndef RIVIDI_SIMHOST_DIR
#define RIVIDI_SIMHOST_DIR ""
#endif

static bool hostmain_exists(const std::string& file) {
  FILE* f = std::fopen(file.c_str(), "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

static std::string hostmain_modulepath(const hostopt_Options& options) {
  if (!options.module.empty()) return options.module;
  std::string dir = hostplat_executable_dir();
  return dir.empty() ? hostplat_module_name : dir + hostplat_separator + hostplat_module_name;
}

// The simulated host: --simhost, else <repository>/simhost seen from build/<preset>/, else the
// source tree this runner was built from.
static std::string hostmain_simhostdir(const hostopt_Options& options) {
  if (!options.simhost.empty()) return options.simhost;
  std::string dir = hostplat_executable_dir();
  std::string beside = dir + hostplat_separator + ".." + hostplat_separator + ".." + hostplat_separator + "simhost";
  if (!dir.empty() && hostmain_exists(beside + "/init.lua")) return hostplat_fullpath(beside);
  if (hostmain_exists(std::string(RIVIDI_SIMHOST_DIR) + "/init.lua")) return RIVIDI_SIMHOST_DIR;
  throw host_Error("cannot find the simulated host (simhost/init.lua): give its folder with --simhost DIR");
}

// A text with CR LF line ends, as lines ending in LF, each after `indent`.
static void hostmain_printlines(const std::string& text, const char* indent) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    std::printf("%s%.*s\n", stop > start ? indent : "", static_cast<int>(stop - start), text.data() + start);
    start = end + 1;
  }
}

static void hostmain_printtexts(const hostmod_Texts& texts) {
  std::printf("name: %s\n", texts.name.c_str());
  std::printf("version: %s\n", texts.version.c_str());
  std::printf("Lua version: %s\n", texts.lua_version.c_str());
  std::printf("SDK version: %d\n", texts.sdk_version);
  std::printf("author:\n");
  hostmain_printlines(texts.author, "  ");
  std::printf("document (%u bytes):\n", static_cast<unsigned>(texts.document.size()));
  hostmain_printlines(texts.document, "");
}

static void hostmain_runscripts(const hostopt_Options& options, const hostmod_Module& module,
                                const hostmod_Texts& texts) {
  hostses_Session session;
  try {
    hostses_start(&session, hostmain_simhostdir(options), options.project);
    hostses_register(&session, module);
    std::printf("== registered %s %s from %s\n", texts.name.c_str(), texts.version.c_str(), module.path.c_str());
    for (const std::string& script : options.scripts) hostses_run(&session, script);
    hostses_flush(&session);
    std::printf("== end: %ld host actions\n", session.log.total);
  } catch (...) {
    hostses_flush(&session);
    hostses_close(&session);
    throw;
  }
  hostses_close(&session);
}

static int hostmain_run(const hostopt_Options& options) {
  hostmod_Module module = hostmod_load(hostmain_modulepath(options));
  try {
    hostmod_Texts texts = hostmod_texts(module);
    if (options.texts) hostmain_printtexts(texts);
    if (!options.texts || !options.scripts.empty()) hostmain_runscripts(options, module, texts);
  } catch (...) {
    hostmod_unload(&module);
    throw;
  }
  hostmod_unload(&module);
  return HOST_EXIT_OK;
}

int main(int argc, char** argv) {
  hostplat_binary_stdio();
  hostopt_Options options;
  std::string error;
  if (!hostopt_parse(argc, argv, &options, &error)) {
    std::fprintf(stderr, "rividi-host: %s\nTry 'rividi-host --help'.\n", error.c_str());
    return HOST_EXIT_USAGE;
  }
  if (options.help) {
    std::fputs(hostopt_usage(), stdout);
    return HOST_EXIT_OK;
  }
  try {
    return hostmain_run(options);
  } catch (const host_Error& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "rividi-host: %s\n", e.what());
    return HOST_EXIT_FAILED;
  }
}
