#pragma once
#include <cstddef>
#include <cstdint>
#include <new>

// Memory for the settings store: blocks that double in size as the store grows, handed out by moving
// a pointer and given back all at once when the arena goes. Nothing is given back before.
class StoreArena {
public:
    StoreArena() = default;
    StoreArena(const StoreArena&) = delete;
    StoreArena& operator=(const StoreArena&) = delete;
    ~StoreArena() {
        while (last) {
            Block* previous = last->previous;
            ::operator delete(last);
            last = previous;
        }
    }

    // `alignment` is a power of two no larger than a block's own alignment.
    void* Allocate(std::size_t size, std::size_t alignment) {
        std::uintptr_t at = (next + alignment - 1) & ~(alignment - 1);
        if (!last || at > limit || size > limit - at) {
            Grow(size + alignment);
            at = (next + alignment - 1) & ~(alignment - 1);
        }
        next = at + size;
        return reinterpret_cast<void*>(at);
    }

private:
    struct alignas(std::max_align_t) Block {
        Block* previous;
    };

    void Grow(std::size_t atLeast) {
        std::size_t size = nextBlockSize;
        while (size - sizeof(Block) < atLeast) size *= 2;
        auto* block = static_cast<Block*>(::operator new(size));
        block->previous = last;
        last = block;
        next = reinterpret_cast<std::uintptr_t>(block + 1);
        limit = reinterpret_cast<std::uintptr_t>(block) + size;
        if (nextBlockSize < LargestGrowth) nextBlockSize *= 2;
    }

    static constexpr std::size_t LargestGrowth = std::size_t(16) << 20;
    Block* last = nullptr;
    std::uintptr_t next = 0, limit = 0;
    std::size_t nextBlockSize = 4096;
};

// The standard containers' view of the arena: allocation only, freeing is the arena's own end.
template <class T>
class StoreAllocator {
public:
    using value_type = T;

    explicit StoreAllocator(StoreArena& arena) : arena(&arena) {}
    template <class U>
    StoreAllocator(const StoreAllocator<U>& other) : arena(other.Arena()) {}

    T* allocate(std::size_t count) { return static_cast<T*>(arena->Allocate(count * sizeof(T), alignof(T))); }
    void deallocate(T*, std::size_t) {}

    StoreArena* Arena() const { return arena; }
    template <class U>
    bool operator==(const StoreAllocator<U>& other) const { return arena == other.Arena(); }
    template <class U>
    bool operator!=(const StoreAllocator<U>& other) const { return arena != other.Arena(); }

private:
    StoreArena* arena;
};
