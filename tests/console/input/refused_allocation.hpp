// The test program's own operator new, which can be told to refuse blocks
// of a size on the calling thread, as when memory has run out.
#pragma once

#include <cstddef>

// 0 allows every size again.
void refuse_allocations_from(std::size_t bytes);
