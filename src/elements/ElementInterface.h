#pragma once

// The members every concrete element class declares the same way: its class
// name for the card file and the clipboard, Clone, and its Render.
#define KESTOVA_ELEMENT_CLASS(Name)                                                              \
public:                                                                                          \
    static constexpr const char* kClassName = #Name;                                             \
    const char* GetClassName() const override { return kClassName; }                            \
    std::unique_ptr<CElement> Clone() const override;                                            \
    void Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin,            \
                float fRowGap, float fColGap, int nCardWidth, int nCardHeight) override;
