// Reading and writing the integers and floats of the binary palette formats, in either
// byte order, without ever reading past the end of the input.
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t Offset() const { return m_offset; }
    std::size_t Left() const { return m_bytes.size() - m_offset; }

    // The next count bytes, or nullopt (and nothing taken) when fewer are left.
    std::optional<std::string_view> Bytes(std::size_t count) {
        if (count > Left()) {
            return std::nullopt;
        }
        const std::string_view taken = m_bytes.substr(m_offset, count);
        m_offset += count;
        return taken;
    }
    std::optional<std::uint16_t> U16BE() { return Number<std::uint16_t>(true); }
    std::optional<std::uint32_t> U32BE() { return Number<std::uint32_t>(true); }
    std::optional<std::uint16_t> U16LE() { return Number<std::uint16_t>(false); }
    std::optional<std::uint32_t> U32LE() { return Number<std::uint32_t>(false); }
    std::optional<float> F32BE() {
        const std::optional<std::uint32_t> bits = U32BE();
        return bits ? std::optional<float>(std::bit_cast<float>(*bits)) : std::nullopt;
    }

private:
    template <typename T>
    std::optional<T> Number(bool bigEndian) {
        const std::optional<std::string_view> bytes = Bytes(sizeof(T));
        if (!bytes) {
            return std::nullopt;
        }
        T value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            const auto byte =
                static_cast<unsigned char>((*bytes)[bigEndian ? i : sizeof(T) - 1 - i]);
            value = static_cast<T>((value << 8) | byte);
        }
        return value;
    }

    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

// Appends value's size bytes to out, most significant first when bigEndian.
template <typename T>
void AppendNumber(std::string& out, T value, bool bigEndian) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const std::size_t shift = 8 * (bigEndian ? sizeof(T) - 1 - i : i);
        out += static_cast<char>((static_cast<std::uint64_t>(value) >> shift) & 0xFF);
    }
}

// "Pen k" as UTF-16BE code units with the terminating zero, as the Adobe formats name colours.
inline std::string Utf16BeName(const std::string& ascii) {
    std::string out;
    for (const char c : ascii) {
        AppendNumber<std::uint16_t>(out, static_cast<unsigned char>(c), true);
    }
    AppendNumber<std::uint16_t>(out, 0, true);
    return out;
}
