#include "model/transform/ModelNames.h"

#include "model/NumberText.h"
#include "platform/Language.h"

#include <array>
#include <sstream>
#include <vector>

namespace tracelle::model {

namespace {

constexpr std::array<std::pair<TransformMethod, std::string_view>, 4> kMethods = {{
    {TransformMethod::Affine, "affine"},
    {TransformMethod::Helmert, "helmert"},
    {TransformMethod::Projective, "projective"},
    {TransformMethod::Polynomial2, "poly2"},
}};

std::string_view scaleWord(AxisScale s) {
    return s == AxisScale::Linear ? "lin" : "log";
}

std::optional<AxisScale> scaleOf(std::string_view word) {
    if (word == "lin") return AxisScale::Linear;
    if (word == "log") return AxisScale::Log10;
    return std::nullopt;
}

} // namespace

std::string_view methodName(TransformMethod method) {
    for (const auto& [m, name] : kMethods)
        if (m == method) return name;
    return kMethods[0].second;
}

std::optional<TransformMethod> methodNamed(std::string_view name) {
    for (const auto& [m, word] : kMethods)
        if (word == name) return m;
    return std::nullopt;
}

std::string axesText(const AxisKinds& axes) {
    std::string text;
    if (!axes.polar) return text.append(scaleWord(axes.x)).append(" ").append(scaleWord(axes.y));
    text.append("polaire ").append(scaleWord(axes.x));
    text.append(axes.angleUnit == AngleUnit::Degrees ? " degrés" : " radians");
    text.append(axes.clockwise ? " horaire" : " direct");
    if (axes.origin > 0) text.append(" origine ").append(std::to_string(axes.origin));
    return text;
}

std::optional<AxisKinds> axesFromText(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    AxisKinds axes;
    if (words.size() == 2) {
        const auto x = scaleOf(words[0]);
        const auto y = scaleOf(words[1]);
        if (!x || !y) return std::nullopt;
        axes.x = *x;
        axes.y = *y;
        return axes;
    }
    if ((words.size() != 4 && words.size() != 6) || words[0] != "polaire") return std::nullopt;
    const auto r = scaleOf(words[1]);
    if (!r) return std::nullopt;
    axes.polar = true;
    axes.x = *r;
    if (words[2] == "radians")
        axes.angleUnit = AngleUnit::Radians;
    else if (words[2] != "degrés")
        return std::nullopt;
    if (words[3] == "horaire")
        axes.clockwise = true;
    else if (words[3] != "direct")
        return std::nullopt;
    if (words.size() == 6) {
        const EntierLu origin = lit_entier(words[5]);
        if (words[4] != "origine" || origin.errorPosition != 0 || origin.value < 1)
            return std::nullopt;
        axes.origin = origin.value;
    }
    return axes;
}

std::string fitStatusMessage(FitStatus status, TransformMethod method) {
    const std::string_view name = methodName(method);
    switch (status) {
    case FitStatus::Fitted:
        break;
    case FitStatus::TooFewPoints:
        return platform::fill(
            platform::translate("ModelNames",
                                "le modèle %1 demande au moins %2 points de contrôle"),
            {name, std::to_string(minimumPoints(method))});
    case FitStatus::Degenerate:
        return platform::fill(platform::translate("ModelNames",
                                                  "points de contrôle alignés ou confondus : le "
                                                  "modèle %1 ne peut pas être calculé"),
                              {name});
    case FitStatus::NotPositiveOnLogAxis:
        return platform::translate(
            "ModelNames",
            "une valeur négative ou nulle ne peut pas être placée sur un axe logarithmique");
    case FitStatus::RadiusBelowOrigin:
        return platform::translate("ModelNames", "un rayon plus petit que celui de l'origine ne "
                                                 "peut pas être placé sur l'axe polaire");
    }
    return {};
}

} // namespace tracelle::model
