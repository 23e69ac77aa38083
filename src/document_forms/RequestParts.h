#pragma once
// What the two fiscal-certificate requests, the removal-from-tax-records declaration and
// the deregistration request share: the text sizes of their labels, the size of their
// boxes' text, and the head of a fiscal-certificate request.

#include <vector>

#include "document_forms/PageTable.h"

namespace document_forms::request {

inline constexpr Font kTimes9{"Times New Roman", 9.75};
inline constexpr Font kTimes11{"Times New Roman", 11.25};
inline constexpr Font kTimes12Bold{"Times New Roman", 12, true};

// The page's font: the boxes show in it with FontDrav's face (their layout gives them no
// font), and so do the rows of dots. 10 points fit a box 285 twips high.
inline constexpr Font kPageFont{"MS Sans Serif", 10};

// The head of a fiscal-certificate request: "Nr. de inregistrare" with its line at
// `numberTop`; the three title lines from `titleTop`, the third one `who` ("PENTRU
// PERSOANE JURIDICE"); "D-le/D-na DIRECTOR," under them.
void AddFiscalRequestHead(std::vector<Item>& items, double numberTop, double titleTop, const char* who);

}  // namespace document_forms::request
