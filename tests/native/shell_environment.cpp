// shell_environment.cpp: runs the module's start-up once for the tests that link the shell directly.
#include <gtest/gtest.h>

#include "module_state.h"

namespace {
class ShellEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { mod_attach(); }
  void TearDown() override { mod_detach(); }
};
}  // namespace

static ::testing::Environment* const shell_environment =
    ::testing::AddGlobalTestEnvironment(new ShellEnvironment);
