// CVeldraDefFileReader: one pass over the file builds the item index; reading an item
// then only walks its own lines.
#include "shared/def_file_reader.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlankOrCr(char c) {
    return IsBlank(c) || c == '\r';
}

} // namespace

CVeldraDefFileReader::CVeldraDefFileReader() = default;

CVeldraDefFileReader::~CVeldraDefFileReader() = default;

bool CVeldraDefFileReader::Open(const CString& path) {
    Close();
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return false;
    }
    m_bytes = std::move(*bytes);
    const char* data = m_bytes.data();
    const std::size_t size = m_bytes.size();
    std::size_t begin = 0;
    while (begin < size) {
        const void* newline = std::memchr(data + begin, '\n', size - begin);
        const std::size_t end =
            newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - data)
                               : size;
        IndexLine(begin, end);
        begin = end + 1;
    }
    if (!m_items.empty()) {
        m_items.back().endElement = m_elements.size();
    }
    return true;
}

void CVeldraDefFileReader::IndexLine(std::size_t begin, std::size_t end) {
    const char* data = m_bytes.data();
    const void* hash = std::memchr(data + begin, '#', end - begin);
    const bool commentCut = hash != nullptr;
    if (commentCut) {
        end = static_cast<std::size_t>(static_cast<const char*>(hash) - data);
    }
    while (begin < end && IsBlank(data[begin])) {
        ++begin;
    }
    if (begin < end && data[begin] == '*') {
        // A CR of the line end never belongs to the description; the blanks before a
        // comment do not either, but blanks a writer put at the end stay.
        while (end > begin && (data[end - 1] == '\r' || (commentCut && IsBlank(data[end - 1])))) {
            --end;
        }
        AddItem(begin + 1, end);
        return;
    }
    while (end > begin && IsBlankOrCr(data[end - 1])) {
        --end;
    }
    if (begin < end && !m_items.empty()) {
        m_elements.push_back({begin, end - begin});
    }
}

void CVeldraDefFileReader::AddItem(std::size_t begin, std::size_t end) {
    if (!m_items.empty()) {
        m_items.back().endElement = m_elements.size();
    }
    const std::string_view header(m_bytes.data() + begin, end - begin);
    const std::size_t comma = header.find(',');
    Item item;
    item.name = DecodeWindows1252(header.substr(0, comma));
    if (comma != std::string_view::npos) {
        item.description = DecodeWindows1252(header.substr(comma + 1));
    }
    item.firstElement = m_elements.size();
    item.endElement = m_elements.size();
    m_byName[item.name].items.push_back(m_items.size());
    m_items.push_back(std::move(item));
}

unsigned int CVeldraDefFileReader::GetItemList(CStringArray& names) {
    names.clear();
    names.reserve(m_items.size());
    for (const Item& item : m_items) {
        names.push_back(item.name);
    }
    return static_cast<unsigned int>(names.size());
}

bool CVeldraDefFileReader::StartItemRead(const CString& name, CString& description) {
    m_nextElement = 0;
    m_endElement = 0;
    const auto found = m_byName.find(name);
    if (found == m_byName.end()) {
        return false;
    }
    // Asking again for a name goes on to its next item, and round to the first again.
    ItemsOfName& ofName = found->second;
    const Item& item = m_items[ofName.items[ofName.calls % ofName.items.size()]];
    ++ofName.calls;
    description = item.description;
    m_nextElement = item.firstElement;
    m_endElement = item.endElement;
    return true;
}

bool CVeldraDefFileReader::ReadNextElement(CString& element) {
    if (m_nextElement >= m_endElement) {
        return false;
    }
    const Span& span = m_elements[m_nextElement++];
    AssignWindows1252(element, std::string_view(m_bytes.data() + span.offset, span.length));
    return true;
}

void CVeldraDefFileReader::Close() {
    // Swapping with empty objects gives the memory of a large file back at once.
    std::string().swap(m_bytes);
    std::vector<Span>().swap(m_elements);
    std::vector<Item>().swap(m_items);
    m_byName.clear();
    m_nextElement = 0;
    m_endElement = 0;
}
