// tracelle-cli info: what a project holds.
#include "cli/Command.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/ModelNames.h"

#include <iostream>

namespace tracelle::cli {

namespace {

int info(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "FICHIER.trc"));
    args.atMost(1);
    model::Project project;
    chargeProjet(file, project);
    const auto& picture = project.picture();
    std::cout << platform::translate("cli", "Image : ")
              << (picture.file.empty() ? platform::translate("cli", "(aucune)") : picture.file)
              << '\n'
              << platform::translate("cli", "Taille LxH : ") << picture.canvasWidth << " x "
              << picture.canvasHeight << '\n'
              << platform::translate("cli", "Décalage dx0/dy0 : ") << picture.ox << ' '
              << picture.oy << '\n'
              << platform::translate("cli", "Points (N) : ") << project.N() << '\n'
              << platform::translate("cli", "Lignes : ") << project.currentLine() << '\n'
              << platform::translate("cli", "Points de calage (K) : ") << project.K() << '\n'
              << platform::translate("cli", "Calage :") << '\n';
    // The header row, then the K rows and the further control points, their cells as stored
    // without their padding.
    const auto& cal = project.calibration();
    for (int r = 0; r <= project.controlPointCount() && r < cal.rowCount(); ++r) {
        for (int c = 0; c < cal.columnCount(); ++c)
            std::cout << (c > 0 ? "\t" : "") << model::enleve_blancs(cal.cell(r, c));
        std::cout << '\n';
    }
    const model::FittedCalibration& fit = project.calibrationFit();
    std::cout << platform::translate("cli", "Modèle de calage : ")
              << model::methodName(fit.method()) << '\n'
              << platform::translate("cli", "Axes : ") << model::axesText(fit.axes()) << '\n'
              << platform::translate("cli", "Points de contrôle : ") << project.controlPointCount();
    if (const auto left = project.leftOutRows(); !left.empty())
        std::cout << platform::fill(platform::translate("cli", " (%1 exclus)"),
                                    {std::to_string(left.size())});
    std::cout << '\n';
    if (project.isCalibrated())
        std::cout << platform::translate("cli", "RMS : ") << model::texte_general(fit.rms())
                  << '\n';
    else if (project.K() >= 3)
        std::cout << platform::translate("cli", "RMS : ")
                  << model::fitStatusMessage(fit.status(), fit.method()) << '\n';
    return 0;
}

const Registration registration({
    "info",
    QT_TRANSLATE_NOOP(
        "cli", "l'image, la taille, le nombre de points, de lignes et le calage d'un projet"),
    QT_TRANSLATE_NOOP(
        "cli",
        "FICHIER.trc\n\nAffiche le chemin de l'image, la taille de la toile et son décalage, le "
        "nombre de points\nN, le nombre de lignes, le nombre K de points de calage et les lignes "
        "du calage,\npuis le modèle de calage, ses axes, le nombre de points de contrôle et leur "
        "écart moyen\nquadratique (RMS).\n"),
    {},
    info,
});

} // namespace

} // namespace tracelle::cli
