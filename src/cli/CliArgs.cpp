#include "cli/CliArgs.h"

#include <array>
#include <utility>

#include "core/PreferenceTable.h"
#include "text/Format.h"

namespace kav::cli {
namespace {

// The preference codes in panel order, blank-separated, as the usage and its errors list them.
std::string KnownOptionCodes() {
  std::string codes;
  for (const PreferenceEntry& known : PreferenceTable) {
    if (!codes.empty()) codes += ' ';
    codes += known.Code;
  }
  return codes;
}

bool SetOptionCode(std::string_view code, PanelInputs& panel) {
  for (const PreferenceEntry& known : PreferenceTable) {
    if (EqualsNoCase(known.Code, code)) {
      panel.*known.CheckBox = true;
      return true;
    }
  }
  return false;
}

bool ParseType(std::string_view text, int& type) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '6') return false;
  type = text[0] - '0';
  return true;
}

bool ParseColor(std::string_view text, ColorWhen& when) {
  if (text == "auto")
    when = ColorWhen::Auto;
  else if (text == "always")
    when = ColorWhen::Always;
  else if (text == "never")
    when = ColorWhen::Never;
  else
    return false;
  return true;
}

// Walks the argument list; options take their value from the next argument or after '='.
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string_view>& args) : args_(args) {}

  ParsedArgs Run() {
    std::vector<std::string_view> positional;
    bool optionsEnded = false;
    while (index_ < args_.size() && result_.Error.empty()) {
      const std::string_view arg = args_[index_++];
      if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
        positional.push_back(arg);
      } else if (arg == "--") {
        optionsEnded = true;
      } else {
        Option(arg);
      }
    }
    if (result_.Error.empty()) Positional(positional);
    if (result_.Error.empty()) CheckSelections();
    return std::move(result_);
  }

 private:
  void Option(std::string_view arg) {
    std::string_view name = arg;
    std::string_view inlineValue;
    bool hasInline = false;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
      hasInline = true;
    }
    CliOptions& o = result_.Options;
    if (name == "--help" || name == "-h") {
      o.Help = true;
    } else if (name == "--version") {
      o.Version = true;
    } else if (name == "-t" || name == "--type") {
      std::string_view value;
      if (Value(name, hasInline, inlineValue, value) && !ParseType(value, o.Type)) {
        Fail("invalid type '" + std::string(value) + "' (expected 1 to 6)");
      }
    } else if (name == "-o" || name == "--options") {
      std::string_view value;
      if (Value(name, hasInline, inlineValue, value)) {
        const std::string unknown = ApplyOptionCodes(value, o.Preferences);
        if (!unknown.empty()) {
          Fail("unknown option code '" + unknown + "' (known: " + KnownOptionCodes() + ")");
        }
      }
    } else if (name == "--select") {
      std::string_view value;
      if (Value(name, hasInline, inlineValue, value)) o.Selects.emplace_back(value);
    } else if (name == "--pair") {
      std::string_view value;
      if (Value(name, hasInline, inlineValue, value)) o.Pairs.emplace_back(value);
    } else if (name == "--color") {
      std::string_view value;
      if (Value(name, hasInline, inlineValue, value) && !ParseColor(value, o.Color)) {
        Fail("invalid --color value '" + std::string(value) + "' (expected auto, always or never)");
      }
    } else {
      Fail("unknown option '" + std::string(arg) + "'");
    }
  }

  bool Value(std::string_view name, bool hasInline, std::string_view inlineValue,
             std::string_view& value) {
    if (hasInline) {
      value = inlineValue;
      return true;
    }
    if (index_ >= args_.size()) {
      Fail("option '" + std::string(name) + "' needs a value");
      return false;
    }
    value = args_[index_++];
    return true;
  }

  void Positional(const std::vector<std::string_view>& positional) {
    CliOptions& o = result_.Options;
    if (o.Help || o.Version) return;
    if (positional.empty()) return Fail("the New directory is missing");
    if (positional.size() > 2) {
      return Fail("too many directories: '" + std::string(positional[2]) + "'");
    }
    o.NewDir = positional[0];
    if (positional.size() == 2) {
      o.OldDir = positional[1];
      o.HasOldDir = true;
    }
  }

  void CheckSelections() {
    const CliOptions& o = result_.Options;
    if (o.Help || o.Version) return;
    if (!o.Selects.empty() && o.Type != 3)
      Fail("--select is for type 3 only");
    else if (!o.Pairs.empty() && o.Type != 4)
      Fail("--pair is for type 4 only");
  }

  void Fail(std::string message) {
    if (result_.Error.empty()) result_.Error = std::move(message);
  }

  const std::vector<std::string_view>& args_;
  std::size_t index_ = 0;
  ParsedArgs result_;
};

}  // namespace

std::string ApplyOptionCodes(std::string_view codes, PanelInputs& panel) {
  std::size_t pos = 0;
  while (pos < codes.size()) {
    const std::size_t start = codes.find_first_not_of(", \t", pos);
    if (start == codes.npos) break;
    std::size_t end = codes.find_first_of(", \t", start);
    if (end == codes.npos) end = codes.size();
    const std::string_view code = codes.substr(start, end - start);
    if (!SetOptionCode(code, panel)) return std::string(code);
    pos = end;
  }
  return {};
}

ParsedArgs ParseCliArgs(const std::vector<std::string_view>& args) {
  return ArgReader(args).Run();
}

std::string UsageText() {
  return R"(Usage: kavdrift-cli [-t N | --type N] [-o CODES | --options CODES]
                    [--select NAME]... [--pair PAIR]... [--color WHEN] NEW [OLD]

Compares the directory NEW with the directory OLD on a binary basis and prints the report.

  -t, --type N        compare/list type (default 1):
                        1  compare the like-named files of NEW and OLD, one level
                        2  compare the two whole trees
                        3  compare the like-named files chosen with --select
                        4  compare the New/Old pairs given with --pair
                        5  list the NEW tree (OLD is not needed)
                        6  list both trees side by side
  -o, --options CODES preference codes, separated by commas or blanks, any case:
                        )" +
         KnownOptionCodes() +
         R"(
      --select NAME   type 3: a file present in both directories (repeatable)
      --pair PAIR     type 4: "new-name : old-name" (repeatable)
      --color WHEN    colour the report: auto (on a terminal), always or never
  -h, --help          show this text
      --version       show the program's version

The report goes to standard output; messages and the final status go to standard error.
Exit status: 0 nothing different, 1 differences found, 2 trouble.
)";
}

}  // namespace kav::cli
