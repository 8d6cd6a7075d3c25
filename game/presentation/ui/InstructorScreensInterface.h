#pragma once

#include "engine/core/AABB2.h"
#include "game/common/TextLines.h"

#include <string>
#include <vector>

class Texture;

namespace Pemberquill {

// What the instructor needs of the screens: where its words appear. The
// game's screen owner provides it; without one the lessons still teach
// (and record what they taught) but show nothing.
class InstructorScreensInterface {
public:
    virtual ~InstructorScreensInterface() = default;

    // The widget handle of a built window; -1 when it is not built.
    virtual int GetWindowHandle(int windowId) const = 0;
    virtual void PushWindow(int windowId) = 0;
    virtual void PopWindow(int windowId, bool allowAnimationsToFinish) = 0;
    // Screen units; set before a text area is built.
    virtual void SetInstructorTextRegion(const AABB2& region) = 0;
    // Replaces the instructor's text area with the lines inside the window;
    // no lines leave an empty area.
    virtual void CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines) = 0;
    // Builds the information dialog with the lines and one button that
    // fires the activation event.
    virtual void CreateInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel,
                                         const std::string& activationEvent) = 0;
    virtual void CreateHowToPlayWindow() = 0;
    // An image below the data folder as a texture that the screens keep
    // while they last; null when it does not load.
    virtual Texture* LoadTexture(const std::string& imagePath) = 0;
};

} // namespace Pemberquill
