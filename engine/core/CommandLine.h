#pragma once

#include <string>
#include <vector>

// The program's options: each an option mark (normally '-'), a name and an
// optional value, as in "-windowed 1024 640 -fullscreen". Names are matched
// ignoring ASCII case; when a name is given twice the first one counts.
class CommandLine {
 public:
  struct Option {
    std::string name;
    std::string value;
  };

  // The one command line of the program, filled by the application set-up.
  static CommandLine& GetInstance();

  // On Linux the program gets its arguments split; the parser wants them as
  // one text: argv[1..] joined by single blanks.
  static std::string JoinArguments(int argc, const char* const* argv);

  // Replaces whatever an earlier call stored.
  void Parse(const std::string& text);

  bool HasOption(const std::string& name) const;
  // The value of the first option of that name; empty when there is none or
  // the option has no value.
  std::string GetOptionValue(const std::string& name) const;

  const std::string& GetText() const { return m_text; }
  const std::vector<Option>& GetOptions() const { return m_options; }

 private:
  const Option* FindOption(const std::string& name) const;

  std::string m_text;
  std::vector<Option> m_options;
};
