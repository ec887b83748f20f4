#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>

namespace velmoor {

// The program's growable buffer (the launcher's downloads carry their bodies in a
// CBuffer<unsigned char>). `Capacity` elements are allocated, the first `Length` of them are in
// use; the length never exceeds the capacity. Newly allocated elements are zeroed.
template <typename T>
class CBuffer {
public:
    CBuffer() = default;
    CBuffer(const CBuffer& other) { *this = other; }
    virtual ~CBuffer() = default;

    // Takes the source's capacity and all its elements, and its length.
    CBuffer& operator=(const CBuffer& other)
    {
        if (this == &other)
            return *this;
        data.reset();
        capacity = 0;
        length = 0;
        if (other.capacity == 0)
            return *this;
        Resize(other.capacity);
        std::copy(other.data.get(), other.data.get() + other.capacity, data.get());
        length = std::min(capacity, other.length);
        return *this;
    }

    // Reallocates to `n` elements keeping the first min(old capacity, n); a length beyond the new
    // capacity is cut to it.
    void Resize(std::uint32_t n)
    {
        if (n == capacity)
            return;
        std::unique_ptr<T[]> grown = n == 0 ? nullptr : std::make_unique<T[]>(n);
        if (data && grown)
            std::copy(data.get(), data.get() + std::min(capacity, n), grown.get());
        data = std::move(grown);
        capacity = n;
        length = std::min(length, n);
    }

    // Marks the first `n` elements as in use, at most the capacity.
    void SetLength(std::uint32_t n) { length = std::min(n, capacity); }

    std::uint32_t Capacity() const { return capacity; }
    std::uint32_t Length() const { return length; }
    T* Data() { return data.get(); }
    const T* Data() const { return data.get(); }

private:
    std::uint32_t capacity = 0;
    std::unique_ptr<T[]> data;  // null while the capacity is 0
    std::uint32_t length = 0;
};

}  // namespace velmoor
