// host_error.h: the failure the runner reports and exits with status 1 for.
#ifndef RIVIDI_HOST_ERROR_H
#define RIVIDI_HOST_ERROR_H

#include <stdexcept>
#include <string>

struct host_Error : std::runtime_error {
  explicit host_Error(const std::string& message) : std::runtime_error(message) {}
};

#endif
