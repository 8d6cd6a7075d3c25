#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ResourceStream;
class Texture;

// A named sequence of frame textures with a frame rate, read from a
// "*.AnimTextureDefinition" file of the data folder's "Animations" folder.
// Every definition enters a global table under its name (letter case
// ignored); a later definition of the same name takes the entry over.
class AnimatedTextureDefinition {
 public:
  // The folder, relative to the data folder, that LoadAll reads.
  static constexpr const char* DEFINITION_FOLDER = "Animations";
  static constexpr const char* DEFINITION_PATTERN = "*.AnimTextureDefinition";

  // Reads every definition file of the folder, in name order. An empty or
  // missing folder gives none; a malformed file throws UlvoException.
  static std::vector<std::unique_ptr<AnimatedTextureDefinition>> LoadAll();
  // The definition entered last under the name, or null.
  static AnimatedTextureDefinition* Find(const std::string& name);

  // Reads one definition and loads its frames: first the listed frame
  // files, then, when asked for, every file of the frame folder that
  // matches the pattern. A frame whose image does not load (or any frame,
  // when no image studio exists) is left out. Enters the definition in the
  // table.
  explicit AnimatedTextureDefinition(ResourceStream& stream);
  // Takes the definition's table entry away, if it still holds the entry.
  virtual ~AnimatedTextureDefinition();
  AnimatedTextureDefinition(const AnimatedTextureDefinition&) = delete;
  AnimatedTextureDefinition& operator=(const AnimatedTextureDefinition&) = delete;

  const std::string& GetName() const { return m_name; }
  const std::string& GetFrameFolder() const { return m_frameFolder; }
  const std::string& GetFramePattern() const { return m_framePattern; }
  int32_t GetReservedValue() const { return m_reservedValue; }
  bool LoadsFrameFolder() const { return m_loadFrameFolder; }
  float GetFrameRate() const { return m_frameRate; }
  int32_t GetTiled() const { return m_tiled; }
  // Handed to frame textures, which do not use them.
  int32_t GetTextureArgument3() const { return m_textureArgument3; }
  int32_t GetTextureArgument4() const { return m_textureArgument4; }

  size_t GetFrameCount() const { return m_frames.size(); }
  Texture* GetFrame(size_t index) const { return m_frames.at(index).get(); }

 private:
  void ReadFrom(ResourceStream& stream);
  void LoadFrame(const std::string& pathInDataFolder);
  void LoadFrameFolder();

  std::string m_name;
  std::string m_frameFolder;
  std::string m_framePattern;
  int32_t m_reservedValue = 0;
  bool m_loadFrameFolder = false;
  float m_frameRate = 0.0f;
  int32_t m_tiled = 0;
  int32_t m_textureArgument3 = 1;
  int32_t m_textureArgument4 = 1;
  std::vector<std::unique_ptr<Texture>> m_frames;
};
