#pragma once

#include "engine/core/Rgba.h"
#include "game/common/TextLines.h"

#include <string>
#include <vector>

namespace Pemberquill {

// A lesson's printed lines in the lesson text styles: titles in gold at the
// title size, body lines in white, notes in lavender at the body size, and
// examples in sky blue at the title size.
class LessonText {
public:
    static constexpr Rgba TITLE_COLOR{255, 200, 0, 255};
    static constexpr Rgba BODY_COLOR{255, 255, 255, 255};
    static constexpr Rgba NOTE_COLOR{150, 150, 255, 255};
    static constexpr Rgba EXAMPLE_COLOR{0, 200, 255, 255};

    LessonText(float titleSize, float bodySize) : m_titleSize(titleSize), m_bodySize(bodySize) {}

    LessonText& Title(const std::string& text) { return Add(text, TITLE_COLOR, m_titleSize); }
    LessonText& Body(const std::string& text) { return Add(text, BODY_COLOR, m_bodySize); }
    LessonText& Note(const std::string& text) { return Add(text, NOTE_COLOR, m_bodySize); }
    LessonText& Example(const std::string& text) { return Add(text, EXAMPLE_COLOR, m_titleSize); }
    LessonText& Blank() { return Body(""); }
    LessonText& NoteBlank() { return Note(""); }
    LessonText& Add(const std::string& text, const Rgba& color, float size)
    {
        m_lines.emplace_back(text, color, nullptr, size);
        return *this;
    }

    std::vector<TextLines>& Lines() { return m_lines; }

private:
    float m_titleSize;
    float m_bodySize;
    std::vector<TextLines> m_lines;
};

} // namespace Pemberquill
