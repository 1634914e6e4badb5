// tracelle-cli measure: the texts of a Surface click on a line, or of Cap clicks on points.
#include "cli/Command.h"
#include "measure/Cap.h"
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "model/Project.h"

#include <iostream>
#include <sstream>

namespace tracelle::cli {

namespace {

int pointNumber(const std::string& text, const model::Project& project) {
    const model::EntierLu read = model::lit_entier(text);
    if (text.empty() || read.errorPosition != 0)
        throw UsageError(platform::fill(
            platform::translate("cli", "--cap : '%1' n'est pas un numéro de point"), {text}));
    if (read.value < 1 || read.value > project.N())
        throw InputError(platform::fill(
            platform::translate("cli", "le point %1 n'existe pas (le projet a %2 points)"),
            {text, std::to_string(project.N())}));
    return read.value;
}

bool hasPointOn(const model::Project& project, int l) {
    model::PointRow row;
    for (int i = 1; i <= project.N(); ++i) {
        if (project.liste_extrait_Lxy(i, row) && row.L == l) return true;
    }
    return false;
}

void surface(const model::Project& project, int l) {
    if (!hasPointOn(project, l))
        throw InputError(platform::fill(
            platform::translate("cli", "la ligne %1 n'existe pas ou n'a pas de point"),
            {std::to_string(l)}));
    // The window refuses a measure with fewer than two points; a report of zeros would pass
    // for one here.
    if (measure::distance_perimetre_indice_ligne(project, l).n < 2)
        throw InputError(platform::fill(
            platform::translate("cli",
                                "la ligne %1 n'a qu'un point : il en faut deux pour la mesurer"),
            {std::to_string(l)}));
    model::Real twoPoints = 0;
    const auto report = measure::rapportSurface(project, l, twoPoints);
    if (report.empty()) {
        const measure::TextesDeuxPoints texts = measure::textesDeuxPoints(l, twoPoints);
        std::cout << texts.caption << '\n' << texts.distance << '\n';
        return;
    }
    for (const std::string& line : report)
        std::cout << line << '\n';
}

void cap(const model::Project& project, const std::string& list) {
    std::vector<int> points;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        points.push_back(pointNumber(item, project));
    if (points.empty())
        throw UsageError(platform::translate("cli", "--cap attend une liste de points A,B,C..."));
    measure::CapState state;
    state.CapClick();
    for (const int c : points)
        std::cout << state.click(project, c, {}) << '\n';
}

int measureCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "FICHIER.trc"));
    args.atMost(1);
    const auto capList = args.value("cap");
    if (args.flag("line") == capList.has_value())
        throw UsageError(platform::translate("cli", "indiquez soit --line L, soit --cap A,B,C..."));
    const int line = args.integer("line", 0);
    model::Project project;
    chargeProjet(file, project);
    if (const auto refusal = measure::mesureSansSens(project)) throw InputError(*refusal);
    if (capList)
        cap(project, *capList);
    else
        surface(project, line);
    return 0;
}

const Registration registration({
    "measure",
    QT_TRANSLATE_NOOP("cli", "la surface, les longueurs et les caps des lignes d'un projet"),
    QT_TRANSLATE_NOOP(
        "cli",
        "FICHIER.trc (--line L | --cap A,B,C...)\n\n"
        "  --line L        le texte d'un clic « Surface » sur la ligne L (pour une ligne de deux\n"
        "                  points, les deux textes du panneau de mise à l'échelle)\n"
        "  --cap A,B,C...  les lignes que donnent des clics « Cap et angle » sur ces points,\n"
        "                  dans cet ordre\n"),
    {{"line", true}, {"cap", true}},
    measureCommand,
});

} // namespace

} // namespace tracelle::cli
