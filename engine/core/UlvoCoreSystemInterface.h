#pragma once

// The root of the systems the engine core owns (events, time). The core
// passes its own Startup, Shutdown, Update and Render on to each system; a
// system overrides only the passes it takes part in.
class UlvoCoreSystemInterface {
 public:
  UlvoCoreSystemInterface() = default;
  UlvoCoreSystemInterface(const UlvoCoreSystemInterface&) = delete;
  UlvoCoreSystemInterface& operator=(const UlvoCoreSystemInterface&) = delete;
  virtual ~UlvoCoreSystemInterface() = default;

  virtual void Startup() {}
  virtual void Shutdown() {}
  virtual void Update() {}
  virtual void Render() {}
};
