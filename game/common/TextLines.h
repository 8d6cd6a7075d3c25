#pragma once

#include "engine/core/Rgba.h"
#include "engine/ui/UITextAlignment.h"

#include <string>
#include <vector>

class FontDescriptor;

// One printed line of coloured text, built by the game and laid out by the
// dialog and text-area builders of the screens.
struct TextLines {
    struct Run {
        std::string text;
        Rgba color;
        const FontDescriptor* font = nullptr; // null: the record's default size
    };

    std::vector<Run> runs;
    Rgba color;                            // the colour of new runs
    float defaultFontSize = 0.0f;          // the size of runs without a font
    const FontDescriptor* font = nullptr;  // the font of new runs
    // Where the screens place the line in its row: centred both ways unless
    // the caller says otherwise.
    VerticalTextAlignment verticalAlignment = VERTICAL_TEXT_ALIGNMENT_CENTER;
    HorizontalTextAlignment horizontalAlignment = HORIZONTAL_TEXT_ALIGNMENT_CENTER;

    TextLines(const char* text, const Rgba& color, const FontDescriptor* font, float defaultFontSize);
    TextLines(const std::string& text, const Rgba& color, const FontDescriptor* font, float defaultFontSize);
    // White text in the default font.
    TextLines(const std::string& text, float defaultFontSize);

    // Continues the last run (keeping its colour and font), or starts the
    // first run in the current colour and font.
    void AppendText(const std::string& text);

    // The largest size among the runs (a run with a font counts that font's
    // size); 0 without runs.
    float GetMaxLineFontSize() const;
};
