#include "engine/modules/console/UlvoCommandConsoleBasic.h"

#include <cerrno>
#include <cstring>

#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "platform/system/Debugger.h"

namespace {

const char* const DEFAULT_FONT_FACE = "MainFont";
constexpr int DEFAULT_FONT_SIZE = 18;

std::string LogFilePath() {
  if (UlvoApplicationInterface::GetDefaultInstance() == nullptr) {
    return UlvoCommandConsoleBasic::LOG_FILE_NAME;
  }
  CreateFolder(UlvoPath(PATH_MARKER_USER_DATA, ""));
  return UlvoPath(PATH_MARKER_USER_DATA, UlvoCommandConsoleBasic::LOG_FILE_NAME)
      .GetResolvedPath();
}

// Recreated, then written at its end only: a second copy of the game,
// refused at its start, adds its line to the log of the copy that runs, and
// the lines this run writes later must not land on it.
std::FILE* RecreateLog(const std::string& path) {
  std::FILE* recreated = std::fopen(path.c_str(), "w");
  if (recreated == nullptr) {
    return nullptr;
  }
  std::fclose(recreated);
  return std::fopen(path.c_str(), "a");
}

}  // namespace

bool UlvoCommandConsoleBasic::s_initialized = false;

std::unique_ptr<UlvoCommandConsoleBasic> UlvoCommandConsoleBasic::Create() {
  return std::make_unique<UlvoCommandConsoleBasic>();
}

UlvoCommandConsoleBasic::UlvoCommandConsoleBasic()
    : m_font(std::make_unique<FontDescriptor>(DEFAULT_FONT_FACE, DEFAULT_FONT_SIZE, false, false)) {}

// A console destroyed without its shutdown still closes its log, and no
// longer counts as started.
UlvoCommandConsoleBasic::~UlvoCommandConsoleBasic() {
  if (m_started) {
    s_initialized = false;
  }
}

void UlvoCommandConsoleBasic::Startup() {
  ConsolePrintf("::: Initialization : UlvoCommandConsole (starting)\n");
  const std::string path = LogFilePath();
  ConsolePrintf("Opening application log file \"%s\"\n", path.c_str());
  m_logFile.reset(RecreateLog(path));
  if (m_logFile == nullptr) {
    // The log cannot say that it is missing: a player who looks for it
    // finds the reason here.
    std::fprintf(stderr, "ERROR: The application log \"%s\" could not be opened (%s); this run keeps no log.\n",
                 path.c_str(), std::strerror(errno));
    ConsolePrintf("ERROR: fopen_s() failed to open application log file for writing!\n");
    m_logPath.clear();
  } else {
    m_logPath = path;
  }
  s_initialized = true;
  m_started = true;
  ConsolePrintf("::: Initialization : UlvoCommandConsole (finished)\n");
}

bool UlvoCommandConsoleBasic::AppendToExistingLog(const std::string& line) {
  const std::unique_ptr<std::FILE, FileCloser> log(std::fopen(LogFilePath().c_str(), "a"));
  if (log == nullptr) {
    return false;
  }
  std::fputs(line.c_str(), log.get());
  if (line.empty() || line.back() != '\n') {
    std::fputc('\n', log.get());
  }
  return std::fflush(log.get()) == 0;
}

void UlvoCommandConsoleBasic::Shutdown() {
  ConsolePrintf("::: Shutdown : UlvoCommandConsole (starting)\n");
  m_font.reset();
  s_initialized = false;
  m_started = false;
  m_logFile.reset();
  m_logPath.clear();
  ConsolePrintf("::: Shutdown : UlvoCommandConsole (finished)\n");
}

void UlvoCommandConsoleBasic::VPrintf(uint32_t channelMask, const Rgba& /*color*/,
                                      const char* format, va_list args) {
  PrintMessage(channelMask, format, args);
}

void UlvoCommandConsoleBasic::VPrintfVerbose(uint32_t channelMask, const char* format,
                                             va_list args) {
  PrintMessage(channelMask, format, args);
}

void UlvoCommandConsoleBasic::VPrintfColor(const Rgba& /*color*/, const char* format,
                                           va_list args) {
  PrintMessage(DEFAULT_CHANNEL, format, args);
}

void UlvoCommandConsoleBasic::VPrint(const char* format, va_list args) {
  PrintMessage(DEFAULT_CHANNEL, format, args);
}

void UlvoCommandConsoleBasic::SetFont(const std::string& face, int pointSize, bool bold,
                                      bool italic) {
  m_font = std::make_unique<FontDescriptor>(face, pointSize, bold, italic);
}

bool UlvoCommandConsoleBasic::OnKeyEvent(int /*action*/, int /*code*/) { return false; }

void UlvoCommandConsoleBasic::PrintMessage(uint32_t channelMask, const char* format,
                                           va_list args) {
  const std::string text = VStringf(format, args);
  if (!s_initialized) {
    platform::DebugOutput("CONSOLE (pre-initialization!): " + text);
    return;
  }
  WriteToLog(text);
  if ((channelMask & m_channelFlags) != 0 && !text.empty()) {
    SendToDebugger(text);
  }
}

void UlvoCommandConsoleBasic::WriteToLog(const std::string& text) {
  if (m_logFile == nullptr) {
    return;
  }
  std::fwrite(text.data(), 1, text.size(), m_logFile.get());
  if (text.empty() || text.back() != '\n') {
    std::fputc('\n', m_logFile.get());
  }
  std::fflush(m_logFile.get());
}

// One debugger line per line of the text; the debugger output is a stream
// here, so each line gets its own newline back.
void UlvoCommandConsoleBasic::SendToDebugger(const std::string& text) const {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    platform::DebugOutput("CONSOLE: " + text.substr(start, end - start) + "\n");
    start = end + 1;
  }
}
