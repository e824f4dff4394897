// Argument reading shared by the module's functions. Every error raised here
// goes through Lua's own error mechanism and does not return.
#pragma once

#include <cstdint>

#include "model/gradation.h"

struct lua_State;

// Argument 1 as a gradation; raises `errorMessage` when the ID addresses none.
GradationData& CheckGradation(lua_State* L, const char* errorMessage);

float CheckFloat(lua_State* L, int arg);
int32_t CheckInt32(lua_State* L, int arg);

// A full or light userdata at `arg`; anything else is an argument error.
uint32_t* CheckPixelBuffer(lua_State* L, int arg);

// A full userdata carries its size: raises when it holds fewer than `words`
// 32-bit words. A light userdata carries none and is trusted, unless it is
// null (it holds no words) or no buffer in this address space could hold
// that many.
void CheckPixelBufferHolds(lua_State* L, int arg, uint64_t words);
