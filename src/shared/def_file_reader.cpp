// CVeldraDefFileReader: one pass over the file notes where each item lies; reading an item
// then seeks to it and walks only its own lines.
#include "shared/def_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include "shared/file_io.h"
#include "shared/read_limits.h"
#include "shared/text_encoding.h"

namespace {

// Large enough that a file is scanned in few reads, small enough to cost nothing to set up.
constexpr std::size_t kScanBlock = 1 << 18;

// Most palette files are far smaller than a block; they get a block of their own size
// (one byte more, to meet the end in the same read), which costs less to set up.
std::size_t FirstBlockSize(std::FILE* file) {
    const long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    std::rewind(file);
    return size >= 0 && static_cast<std::size_t>(size) < kScanBlock
               ? static_cast<std::size_t>(size) + 1
               : kScanBlock;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

// The text before any comment, without surrounding blanks or the CR of a CR LF line end.
std::string_view DefFileElement(std::string_view line) {
    line = line.substr(0, line.find('#'));
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && (IsBlank(line.back()) || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

std::optional<DefFileHeader> ParseDefFileHeader(std::string_view line) {
    std::size_t star = 0;
    while (star < line.size() && IsBlank(line[star])) {
        ++star;
    }
    if (star == line.size() || line[star] != '*') {
        return std::nullopt;
    }
    std::string_view header = line.substr(star + 1);
    // A CR of the line end never belongs to the description; the blanks before a comment
    // do not either, but blanks a writer put at the end stay.
    const std::size_t hash = header.find('#');
    header = header.substr(0, hash);
    while (!header.empty() &&
           (header.back() == '\r' || (hash != std::string_view::npos && IsBlank(header.back())))) {
        header.remove_suffix(1);
    }
    const std::size_t comma = header.find(',');
    if (comma == std::string_view::npos) {
        return DefFileHeader{header, {}};
    }
    return DefFileHeader{header.substr(0, comma), header.substr(comma + 1)};
}

CVeldraDefFileReader::CVeldraDefFileReader() = default;

CVeldraDefFileReader::~CVeldraDefFileReader() {
    Close();
}

bool CVeldraDefFileReader::Open(const CString& path) {
    Close();
    m_error.clear();
    m_tooMany = false;
    m_textBytes = 0;
    m_file = OpenForReading(path, &m_error);
    if (m_file == nullptr) {
        return false;
    }
    m_stamp = StampOf(m_file);
    if (!IndexFile()) {
        Close();
        return false;
    }
    return true;
}

bool CVeldraDefFileReader::IndexFile() {
    std::string block(FirstBlockSize(m_file), '\0');
    std::size_t carried = 0;      // bytes of an unfinished line kept from the last block
    std::uint64_t blockStart = 0; // file offset of block[0]
    std::size_t lines = 0;        // complete lines so far
    for (;;) {
        const std::size_t got =
            std::fread(block.data() + carried, 1, block.size() - carried, m_file);
        if (got == 0 && std::ferror(m_file) != 0) {
            m_error = SystemErrorText(errno);
            return false;
        }
        const std::size_t filled = carried + got;
        std::size_t begin = 0;
        while (const void* newline = std::memchr(block.data() + begin, '\n', filled - begin)) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char*>(newline) - block.data());
            IndexLine({block.data() + begin, end - begin}, blockStart + begin,
                      blockStart + end + 1);
            begin = end + 1;
            ++lines;
        }
        if (got == 0 && begin < filled) {
            // The last line may lack its line end.
            IndexLine({block.data() + begin, filled - begin}, blockStart + begin,
                      blockStart + filled);
        }
        if (m_tooMany || !m_error.empty()) {
            return false;
        }
        if (got == 0) {
            if (!m_items.empty()) {
                m_items.back().bodyEnd = blockStart + filled;
            }
            IndexNames();
            return true;
        }
        carried = filled - begin;
        std::memmove(block.data(), block.data() + begin, carried);
        blockStart += begin;
        if (carried == block.size()) {
            // A line longer than a block: the block grows, up to the longest line we read.
            if (carried > kMaxLineBytes) {
                m_error = LineTooLongText(lines + 1);
                return false;
            }
            block.resize(std::min(block.size() * 2, kMaxLineBytes + 1));
        }
    }
}

void CVeldraDefFileReader::IndexLine(std::string_view line, std::uint64_t lineBegin,
                                     std::uint64_t nextLine) {
    const std::optional<DefFileHeader> header = ParseDefFileHeader(line);
    if (!header) {
        return;
    }
    if (m_items.size() == m_itemLimit) {
        m_tooMany = true;
        return;
    }
    m_textBytes += header->name.size() + header->description.size();
    if (m_textBytes > kMaxPaletteTextBytes) {
        m_error = kTooMuchPaletteText;
        return;
    }
    if (!m_items.empty()) {
        m_items.back().bodyEnd = lineBegin;
    }
    Item item;
    item.name = header->name;
    item.description = header->description;
    item.bodyBegin = nextLine;
    item.bodyEnd = nextLine;
    m_items.push_back(std::move(item));
}

void CVeldraDefFileReader::IndexNames() {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_byName[m_items[i].name].items.push_back(i);
    }
}

unsigned int CVeldraDefFileReader::GetItemList(CStringArray& names) {
    names.clear();
    names.reserve(m_items.size());
    for (const Item& item : m_items) {
        names.push_back(DecodeWindows1252(item.name));
    }
    return static_cast<unsigned int>(names.size());
}

bool CVeldraDefFileReader::StartItemRead(const CString& name, CString& description) {
    m_body.clear();
    m_bodyPos = 0;
    m_bodyLeft = 0;
    // Every name in the file decodes to one that encodes back to the same bytes; a name
    // that cannot be encoded is in no file.
    const std::optional<std::string> bytes = EncodeWindows1252(name);
    const auto found = bytes ? m_byName.find(*bytes) : m_byName.end();
    if (m_file == nullptr || found == m_byName.end()) {
        return false;
    }
    // Asking again for a name goes on to its next item, and round to the first again.
    ItemsOfName& ofName = found->second;
    const Item& item = m_items[ofName.items[ofName.calls % ofName.items.size()]];
    ++ofName.calls;
    if (std::fseek(m_file, static_cast<long>(item.bodyBegin), SEEK_SET) != 0) {
        return false;
    }
    m_bodyLeft = item.bodyEnd - item.bodyBegin;
    description = DecodeWindows1252(item.description);
    return true;
}

// An item's lines are read a block at a time: an item may run for gigabytes of lines.
bool CVeldraDefFileReader::ReadMoreOfBody() {
    const std::size_t unread = m_body.size() - m_bodyPos;
    if (m_bodyLeft == 0 || unread > kMaxLineBytes) {
        return false;
    }
    m_body.erase(0, m_bodyPos);
    m_bodyPos = 0;
    // At least as much again as the unfinished line holds, so that a long line is read in
    // few steps rather than searched again for every block.
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(m_bodyLeft, std::max(kScanBlock, unread)));
    m_body.resize(unread + wanted);
    const std::size_t got = std::fread(m_body.data() + unread, 1, wanted, m_file);
    m_body.resize(unread + got);
    m_bodyLeft = got == 0 ? 0 : m_bodyLeft - got;
    return got > 0;
}

bool CVeldraDefFileReader::ReadNextElement(CString& element) {
    for (;;) {
        std::size_t end = m_body.find('\n', m_bodyPos);
        if (end == std::string::npos && ReadMoreOfBody()) {
            continue;
        }
        if (m_bodyPos >= m_body.size()) {
            return false;
        }
        if (end == std::string::npos) {
            end = m_body.size();
        }
        const std::string_view found =
            DefFileElement(std::string_view(m_body).substr(m_bodyPos, end - m_bodyPos));
        m_bodyPos = end + 1;
        if (!found.empty()) {
            AssignWindows1252(element, found);
            return true;
        }
    }
}

void CVeldraDefFileReader::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_byName.clear(); // before the names it refers to
    m_items.clear();
    m_body.clear();
    m_bodyPos = 0;
    m_bodyLeft = 0;
}
