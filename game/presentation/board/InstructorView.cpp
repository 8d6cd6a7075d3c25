#include "game/presentation/board/InstructorView.h"

namespace Pemberquill {

namespace {

InstructorView* g_installedView = nullptr;

} // namespace

void SetInstructorView(InstructorView* view)
{
    g_installedView = view;
}

InstructorView* GetInstructorView()
{
    return g_installedView;
}

} // namespace Pemberquill
