#pragma once

#include <cstdint>

// What a design window prints: chosen in the print options dialog and kept
// for the life of the window, never saved with the design. Lengths in inches.
struct CPrintSettings {
    static constexpr int kFront = 1;
    static constexpr int kBack = 2;

    int m_nPrintPages = 1;
    int m_nPrintRows = 0;
    int m_nPrintCols = 0;
    int m_nStartRow = 1;  // first printed cell on page 1
    int m_nStartCol = 1;
    float m_fRowGap = 0.0f;
    float m_fColGap = 0.0f;
    float m_fLeftMargin = 0.0f;
    float m_fTopMargin = 0.0f;
    int m_bCropMarks = 0;
    int m_bCornerMarks = 0;
    int m_nPrintSide = kFront;

    // Worked out when printing, not chosen by the user.
    uint8_t m_bHasBackElements = 0;  // any element of the design on the back
    uint8_t m_bLandscape = 0;        // the page is printed in landscape
    float m_fLeftOffset = 0.0f;      // from the margins and the orientation
    float m_fTopOffset = 0.0f;
};
