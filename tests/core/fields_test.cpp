// Field splitting and number reading, from the table in data/cases/fields.txt.
#include <gtest/gtest.h>

#include "case_table.h"
#include "shared/fields.h"
#include "shared/text_encoding.h"

namespace {

class Fields : public testing::TestWithParam<CaseRow> {};

TEST_P(Fields, Row) {
    const CaseRow& row = GetParam();
    const CString text = FromUtf8(row[1]);
    if (row[0] == "GetField") {
        EXPECT_EQ(GetField(text, L"dflt", row.Int(2), FromUtf8(row[3])[0]), FromUtf8(row[4]));
    } else if (row[0] == "WToI") {
        EXPECT_EQ(WToI(text), row.Int(2));
    } else {
        EXPECT_EQ(coreGetFieldInt(row[1] == "null" ? nullptr : text.c_str(), row.Int(2), row.Int(3),
                                  L' '),
                  row.Int(4));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Fields, testing::ValuesIn(ReadCaseTable("fields.txt")), CaseName);

} // namespace
