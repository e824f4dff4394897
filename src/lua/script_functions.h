// The functions of the "Velumbra" module table, in registration order.
#pragma once

struct lua_State;

int GetGradationData(lua_State* L);
int SetGradationData(lua_State* L);
int Gradation(lua_State* L);
int SetGradationImage(lua_State* L);
int ColorReMap_Luminance(lua_State* L);
