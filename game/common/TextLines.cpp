#include "game/common/TextLines.h"

#include "engine/core/FontDescriptor.h"

#include <algorithm>


TextLines::TextLines(const char* text, const Rgba& colorIn, const FontDescriptor* fontIn, float defaultFontSizeIn)
    : TextLines(std::string(text != nullptr ? text : ""), colorIn, fontIn, defaultFontSizeIn)
{
}

TextLines::TextLines(const std::string& text, const Rgba& colorIn, const FontDescriptor* fontIn,
                     float defaultFontSizeIn)
    : color(colorIn), defaultFontSize(defaultFontSizeIn), font(fontIn)
{
    AppendText(text);
}

TextLines::TextLines(const std::string& text, float defaultFontSizeIn)
    : TextLines(text, Rgba::WHITE, nullptr, defaultFontSizeIn)
{
}

void TextLines::AppendText(const std::string& text)
{
    if (runs.empty()) {
        runs.push_back(Run{text, color, font});
    } else {
        runs.back().text += text;
    }
}

float TextLines::GetMaxLineFontSize() const
{
    float maxSize = 0.0f;
    for (const Run& run : runs) {
        const float size = run.font != nullptr ? static_cast<float>(run.font->GetSize()) : defaultFontSize;
        maxSize = std::max(maxSize, size);
    }
    return maxSize;
}
