// The lines of a text format read a piece at a time: lines end at LF, CR LF or a lone CR
// (files from old Macs), a UTF-8 byte-order mark at the start is dropped, and no line may
// be longer than kMaxLineBytes, so that reading never holds more than one line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "files/formats/palette_format.h"

class TextLines {
public:
    explicit TextLines(ByteSource source) : m_source(std::move(source)) {}

    // The next line, without its line end; false at the end of the input, or when the
    // line is too long (Error() says so, naming it).
    bool Next(std::string_view& line);
    // The number of the line Next gave last, counted from 1.
    std::size_t Number() const { return m_number; }
    const std::string& Error() const { return m_error; }

private:
    // Appends the next piece of input, or notes that there is none.
    void ReadMore();

    ByteSource m_source;
    std::string m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
    bool m_ended = false;
    std::string m_error;
};
