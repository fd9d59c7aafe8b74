#include "tests/model/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace
{
long s_live = 0;
long s_failCountdown = 0;

void* Allocate(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (p != nullptr)
        ++s_live;
    return p;
}

void Release(void* p)
{
    if (p == nullptr)
        return;
    --s_live;
    std::free(p);
}

bool FailThisOne()
{
    return s_failCountdown > 0 && --s_failCountdown == 0;
}
} // namespace

long LiveAllocations()
{
    return s_live;
}

void FailNothrowAllocation(long n)
{
    s_failCountdown = n;
}

// The other forms of new and delete in the runtime library call these (linked statically);
// only the non-throwing array form needs its own, to fail when told to.
void* operator new(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return FailThisOne() ? nullptr : Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* p) noexcept
{
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    Release(p);
}
