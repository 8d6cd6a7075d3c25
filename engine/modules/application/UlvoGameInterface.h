#pragma once

// What the engine modules need of the game driver, which lives above them:
// whether a quit has been requested, and the last say on every key and
// button. The driver derives from this; constructing it makes it the game
// interface the modules reach, destroying it withdraws it.
class UlvoGameInterface {
 public:
  UlvoGameInterface();
  UlvoGameInterface(const UlvoGameInterface&) = delete;
  UlvoGameInterface& operator=(const UlvoGameInterface&) = delete;
  virtual ~UlvoGameInterface();

  // The live game interface, or null when there is none.
  static UlvoGameInterface* GetGlobal();

  // Once true, the application stops handling window messages.
  virtual bool IsQuitting() const = 0;
  // The end of the input module's key chain; true when the game took the pair.
  virtual bool OnKeyEvent(int action, int code) = 0;
};
