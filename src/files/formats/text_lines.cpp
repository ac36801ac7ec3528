// Splitting a text format's input into lines.
#include "files/formats/text_lines.h"

#include "shared/read_limits.h"

void TextLines::ReadMore() {
    const std::string_view piece = m_source();
    if (piece.empty()) {
        m_ended = true;
        return;
    }
    m_buffer.erase(0, m_pos);
    m_pos = 0;
    m_buffer.append(piece);
}

bool TextLines::Next(std::string_view& line) {
    std::size_t from = m_pos;
    for (;;) {
        const std::size_t end = m_buffer.find_first_of("\r\n", from);
        // A CR at the end of what has come so far may be the first half of a CR LF.
        const bool complete = end != std::string::npos &&
                              (m_buffer[end] == '\n' || end + 1 < m_buffer.size() || m_ended);
        if (complete || m_ended) {
            if (!complete && m_pos == m_buffer.size()) {
                return false;
            }
            const std::size_t lineEnd = complete ? end : m_buffer.size();
            if (lineEnd - m_pos > kMaxLineBytes) { // come whole in one piece
                m_error = LineTooLongText(m_number + 1);
                return false;
            }
            line = std::string_view(m_buffer).substr(m_pos, lineEnd - m_pos);
            if (m_number++ == 0 && line.starts_with("\xEF\xBB\xBF")) {
                line.remove_prefix(3);
            }
            const bool crLf = complete && m_buffer[end] == '\r' && end + 1 < m_buffer.size() &&
                              m_buffer[end + 1] == '\n';
            m_pos = complete ? end + (crLf ? 2 : 1) : lineEnd;
            return true;
        }
        if (m_buffer.size() - m_pos > kMaxLineBytes) {
            m_error = LineTooLongText(m_number + 1);
            return false;
        }
        const std::size_t searched = (end == std::string::npos ? m_buffer.size() : end) - m_pos;
        ReadMore();
        from = m_pos + searched;
    }
}
