#include "engine/core/UlvoException.h"

UlvoException::UlvoException(const char* condition, const char* file, int line,
                             const std::string& title, const std::string& message)
    : m_message(message), m_title(title), m_file(file), m_line(line) {
  if (condition != nullptr) {
    m_message += "\nULVO_ASSERT or ULVO_VALIDATE failed; condition \"";
    m_message += condition;
    m_message += "\" was not true.";
  }
}
