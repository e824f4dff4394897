// The shipped library opened by a Lua runtime in the process: the lazy
// binding must find that runtime.
#include "opened_module.h"

namespace {

TEST_F(OpenedModule, BindsToTheRuntimeInTheProcess) {
  EXPECT_EQ(Run("assert(Velumbra.Gradation(0, 50) == 0)"), "");
  // luaL_error places the message after the calling line's position.
  EXPECT_EQ(Run("Velumbra.Gradation(51, 50)"),
            "[string \"Velumbra.Gradation(51, 50)\"]:1: Velumbra : Gradation ID is out of range");
  const std::string typeError = Run("Velumbra.SetGradationData(1, nil, {})");
  EXPECT_NE(typeError.find("bad argument #2"), std::string::npos) << typeError;
}

}  // namespace
