// tracelle-cli's side of the hand-over: tracelle-cli-full is looked for beside this program
// (the build tree), then in the libexec folder of its installed prefix, wherever that was
// moved.
#include "cli/HandOver.h"

#include "cli/CliInteraction.h"
#include "cli/Command.h"
#include "picture/Layer.h"
#include "platform/Language.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace tracelle::cli {

namespace {

namespace fs = std::filesystem;

char** commandLine = nullptr;

fs::path fullProgram() {
    std::error_code ec;
    const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const fs::path beside = folder / "tracelle-cli-full";
    if (ec || fs::exists(beside, ec)) return beside;
    return (folder / TRACELLE_CLI_FULL_FROM_BIN / "tracelle-cli-full").lexically_normal();
}

[[noreturn]] void runFullProgram() {
    const std::string program = fullProgram().string();
    commandLine[0] = const_cast<char*>(program.c_str());
    execv(program.c_str(), commandLine);
    const char* why =
        errno == ENOENT
            ? platform::translate("cli", "%1 introuvable : installation incomplète")
            : platform::translate("cli", "%1 ne peut pas être lancé : installation incomplète");
    std::cerr << errorLine(platform::fill(why, {program})) << '\n';
    std::exit(1);
}

} // namespace

void keepCommandLine(char** argv) {
    commandLine = argv;
}

void handOver() {
    runFullProgram();
}

int exportForGis(const Arguments&, const std::string&, const std::string&) {
    runFullProgram();
}

OwnCalibrationReader ownCalibrationReader() {
    runFullProgram();
}

std::unique_ptr<files::Workbook> openWorkbook(const std::string& path, std::string& error) {
    return files::Workbook::open(
        path, error, [](const std::string&, std::string&) -> std::unique_ptr<files::CellGrid> {
            runFullProgram();
        });
}

picture::Layer chargeImage(const std::string&) {
    runFullProgram();
}

} // namespace tracelle::cli
