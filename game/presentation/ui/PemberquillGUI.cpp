#include "game/presentation/ui/PemberquillGUI.h"

#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

PemberquillGUI::PemberquillGUI()
    : m_screenSize(PemberquillUI::GetScreenSize())
{
}

} // namespace Pemberquill
