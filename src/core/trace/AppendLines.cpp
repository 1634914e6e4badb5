#include "model/History.h"
#include "model/Project.h"
#include "platform/Language.h"
#include "trace/Vectorize.h"

namespace tracelle::trace {

void appendLines(model::Project& project, const std::vector<VectorLine>& lines) {
    if (lines.empty()) return;
    const model::History::Step step(project.history(),
                                    platform::translate("History", "la vectorisation"));
    for (const VectorLine& line : lines)
        // A question per line would be hundreds of them: they take the colour of the line before.
        appendTrace(project, line.points, NewLineColour::OfTheLineBefore);
}

} // namespace tracelle::trace
