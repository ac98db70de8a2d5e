#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

namespace vermil {

// A growing byte buffer that, unlike std::string, does not clear the room it
// makes: the report is written into room sized for the worst case, and clearing
// that first would cost as much as writing it.
class ByteBuffer {
public:
    ByteBuffer() = default;
    // A buffer moved from is empty and usable: sinks move blocks out, and the
    // reader fills what they leave behind again.
    ByteBuffer(ByteBuffer&& other) noexcept
        : data_(std::move(other.data_)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ByteBuffer& operator=(ByteBuffer&& other) noexcept {
        if (this != &other) {
            data_ = std::move(other.data_);
            size_ = std::exchange(other.size_, 0);
            capacity_ = std::exchange(other.capacity_, 0);
        }
        return *this;
    }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Room for `bytes` more bytes at the end; write there, then commit.
    char* prepare(std::size_t bytes) {
        if (size_ + bytes > capacity_)
            grow(size_ + bytes);
        return data_.get() + size_;
    }
    // Ends the buffer at `end`, a position in the room of the last prepare.
    void commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

    void append(std::string_view bytes) {
        char* room = prepare(bytes.size());
        if (!bytes.empty())
            std::memcpy(room, bytes.data(), bytes.size());
        size_ += bytes.size();
    }
    void clear() { size_ = 0; }
    void assign(std::string_view bytes) {
        clear();
        append(bytes);
    }
    // Keeps the first `size` bytes.
    void truncate(std::size_t size) { size_ = size < size_ ? size : size_; }
    // Drops the first `count` bytes.
    void eraseFront(std::size_t count) {
        count = count < size_ ? count : size_;
        if (count != size_)
            std::memmove(data_.get(), data_.get() + count, size_ - count);
        size_ -= count;
    }
    void swap(ByteBuffer& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    char* data() { return data_.get(); }
    const char* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    void grow(std::size_t needed) {
        std::size_t capacity = capacity_ ? capacity_ : 4096;
        while (capacity < needed)
            capacity *= 2;
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ != 0)
            std::memcpy(data.get(), data_.get(), size_);
        data_ = std::move(data);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace vermil
