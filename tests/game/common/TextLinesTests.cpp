#include "game/common/TextLines.h"

#include "engine/core/FontDescriptor.h"

#include <gtest/gtest.h>

namespace {

const Rgba CYAN(0, 255, 255, 255);

TEST(TextLinesTest, AppendedTextContinuesTheLastRun)
{
    TextLines line(std::string("Steps: "), CYAN, nullptr, 16.0f);
    line.color = Rgba::WHITE;
    line.AppendText("12");
    line.AppendText(" of 20");
    ASSERT_EQ(1u, line.runs.size());
    EXPECT_EQ("Steps: 12 of 20", line.runs[0].text);
    EXPECT_EQ(CYAN, line.runs[0].color);
}

TEST(TextLinesTest, MaxFontSizeCountsFontsAndTheDefault)
{
    const FontDescriptor big("MainFont", 40, false, false);
    const FontDescriptor small("MainFont", 10, false, false);
    TextLines line("a", Rgba::WHITE, &small, 24.0f);
    EXPECT_EQ(10.0f, line.GetMaxLineFontSize());
    line.runs.push_back({"b", Rgba::WHITE, nullptr});
    EXPECT_EQ(24.0f, line.GetMaxLineFontSize());
    line.runs.push_back({"c", Rgba::WHITE, &big});
    EXPECT_EQ(40.0f, line.GetMaxLineFontSize());
    line.runs.clear();
    EXPECT_EQ(0.0f, line.GetMaxLineFontSize());
}

} // namespace
