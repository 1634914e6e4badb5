#include "files/ControlPointText.h"

#include "model/NumberText.h"
#include "platform/Language.h"

#include <sstream>

namespace tracelle::files {

ControlPointLines readControlPoints(std::string_view text, const std::string& source) {
    ControlPointLines r;
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty()) continue;
        const auto refuse = [&] {
            r.points.clear();
            r.error = platform::fill(
                platform::translate("ControlPointText",
                                    "%1 : ligne %2 : « x y X Y [Z] » est attendu, et non <%3>"),
                {source, std::to_string(number),
                 model::excerptForMessage(model::enleve_blancs(line))});
            return r;
        };
        if (w.size() < 4 || w.size() > 5) return refuse();
        const model::EntierLu x = model::lit_entier(w[0]);
        const model::EntierLu y = model::lit_entier(w[1]);
        const auto X = model::reel_de_champ(w[2]);
        const auto Y = model::reel_de_champ(w[3]);
        const auto Z = w.size() == 5 ? model::reel_de_champ(w[4]) : std::optional<model::Real>(0);
        if (x.errorPosition != 0 || y.errorPosition != 0 || !X || !Y || !Z) return refuse();
        r.points.push_back({x.value, y.value, *X, *Y, *Z});
    }
    return r;
}

} // namespace tracelle::files
