// Which gradient format a file holds, told by its content alone: extensions
// are shared (.grd is both this editor's record and another program's packs)
// or missing (dropped text).
#pragma once

#include <string_view>

#include "interchange/gradient_formats.h"

// Tries the rows of kGradientFormats in their order (see there why the
// record comes first).
GradientFormat DetectGradientFormat(std::string_view bytes);

// The detectors of the table's rows (the 8BGR signature is the reader's own,
// HasGrd8Signature).
bool IsVelumbraRecord(std::string_view bytes);
bool IsGgr(std::string_view bytes);
bool IsSvg(std::string_view bytes);
bool IsCss(std::string_view bytes);
