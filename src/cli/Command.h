// The subcommands of tracelle-cli: each lives in a file of its own under commands/ and
// registers itself, with its options and its help, through a Registration object.
#pragma once

#include "platform/Language.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {
class Project;
}
namespace tracelle::picture {
class Layer;
}
namespace tracelle::measure {
struct Rgb;
}

namespace tracelle::cli {

// Bad usage: an unknown option, a missing argument (exit status 2).
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Bad input: a missing or damaged file, a line that does not exist (exit status 1).
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionRule {
    std::string name;        // without the leading "--"
    bool takesValue = false; // "--name VALUE" or "--name=VALUE"
    char shortName = 0;      // "-o VALUE"
};

class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::vector<OptionRule>& rules);

    const std::vector<std::string>& positional() const { return positional_; }
    // The positional argument i; a UsageError naming `what` (marked for translation) when it
    // is missing.
    const std::string& positional(std::size_t i, const char* what) const;
    // A UsageError naming the first positional argument beyond `count`.
    void atMost(std::size_t count) const;
    std::optional<std::string> value(std::string_view name) const;
    bool flag(std::string_view name) const;
    // The option's value read as an integer; `fallback` when absent.
    int integer(std::string_view name, int fallback) const;

private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
};

struct Command {
    std::string name;
    // The help in French, marked for translation and translated where shown, once the
    // language is set.
    const char* summary; // one line of the tool's help
    const char* help;    // the command's own help, after its usage line
    std::vector<OptionRule> options;
    int (*run)(const Arguments& args) = nullptr;
};

class Registration {
public:
    explicit Registration(Command command);
};

const std::vector<Command>& commands();

// The message headed by the file it is about, as a batch of files needs it.
std::string aboutFile(const std::string& file, const std::string& message);

// The project file read as the open command reads it (without its picture).
void chargeProjet(const std::string& path, model::Project& project);
// The text written to `path` as the program writes its files, or to standard output.
void ecritSortie(const std::optional<std::string>& path, const std::string& text);

// A picture file read as the program opens it, as a layer without margins (by
// tracelle-cli-full: tracelle-cli links no picture codec and hands the command over).
picture::Layer chargeImage(const std::string& path);
// The layer written as the picture save writes it: JPEG of quality 90 when the name holds
// "jpg", BMP otherwise.
void ecritImage(const picture::Layer& layer, const std::string& path);
// The value of option --`name`, "R,G,B" (three integers from 0 to 255), or `fallback`.
measure::Rgb couleur(const Arguments& args, std::string_view name, measure::Rgb fallback);

} // namespace tracelle::cli
