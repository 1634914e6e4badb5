// tracelle-cli info: what a project holds.
#include "cli/Command.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/ModelNames.h"

#include <iostream>

namespace tracelle::cli {

namespace {

int info(const Arguments& args) {
    const std::string& file = args.positional(0, "FICHIER.trc");
    if (args.positional().size() > 1)
        throw UsageError("argument en trop : " + args.positional()[1]);
    model::Project project;
    chargeProjet(file, project);
    const auto& picture = project.picture();
    std::cout << "Image : " << (picture.file.empty() ? "(aucune)" : picture.file) << '\n'
              << "Taille LxH : " << picture.canvasWidth << " x " << picture.canvasHeight << '\n'
              << "Décalage dx0/dy0 : " << picture.ox << ' ' << picture.oy << '\n'
              << "Points (N) : " << project.N() << '\n'
              << "Lignes : " << project.currentLine() << '\n'
              << "Points de calage (K) : " << project.K() << '\n'
              << "Calage :\n";
    // The header row, then the K rows and the further control points, their cells as stored
    // without their padding.
    const auto& cal = project.calibration();
    for (int r = 0; r <= project.controlPointCount() && r < cal.rowCount(); ++r) {
        for (int c = 0; c < cal.columnCount(); ++c)
            std::cout << (c > 0 ? "\t" : "") << model::enleve_blancs(cal.cell(r, c));
        std::cout << '\n';
    }
    const model::FittedCalibration& fit = project.calibrationFit();
    std::cout << "Modèle de calage : " << model::methodName(fit.method()) << '\n'
              << "Axes : " << model::axesText(fit.axes()) << '\n'
              << "Points de contrôle : " << project.controlPointCount();
    if (const auto left = project.leftOutRows(); !left.empty())
        std::cout << " (" << left.size() << " exclus)";
    std::cout << '\n';
    if (project.isCalibrated())
        std::cout << "RMS : " << model::texte_general(fit.rms()) << '\n';
    else if (project.K() >= 3)
        std::cout << "RMS : " << model::fitStatusMessage(fit.status(), fit.method()) << '\n';
    return 0;
}

const Registration registration({
    "info",
    "l'image, la taille, le nombre de points, de lignes et le calage d'un projet",
    "FICHIER.trc\n\nAffiche le chemin de l'image, la taille de la toile et son décalage, le "
    "nombre de points\nN, le nombre de lignes, le nombre K de points de calage et les lignes "
    "du calage,\npuis le modèle de calage, ses axes, le nombre de points de contrôle et leur écart "
    "moyen\nquadratique (RMS).\n",
    {},
    info,
});

} // namespace

} // namespace tracelle::cli
