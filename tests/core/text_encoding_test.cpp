// Windows-1252 and UTF-8 conversions: every byte survives, nothing is silently replaced. Which
// characters a file can hold is the Add dialog's table (palette_texts.txt), the decoding of
// single bytes the dump of eight_bit_names.pal.
#include <gtest/gtest.h>

#include "shared/text_encoding.h"

TEST(TextEncoding, EveryWindows1252ByteRoundTrips) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const CString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(EncodeWindows1252(text), all);
    EXPECT_EQ(FirstUnencodableWindows1252(text), 0);
}

TEST(TextEncoding, Utf8RoundTripsEvenInvalidBytes) {
    EXPECT_EQ(ToUtf8(L"Corvane 2014 \u00E9\u20AC\U0001F600"),
              "Corvane 2014 \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8("\xC3\xA9\xE2\x82\xAC"), L"\u00E9\u20AC");
    // File names need not be valid UTF-8; they must still reach the same file.
    for (std::string bytes : {"a\xFFz", "\xC3", "\xED\xA0\x80", "\xC0\xAF"}) {
        EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes);
    }
}
