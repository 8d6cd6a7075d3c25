#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "engine/core/FontDescriptor.h"
#include "engine/core/UlvoConsoleInterface.h"

// The console module: the end of every diagnostic line. From its start-up
// to its shutdown each message is appended to "application.log" in the
// user-data folder (recreated at each start, flushed after every message)
// and sent line by line to the debugger output as "CONSOLE: <line>". Before
// its start-up and after its shutdown messages reach only the debugger
// output, marked "CONSOLE (pre-initialization!): ". It declines every key.
class UlvoCommandConsoleBasic : public UlvoConsoleInterface {
 public:
  static constexpr const char* LOG_FILE_NAME = "application.log";
  // Every channel but 0x40000000 reaches the debugger output.
  static constexpr uint32_t DEFAULT_CHANNEL_FLAGS = 0xBFFFFFFF;

  static std::unique_ptr<UlvoCommandConsoleBasic> Create();

  UlvoCommandConsoleBasic();
  ~UlvoCommandConsoleBasic() override;

  // Opens a fresh log; a log that cannot be opened is reported on stderr
  // and the console runs on without one.
  void Startup() override;
  void Shutdown() override;

  void VPrintf(uint32_t channelMask, const Rgba& color, const char* format, va_list args) override
      ULVO_PRINTF_FORMAT(4, 0);
  void VPrintfVerbose(uint32_t channelMask, const char* format, va_list args) override
      ULVO_PRINTF_FORMAT(3, 0);
  void VPrintfColor(const Rgba& color, const char* format, va_list args) override
      ULVO_PRINTF_FORMAT(3, 0);
  void VPrint(const char* format, va_list args) override ULVO_PRINTF_FORMAT(2, 0);

  void SetFont(const std::string& face, int pointSize, bool bold, bool italic) override;
  // The console has no input line: it takes no key.
  bool OnKeyEvent(int action, int code) override;

  // Adds a line to the log that is there, without a console and without
  // recreating the log: for a run that must leave the log of another that
  // is running as it is. False when the log could not be written.
  static bool AppendToExistingLog(const std::string& line);

  // Null after Shutdown until the next SetFont.
  const FontDescriptor* GetFont() const { return m_font.get(); }
  // The path of the open log; empty while none is open.
  const std::string& GetLogPath() const { return m_logPath; }
  // Whether a console has finished its start-up and not yet shut down.
  static bool IsInitialized() { return s_initialized; }

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void PrintMessage(uint32_t channelMask, const char* format, va_list args)
      ULVO_PRINTF_FORMAT(3, 0);
  void WriteToLog(const std::string& text);
  void SendToDebugger(const std::string& text) const;

  uint32_t m_channelFlags = DEFAULT_CHANNEL_FLAGS;
  std::unique_ptr<FontDescriptor> m_font;
  std::unique_ptr<std::FILE, FileCloser> m_logFile;
  std::string m_logPath;
  bool m_started = false;

  static bool s_initialized;
};
