#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Pemberquill {
class TheGame;
}

namespace screentour {

// One screen of the tour: how the game brings it up, and how it goes away
// again before the next stop.
struct TourStop {
  // The window's name, which names its picture.
  std::string windowName;
  std::function<void()> show;
  // Empty when the screen stays for the stops after it.
  std::function<void()> leave;
};

// Runs the real game headless (offscreen video, software renderer, dummy
// audio, a user-data folder of its own that it removes again) on the
// project's Data/ folder, and photographs each stop once its show animation
// has finished. The clock advances by fixed steps and the random generator
// starts from a fixed seed, so two runs draw the same pictures.
class ScreenTour {
 public:
  static constexpr double FRAME_SECONDS = 0.05;
  // Longer than any show or hide animation of the screens.
  static constexpr int SETTLE_FRAMES = 24;
  static constexpr unsigned RANDOM_SEED = 1;

  ScreenTour(const std::string& projectRoot, const std::string& outputFolder);
  ~ScreenTour();
  ScreenTour(const ScreenTour&) = delete;
  ScreenTour& operator=(const ScreenTour&) = delete;

  // Returns the paths of the pictures written, one per stop in order.
  std::vector<std::string> Run(const std::vector<TourStop>& stops);

 private:
  void StartGame();
  void StopGame();
  void Settle();
  std::string Photograph(const std::string& windowName);

  std::string m_projectRoot;
  std::string m_outputFolder;
  std::string m_userDataFolder;
  std::unique_ptr<Pemberquill::TheGame> m_game;
};

}  // namespace screentour
