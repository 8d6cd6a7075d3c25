#pragma once

#include <exception>
#include <string>

// The engine's one exception. The check macros of Diagnostics.h build and
// throw it; only the entry function catches it, to show it and stop.
class UlvoException : public std::exception {
 public:
  // condition may be null (an unconditional ULVO_ERROR); with a condition,
  // the message gains a line naming the condition that was false.
  // file must be a string constant that outlives the exception (__FILE__),
  // or null for an error that names no source.
  UlvoException(const char* condition, const char* file, int line, const std::string& title,
                const std::string& message);

  const std::string& GetMessage() const { return m_message; }
  const std::string& GetTitle() const { return m_title; }
  const char* GetFile() const { return m_file; }
  int GetLine() const { return m_line; }

  // The message, so that a test runner or a std::exception handler that
  // meets this exception still shows something useful.
  const char* what() const noexcept override { return m_message.c_str(); }

 private:
  std::string m_message;
  std::string m_title;
  const char* m_file;
  int m_line;
};
