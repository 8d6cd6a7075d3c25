#include "engine/core/UlvoCore.h"

#include <utility>

#include "engine/core/Diagnostics.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem_Win32.h"

namespace {

UlvoCore* g_ulvoCore = nullptr;

}  // namespace

std::unique_ptr<UlvoCore> UlvoCore::Create() {
  return std::make_unique<UlvoCore>(UlvoTimeSystem_Win32::Create(),
                                    PropertyAnimationSystem::GetGlobal());
}

UlvoCore::UlvoCore(std::unique_ptr<UlvoTimeSystem> timeSystem,
                   PropertyAnimationSystem& animationSystem)
    : m_eventSystem(std::make_unique<UlvoEventSystem>()),
      m_timeSystem(std::move(timeSystem)),
      m_animationSystem(animationSystem) {
  ULVO_ASSERT(m_timeSystem != nullptr, "The core needs a time system.", "UlvoCore::UlvoCore");
  ULVO_ASSERT(g_ulvoCore == nullptr, "Only one UlvoCore may exist at a time.",
              "UlvoCore::UlvoCore");
  g_ulvoCore = this;
}

UlvoCore::~UlvoCore() { g_ulvoCore = nullptr; }

UlvoCore* UlvoCore::GetGlobal() { return g_ulvoCore; }

void UlvoCore::Startup() {
  m_timeSystem->Startup();
  m_eventSystem->Startup();
  m_animationSystem.Startup(m_timeSystem->GetMasterClock());
  SetDefaultProperties();
}

void UlvoCore::SetDefaultProperties() { m_engineProperties.Set<bool>("ShowFPS", false); }

void UlvoCore::Shutdown() {
  m_animationSystem.Shutdown();
  m_timeSystem->Shutdown();
  m_eventSystem->Shutdown();
}

void UlvoCore::Update() {
  m_timeSystem->Update();
  m_eventSystem->Update();
}

void UlvoCore::Render() {
  m_timeSystem->Render();
  m_eventSystem->Render();
}
