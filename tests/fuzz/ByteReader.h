// The fuzz targets' reading of their input.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads the input front to back, so seed files can be written by hand; past the end every
// byte reads as 0.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // The next `bytes` bytes (up to 8), most significant first.
    uint64_t Bits(int bytes) {
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | Byte();
        return value;
    }

    int32_t Int32() { return static_cast<int32_t>(Bits(4)); }

    // One byte for spans up to 256 values, two bytes beyond.
    int InRange(int low, int high) {
        const unsigned span = static_cast<unsigned>(high - low) + 1;
        const auto raw = static_cast<unsigned>(Bits(span > 256 ? 2 : 1));
        return low + static_cast<int>(raw % span);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
