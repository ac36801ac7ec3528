// Names and descriptions from outside the palette file: the header line "*NAME,DESCRIPTION"
// ends a name at its first "," and the whole line at a "#", so those characters are
// replaced by visible ones rather than cut off, and the change is reported.
#pragma once

#include "files/formats/palette_format.h"

// name with "," as ";" and "#" as "No.".
CString StorableName(const CString& name);
// description with "#" as "No." (a "," there is part of the description).
CString StorableDescription(const CString& description);

// Makes the texts of every palette read storable, with a warning for each one changed that
// gives the original and the stored form.
void MakeTextsStorable(FormatReadResult& result);
