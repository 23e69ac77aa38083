#pragma once
// The layout fonts of the large forms (the one-page registration sheet and both faces of
// the tax declaration), by face, size and style.

#include "document_forms/PageTable.h"

namespace document_forms {

inline constexpr Font kTimes825{"Times New Roman", 8.25};
inline constexpr Font kTimes825BoldUnderlined{"Times New Roman", 8.25, true, false, true};
inline constexpr Font kTimes9{"Times New Roman", 9};
inline constexpr Font kTimes975{"Times New Roman", 9.75};
inline constexpr Font kTimes975Bold{"Times New Roman", 9.75, true};
inline constexpr Font kTimes975Italic{"Times New Roman", 9.75, false, true};
inline constexpr Font kTimes975BoldItalic{"Times New Roman", 9.75, true, true};
inline constexpr Font kTimes1125{"Times New Roman", 11.25};
inline constexpr Font kTimes1125Bold{"Times New Roman", 11.25, true};
inline constexpr Font kTimes1125BoldUnderlined{"Times New Roman", 11.25, true, false, true};
inline constexpr Font kTimes12Bold{"Times New Roman", 12, true};
inline constexpr Font kArial675{"Arial", 6.75};
inline constexpr Font kArial825{"Arial", 8.25};
inline constexpr Font kArial825Bold{"Arial", 8.25, true};
inline constexpr Font kArial9{"Arial", 9};
inline constexpr Font kArial9Bold{"Arial", 9, true};
inline constexpr Font kArial975{"Arial", 9.75};
inline constexpr Font kArial975Bold{"Arial", 9.75, true};
inline constexpr Font kArial975BoldUnderlined{"Arial", 9.75, true, false, true};

}  // namespace document_forms
