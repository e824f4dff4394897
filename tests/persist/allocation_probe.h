// Records the largest request made of operator new while a probe lives, so a
// test can show that hostile counts in a record allocate nothing large.
#pragma once

#include <cstddef>

class AllocationProbe {
 public:
  AllocationProbe();
  size_t Largest() const;
};
