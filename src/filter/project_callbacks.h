// The host's project-data hooks, in the form the host calls them: C calling
// convention, 32-bit results, nonzero for success. The bytes of the block
// are persist/project_block's; these only carry them to and from the bank.
#pragma once

#include <cstdint>

struct FilterRecord;

extern "C" {

// Called first with `data` null to learn the size, then with a buffer of at
// least that size to fill.
int32_t SaveProjectData(FilterRecord* filter, void* editHandle, void* data, int32_t* size);

// Given the block the save hook wrote (or whatever the project holds) and its
// size. Always reports success: a damaged block loads what is whole.
int32_t LoadProjectData(FilterRecord* filter, void* editHandle, void* data, int32_t size);
}
