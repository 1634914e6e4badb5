#include "measure/Cap.h"

#include "model/NumberText.h"
#include "platform/Language.h"

namespace tracelle::measure {

using platform::fill;
using platform::translate;

std::string texteEtape(int from, int to, const DistanceCap& step) {
    return fill(translate("Cap", "%1/%2=> D=%3 cap=%4"),
                {std::to_string(from), std::to_string(to), model::_format(step.d, 6, 4),
                 model::_format(step.cap, 6, 2)});
}

void CapState::CapClick() {
    startPending_ = true;
    cumulative_ = 0;
}

std::string CapState::click(const model::Project& p, int c, const BearingCorrection& correction) {
    if (startPending_) {
        startPending_ = false;
        previous_ = c;
        cumulative_ = 0;
        return fill(translate("Cap", " distance cumulée à partir de (%1)... "),
                    {std::to_string(c)});
    }
    // The step to the clicked point itself: the last move may have been elsewhere, or none
    // (a jump onto the point, a tablet, a script).
    const DistanceCap step = distance_entre_point(p, previous_, c, correction);
    cumulative_ += step.d;
    std::string text =
        fill(translate("Cap", " distance cumulée +(%1 à %2) = %3"),
             {std::to_string(previous_), std::to_string(c), model::_format(cumulative_, 6, 4)});
    text += "   " + texteEtape(previous_, c, step);
    previous_ = c;
    return text;
}

std::string CapState::move(const model::Project& p, int c, const BearingCorrection& correction) {
    if (c == previous_ || startPending_) return {};
    return texteEtape(previous_, c, distance_entre_point(p, previous_, c, correction));
}

} // namespace tracelle::measure
