// tracelle-cli: the program's exports, measures and imports for many projects at once,
// computed by the same core as the windows.
#include "cli/CliInteraction.h"
#include "cli/Command.h"
#include "cli/HandOver.h"
#include "files/TemporaryFiles.h"
#include "platform/DecimalSeparator.h"
#include "platform/Language.h"

#include <algorithm>
#include <iostream>

using namespace tracelle;
using namespace tracelle::cli;

namespace {

void aideGenerale(std::ostream& out) {
    out << platform::translate("cli",
                               "Usage : tracelle-cli COMMANDE [OPTIONS] ...\n\n"
                               "Traite des projets Tracelle (*.trc) et des images sans fenêtre : "
                               "les résultats sont ceux du\nprogramme, au caractère près.\n\n"
                               "Commandes :\n");
    std::size_t widest = 0;
    for (const Command& c : commands())
        widest = std::max(widest, c.name.size());
    for (const Command& c : commands()) {
        std::string name = "  " + c.name;
        name.resize(widest + 4, ' ');
        out << name << platform::translate("cli", c.summary) << '\n';
    }
    out << platform::translate(
        "cli", "\nOptions de toutes les commandes :\n"
               "  --decimal-separator , ou .   marque décimale des nombres du projet, comme les\n"
               "                               réglages régionaux du programme (par défaut ceux\n"
               "                               de la session)\n"
               "  --help                       l'aide de la commande\n"
               "  --lang fr ou en              langue des messages (par défaut celle de la "
               "session)\n\n"
               "« tracelle-cli COMMANDE --help » décrit une commande.\n"
               "« tracelle-cli --version » donne la version.\n"
               "Code de sortie : 0 réussite, 1 données incorrectes, 2 mauvais usage.\n");
}

// --lang fr|en anywhere on the line, taken out of it; else the session's language.
std::string chooseLanguage(std::vector<std::string>& args) {
    platform::setLanguage(platform::languageFromEnvironment());
    for (auto it = args.begin(); it != args.end(); ++it) {
        std::string value;
        const bool apart = *it == "--lang" && it + 1 != args.end();
        if (apart)
            value = *(it + 1);
        else if (it->starts_with("--lang="))
            value = it->substr(7);
        else if (*it != "--lang")
            continue;
        const auto language = platform::languageNamed(value);
        if (!language)
            return platform::fill(platform::translate("cli", "--lang attend fr ou en (pas « %1 »)"),
                                  {value});
        platform::setLanguage(*language);
        args.erase(it, apart ? it + 2 : it + 1);
        return {};
    }
    return {};
}

int usage(const std::string& message) {
    std::cerr << platform::fill(platform::translate(
                                    "cli", "tracelle-cli : %1 (tracelle-cli --help pour l'aide)"),
                                {surUneLigne(message)})
              << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    platform::initDecimalSeparator();
    // What a run killed here left behind: its outputs are usually written in this folder.
    files::removeStaleTemporaries(".");
    CliInteraction ui;
    platform::setInteraction(&ui);
    keepCommandLine(argv);
    std::vector<std::string> all(argv + 1, argv + argc);
    if (const std::string wrong = chooseLanguage(all); !wrong.empty()) return usage(wrong);
    // The general help lists every command: the full program's.
    if (all.empty()) {
        handOver();
        aideGenerale(std::cerr);
        return 2;
    }
    if (all[0] == "--help" || all[0] == "-h") {
        handOver();
        aideGenerale(std::cout);
        return 0;
    }
    if (all[0] == "--version") {
        std::cout << "tracelle-cli " TRACELLE_VERSION "\n";
        return 0;
    }
    const auto& list = commands();
    const auto command =
        std::find_if(list.begin(), list.end(), [&](const Command& c) { return c.name == all[0]; });
    if (command == list.end()) {
        handOver();
        return usage(
            platform::fill(platform::translate("cli", "commande inconnue : %1"), {all[0]}));
    }
    try {
        std::vector<OptionRule> rules = command->options;
        rules.push_back({"help", false, 'h'});
        rules.push_back({"decimal-separator", true});
        const Arguments args({all.begin() + 1, all.end()}, rules);
        if (args.flag("help")) {
            std::cout << platform::fill(platform::translate("cli", "Usage : tracelle-cli %1 %2"),
                                        {command->name, platform::translate("cli", command->help)})
                      << platform::translate("cli", "\n  --decimal-separator , ou .   marque "
                                                    "décimale des nombres du projet\n");
            return 0;
        }
        if (const auto ds = args.value("decimal-separator")) {
            if (*ds != "," && *ds != ".")
                throw UsageError(platform::fill(
                    platform::translate("cli", "--decimal-separator attend , ou . (pas « %1 »)"),
                    {*ds}));
            platform::setDecimalSeparator((*ds)[0]);
        }
        return command->run(args);
    } catch (const UsageError& e) {
        return usage(e.what());
    } catch (const InputError& e) {
        std::cerr << errorLine(e.what()) << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << errorLine(platform::translate("cli", "mémoire insuffisante")) << '\n';
        return 1;
    }
}
