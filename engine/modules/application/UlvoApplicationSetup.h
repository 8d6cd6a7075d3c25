#pragma once

#include <string>

// The first call of the entry function: hands the program's options (the
// arguments joined into one text, see CommandLine::JoinArguments) to the
// option parser, so that every module can read them.
void UlvoApplicationSetup(const std::string& commandLine);
