#pragma once

#include <string>

#include "engine/core/UlvoCollectedClassInterface.h"

// What UlvoPath needs of the application module: the folder that user-data
// paths are relative to. The application interface derives from this, so
// the default user-data source is the default application; with no
// application alive, user-data paths resolve against nothing.
class UlvoUserDataPathInterface : public UlvoCollectedClassInterface<UlvoUserDataPathInterface> {
 public:
  // The user-data folder including its trailing separator; a relative path
  // is appended to it as it stands.
  virtual std::string GetUserDataPath() const = 0;

 protected:
  ~UlvoUserDataPathInterface() = default;
};
