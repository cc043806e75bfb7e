#include "refused_allocation.hpp"

#include <cstdlib>
#include <new>

namespace {
thread_local std::size_t refused_from = 0;
}

void refuse_allocations_from(std::size_t bytes) {
    refused_from = bytes;
}

void* operator new(std::size_t n) {
    if (refused_from != 0 && n >= refused_from) throw std::bad_alloc();
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t n) {
    return ::operator new(n);
}

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept {
    return ::operator new(n, tag);
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
