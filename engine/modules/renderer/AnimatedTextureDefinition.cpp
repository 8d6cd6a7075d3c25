#include "engine/modules/renderer/AnimatedTextureDefinition.h"

#include <map>

#include "engine/core/FileIO.h"
#include "engine/core/PropertyKey.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/modules/renderer/Texture.h"

namespace {

std::map<PropertyKey, AnimatedTextureDefinition*>& Table() {
  static std::map<PropertyKey, AnimatedTextureDefinition*> table;
  return table;
}

std::string InFolder(const std::string& folder, const std::string& fileName) {
  if (folder.empty() || folder.back() == '/' || folder.back() == '\\') {
    return folder + fileName;
  }
  return folder + "/" + fileName;
}

}  // namespace

std::vector<std::unique_ptr<AnimatedTextureDefinition>> AnimatedTextureDefinition::LoadAll() {
  std::vector<std::string> fileNames;
  ListFolder(fileNames, std::string(), UlvoPath(PATH_MARKER_DATA, DEFINITION_FOLDER),
             DEFINITION_PATTERN);
  std::vector<std::unique_ptr<AnimatedTextureDefinition>> definitions;
  for (const std::string& fileName : fileNames) {
    ResourceStream stream(UlvoPath(PATH_MARKER_DATA, InFolder(DEFINITION_FOLDER, fileName)));
    definitions.push_back(std::make_unique<AnimatedTextureDefinition>(stream));
  }
  return definitions;
}

AnimatedTextureDefinition* AnimatedTextureDefinition::Find(const std::string& name) {
  const auto found = Table().find(PropertyKey(name));
  return found != Table().end() ? found->second : nullptr;
}

AnimatedTextureDefinition::AnimatedTextureDefinition(ResourceStream& stream) {
  ReadFrom(stream);
  Table().insert_or_assign(PropertyKey(m_name), this);
}

AnimatedTextureDefinition::~AnimatedTextureDefinition() {
  const auto entry = Table().find(PropertyKey(m_name));
  if (entry != Table().end() && entry->second == this) {
    Table().erase(entry);
  }
}

void AnimatedTextureDefinition::ReadFrom(ResourceStream& stream) {
  const bool text = stream.IsTextFormat();
  if (text) {
    stream.ReadExpectedToken('{');
  }
  stream.ReadInt32();  // a leading number that nothing uses
  m_name = stream.ReadString();
  m_frameFolder = stream.ReadString();
  m_framePattern = stream.ReadString();
  m_reservedValue = stream.ReadInt32();
  m_loadFrameFolder = stream.ReadBool();
  m_frameRate = stream.ReadFloat();
  // The file keeps the tiled flag after the two texture arguments.
  m_textureArgument3 = stream.ReadInt32();
  m_textureArgument4 = stream.ReadInt32();
  m_tiled = stream.ReadInt32();
  const int32_t listedFrameCount = stream.ReadInt32();
  for (int32_t i = 0; i < listedFrameCount; ++i) {
    LoadFrame(stream.ReadString());
  }
  if (m_loadFrameFolder) {
    LoadFrameFolder();
  }
  if (text) {
    stream.ReadExpectedToken('}');
  }
}

void AnimatedTextureDefinition::LoadFrame(const std::string& pathInDataFolder) {
  UlvoImageStudioInterface* imageStudio = UlvoImageStudioInterface::GetDefaultInstance();
  if (imageStudio == nullptr) {
    return;
  }
  // An animation plays the frames it has: a frame image that is missing or
  // cannot be read is left out, where a screen's own image would stop the
  // game.
  std::unique_ptr<Image> image;
  try {
    image = imageStudio->LoadImage(UlvoPath(PATH_MARKER_DATA, pathInDataFolder));
  } catch (const UlvoException&) {
    return;
  }
  if (image == nullptr) {
    return;
  }
  std::unique_ptr<Texture> frame = Texture::Create();
  frame->PopulateFromImage(*image, m_tiled != 0);
  m_frames.push_back(std::move(frame));
}

void AnimatedTextureDefinition::LoadFrameFolder() {
  std::vector<std::string> fileNames;
  ListFolder(fileNames, std::string(), UlvoPath(PATH_MARKER_DATA, m_frameFolder), m_framePattern);
  for (const std::string& fileName : fileNames) {
    LoadFrame(InFolder(m_frameFolder, fileName));
  }
}
