#include "engine/core/CommandLine.h"

#include <cctype>
#include <cstddef>

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool EqualsIgnoringCase(const std::string& left, const std::string& right) {
  if (left.size() != right.size()) {
    return false;
  }
  for (size_t i = 0; i < left.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(left[i])) !=
        std::tolower(static_cast<unsigned char>(right[i]))) {
      return false;
    }
  }
  return true;
}

// Walks the command-line text once, left to right.
class OptionReader {
 public:
  explicit OptionReader(const std::string& text) : m_text(text) {}

  bool AtEnd() const { return m_position >= m_text.size(); }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(m_text[m_position])) {
      ++m_position;
    }
  }

  // The first character is the option mark, whatever it is; the name runs
  // up to a blank or a double quote.
  std::string ReadOptionName() {
    SkipBlanks();
    if (!AtEnd()) {
      ++m_position;
    }
    const size_t start = m_position;
    while (!AtEnd() && m_text[m_position] != '"' && !IsBlank(m_text[m_position])) {
      ++m_position;
    }
    std::string name = m_text.substr(start, m_position - start);
    SkipBlanks();
    return name;
  }

  // The value runs up to the next '-' outside double quotes; the quotes stay
  // in the value and trailing blanks do not.
  std::string ReadOptionValue() {
    SkipBlanks();
    const size_t start = m_position;
    bool insideQuotes = false;
    while (!AtEnd() && (insideQuotes || m_text[m_position] != '-')) {
      if (m_text[m_position] == '"') {
        insideQuotes = !insideQuotes;
      }
      ++m_position;
    }
    size_t end = m_position;
    while (end > start && IsBlank(m_text[end - 1])) {
      --end;
    }
    SkipBlanks();
    return m_text.substr(start, end - start);
  }

 private:
  const std::string& m_text;
  size_t m_position = 0;
};

}  // namespace

CommandLine& CommandLine::GetInstance() {
  static CommandLine commandLine;
  return commandLine;
}

std::string CommandLine::JoinArguments(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      text += ' ';
    }
    text += argv[i];
  }
  return text;
}

void CommandLine::Parse(const std::string& text) {
  m_text = text;
  m_options.clear();
  OptionReader reader(m_text);
  reader.SkipBlanks();
  while (!reader.AtEnd()) {
    Option option;
    option.name = reader.ReadOptionName();
    option.value = reader.ReadOptionValue();
    m_options.push_back(std::move(option));
  }
}

bool CommandLine::HasOption(const std::string& name) const { return FindOption(name) != nullptr; }

std::string CommandLine::GetOptionValue(const std::string& name) const {
  const Option* option = FindOption(name);
  return option != nullptr ? option->value : std::string();
}

const CommandLine::Option* CommandLine::FindOption(const std::string& name) const {
  for (const Option& option : m_options) {
    if (EqualsIgnoringCase(option.name, name)) {
      return &option;
    }
  }
  return nullptr;
}
