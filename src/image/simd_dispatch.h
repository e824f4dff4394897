// Instruction-set paths for the per-pixel loops. Scalar is the reference;
// every other path must produce exactly its words.
#pragma once

enum class SimdPath { Scalar, Sse2, Avx2 };

bool SimdPathSupported(SimdPath path);

// The widest path this CPU and operating system run, chosen once.
SimdPath FastestSimdPath();

const char* SimdPathName(SimdPath path);
