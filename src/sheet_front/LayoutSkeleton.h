#pragma once
// The frame that every grid document's layout follows: the registration sheet's front
// and back (complete and data-only), the request letter to the records service, the
// sale contract, the deregistration certificate and contract and certificate on one
// page. Each layout rebuilds the report grid from nothing, in this order:
//
//    1. ClearGrid        wipes the previous document (when the grid has more than two rows)
//    2. SetupGrid        rows, columns, redraw off, column flags, default font, options,
//                        the views back to the document's top
//    3. FormatWholeGrid  formats laid on large rectangles before the cells
//    4. SetColumnWidths  column 0 first, then 1 to Cols - 1
//    5. SetRowHeights    row 0 where the document sizes it, then 1 to Rows - 1
//    6. the document's cells, then its frames and lines
//    7. BeforeTheFill    the document's last setting before the fill
//    8. the document's fill from the main window's boxes (redraw still off)
//    9. FinishGrid       redraw on, one refresh
//
// LayDocument runs the whole frame for a document given as DocumentLayout. The
// parameters of the eight documents are the k... constants below. A failing grid call
// raises platform::RuntimeError and leaves the steps after it undone; the caller decides
// how to report it and calls FinishGrid so that the grid repaints.

#include <functional>
#include <span>

#include "report_grid/ReportGrid.h"

namespace sheet_front {

// How the previous document is wiped: the sheets clear the texts and then everything,
// the letters everything at once.
enum class Clearing { kTextThenAll, kAllOnly };

// The document's last setting before its fill.
enum class BeforeFill {
  kNothing,
  kGridValueC255,   // Grid.GridValueC := 255 (the sheet front)
  kColumnFlagOfColumn1,  // Column(1).ColumnFlag := True (the request letter)
};

// A corner coordinate of kLast is read from the grid when the format is laid:
// Rows - 1 for a row, Cols - 1 for a column.
inline constexpr int kLast = -1;

// A format laid on a large rectangle before the cells, which single cells may override
// later. Set, in this order: bold, alignment, font size; what is 0 / false is not set.
struct WholeGridFormat {
  int row1, col1, row2, col2;
  bool bold = false;
  int alignment = 0;
  double fontSize = 0;
};

struct LayoutParameters {
  int rows;                 // Grid.Rows, the fixed row 0 included
  int cols;                 // Grid.Cols, the fixed column 0 included
  double fontSize;          // the default font, "times new roman"
  bool fontBold;
  Clearing clearing;
  bool copyGridValueB;      // Grid.GridValueA := Grid.GridValueB at the end of SetupGrid
  std::span<const WholeGridFormat> wholeGridFormats;
  int row0Height;           // kKeepRow0: row 0 keeps the grid's own height
  BeforeFill beforeFill;
};

inline constexpr int kKeepRow0 = -1;
inline const QString kLayoutFontName = QStringLiteral("times new roman");

namespace detail {
// The rubric-number columns of the sheet front, bold, centred, 7 points.
inline constexpr WholeGridFormat kFrontRubricColumns[] = {
    {3, 1, 31, 1, true, 10, 7},
    {3, 15, 28, 15, true, 10, 7},
};
inline constexpr WholeGridFormat kWholeDocumentCentred[] = {{1, 1, kLast, kLast, false, 10, 0}};
inline constexpr WholeGridFormat kCertificateCentred[] = {{1, 1, 17, kLast, false, 10, 0}};
}  // namespace detail

//                                                   rows cols size  bold   clearing
inline constexpr LayoutParameters kLayoutFisaFataComplet{37, 29, 6, false, Clearing::kTextThenAll, false,
                                                         detail::kFrontRubricColumns, kKeepRow0,
                                                         BeforeFill::kGridValueC255};
inline constexpr LayoutParameters kLayoutFisaFata{37, 29, 6, false, Clearing::kTextThenAll, false,
                                                  detail::kFrontRubricColumns, kKeepRow0,
                                                  BeforeFill::kGridValueC255};
inline constexpr LayoutParameters kLayoutFisaVersoComplet{50, 29, 7, true, Clearing::kTextThenAll, false, {},
                                                          kKeepRow0, BeforeFill::kNothing};
inline constexpr LayoutParameters kLayoutFisaVerso{50, 29, 7, true, Clearing::kTextThenAll, false, {},
                                                   kKeepRow0, BeforeFill::kNothing};
inline constexpr LayoutParameters kLayoutEvidenta{20, 22, 11, false, Clearing::kAllOnly, true, {},
                                                  kKeepRow0, BeforeFill::kColumnFlagOfColumn1};
inline constexpr LayoutParameters kLayoutCV{32, 22, 8, false, Clearing::kAllOnly, true,
                                            detail::kWholeDocumentCentred, 2, BeforeFill::kNothing};
inline constexpr LayoutParameters kLayoutCertifRadiere{20, 22, 8, false, Clearing::kAllOnly, true,
                                                       detail::kCertificateCentred, kKeepRow0,
                                                       BeforeFill::kNothing};
inline constexpr LayoutParameters kLayoutCVCertifRadiere{54, 22, 8, false, Clearing::kAllOnly, true,
                                                         detail::kWholeDocumentCentred, 2, BeforeFill::kNothing};

// Wipes the previous document over (1, 1)-(Rows - 1, Cols - 1) at the grid's current
// size, when Rows - 1 is greater than 1; the grid as the main window first shows it (two
// rows) is left alone.
void ClearGrid(report_grid::ReportGrid& grid, Clearing clearing);

// The new size, redraw off, column flags of columns 1 to Cols - 1 off, the default font
// "times new roman" of the document's size and weight, GridOptionA off, GridOptionB on,
// for the letters GridValueA := GridValueB; and the grid's views go back to the first
// row and column, so that every document opens at its top.
void SetupGrid(report_grid::ReportGrid& grid, const LayoutParameters& parameters);

// The document's whole-grid formats, in their order.
void FormatWholeGrid(report_grid::ReportGrid& grid, const LayoutParameters& parameters);

// Column widths for columns 0 to Cols - 1, in order: one width per column.
void SetColumnWidths(report_grid::ReportGrid& grid, std::span<const int> widths);

// A row height of kSizedLater leaves that row to the document's cells.
inline constexpr int kSizedLater = -1;

// Row 0 where the document sizes it, then rows 1 to Rows - 1 from `heights` (one height
// per row, row 1 first).
void SetRowHeights(report_grid::ReportGrid& grid, const LayoutParameters& parameters, std::span<const int> heights);

void BeforeTheFill(report_grid::ReportGrid& grid, const LayoutParameters& parameters);

// Redraw on, then one refresh: the finished document appears at once.
void FinishGrid(report_grid::ReportGrid& grid);

// One grid document: its parameters, its widths and heights, its cells with their
// frames and lines, and its fill.
struct DocumentLayout {
  const LayoutParameters& parameters;
  std::span<const int> widths;
  std::span<const int> heights;
  std::function<void(report_grid::ReportGrid&)> cells;
  std::function<void(report_grid::ReportGrid&)> fill;
};

// Runs the whole frame for `document`. An error of a grid call passes to the caller,
// with Redraw still off.
void LayDocument(report_grid::ReportGrid& grid, const DocumentLayout& document);

}  // namespace sheet_front
