#pragma once

// The root of every engine module. The driver calls these in a fixed order:
// Startup once, Update and Render once per frame, Shutdown once, then
// destroys the module. A module overrides only the passes it takes part in.
class UlvoModuleInterface {
 public:
  UlvoModuleInterface() = default;
  UlvoModuleInterface(const UlvoModuleInterface&) = delete;
  UlvoModuleInterface& operator=(const UlvoModuleInterface&) = delete;
  virtual ~UlvoModuleInterface() = default;

  virtual void Startup() {}
  virtual void Shutdown() {}
  virtual void Update() {}
  virtual void Render() {}
};
