// Text types of the product family's shared library: wide strings and arrays of them.
#pragma once

#include <string>
#include <vector>

using CString = std::wstring;
using CStringArray = std::vector<CString>;
