#include "engine/modules/application/UlvoApplicationSetup.h"

#include "engine/core/CommandLine.h"

void UlvoApplicationSetup(const std::string& commandLine) {
  CommandLine::GetInstance().Parse(commandLine);
}
