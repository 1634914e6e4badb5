#include "gis/CoordinateSystem.h"

#include "platform/Language.h"

#include <algorithm>
#include <cctype>
#include <proj.h>
#include <thread>
#include <vector>

namespace tracelle::gis {

// PROJ's objects die before their context; PROJ's messages go to `lastMessage`, never to the
// terminal.
struct CoordinateSystem::State {
    PJ_CONTEXT* context = proj_context_create();
    PJ* crs = nullptr;
    std::string lastMessage;

    State() {
        proj_log_func(context, this, [](void* self, int, const char* message) {
            static_cast<State*>(self)->lastMessage = message;
        });
        proj_context_set_enable_network(context, 0);
    }
    ~State() {
        proj_destroy(crs);
        proj_context_destroy(context);
    }
    State(const State&) = delete;
    State& operator=(const State&) = delete;
};

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

// PROJ reads a bare "+proj=..." as an operation; the user means the system it projects to.
std::string forProj(const std::string& text) {
    if (allDigits(text)) return "EPSG:" + text;
    if (text.front() == '+' && text.find("+type=crs") == std::string::npos)
        return text + " +type=crs";
    return text;
}

// PROJ's message without the function that logged it nor the error's number and class:
// "proj_create: Error 1027 (Invalid value for an argument): utm: Invalid value for zone".
std::string projReason(const std::string& message) {
    if (const auto detail = message.find("): "); detail != std::string::npos)
        return message.substr(detail + 3);
    const auto colon = message.find(": ");
    return colon == std::string::npos ? message : message.substr(colon + 2);
}

bool placesMapPoints(PJ_TYPE type) {
    switch (type) {
    case PJ_TYPE_GEOCENTRIC_CRS:
    case PJ_TYPE_GEODETIC_CRS:
    case PJ_TYPE_VERTICAL_CRS:
    case PJ_TYPE_TEMPORAL_CRS:
        return false;
    default:
        return true;
    }
}

// PROJ's inverse projections cost as much as the rest of an export: the points are shared
// among the processors, each with its own copy of the operation in its own context (a PROJ
// context serves one thread at a time). Each point's result does not depend on the others.
void transformInParallel(PJ* operation, double* x, double* y, std::size_t stride,
                         std::size_t count) {
    constexpr std::size_t kLeast = 10000; // below, a thread costs more than it saves
    const std::size_t helpers = std::min<std::size_t>(
        {std::max(std::thread::hardware_concurrency(), 1u) - 1, 3, count / kLeast});
    const std::size_t share = count / (helpers + 1);
    const auto run = [stride](PJ* op, double* xs, double* ys, std::size_t n) {
        proj_trans_generic(op, PJ_FWD, xs, stride, n, ys, stride, n, nullptr, 0, 0, nullptr, 0, 0);
    };
    std::vector<std::thread> threads;
    std::vector<std::pair<PJ_CONTEXT*, PJ*>> copies;
    for (std::size_t k = 1; k <= helpers; ++k) {
        PJ_CONTEXT* context = proj_context_create();
        proj_log_func(context, nullptr, [](void*, int, const char*) {});
        proj_context_set_enable_network(context, 0);
        PJ* copy = proj_clone(context, operation);
        copies.emplace_back(context, copy);
        const std::size_t first = k * share;
        const std::size_t n = k == helpers ? count - first : share;
        auto* xs = reinterpret_cast<double*>(reinterpret_cast<char*>(x) + first * stride);
        auto* ys = reinterpret_cast<double*>(reinterpret_cast<char*>(y) + first * stride);
        if (copy)
            threads.emplace_back(run, copy, xs, ys, n);
        else
            run(operation, xs, ys, n);
    }
    run(operation, x, y, helpers > 0 ? share : count);
    for (std::thread& t : threads)
        t.join();
    for (auto& [context, copy] : copies) {
        proj_destroy(copy);
        proj_context_destroy(context);
    }
}

} // namespace

std::optional<CoordinateSystem> CoordinateSystem::lit(std::string_view typed, std::string* why) {
    if (auto local = litLocal(typed)) return local;
    const std::string text = trimmed(typed);
    CoordinateSystem system;
    const auto refuse = [why](std::string reason) {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    auto state = std::make_shared<State>();
    const std::string request = forProj(text);
    state->crs = proj_create(state->context, request.c_str());
    if (!state->crs) {
        const std::string code = lower(request);
        if (code.rfind("epsg:", 0) == 0 && allDigits(std::string_view(code).substr(5)))
            return refuse(
                platform::fill(platform::translate("CoordinateSystem", "code EPSG inconnu : %1"),
                               {request.substr(5)}));
        if (text.front() == '+')
            return refuse(platform::fill(
                platform::translate("CoordinateSystem", "chaîne PROJ non comprise (%1)"),
                {projReason(state->lastMessage)}));
        return refuse(platform::translate("CoordinateSystem",
                                          "ni un code EPSG, ni une chaîne PROJ, ni « aucun »"));
    }
    if (!proj_is_crs(state->crs))
        return refuse(platform::fill(
            platform::translate("CoordinateSystem", "« %1 » n'est pas un système de coordonnées"),
            {text}));
    const char* name = proj_get_name(state->crs);
    system.name_ = name && std::string_view(name) != "unknown"
                       ? name
                       : platform::translate("CoordinateSystem", "système sans nom");
    if (!placesMapPoints(proj_get_type(state->crs)))
        return refuse(platform::fill(
            platform::translate("CoordinateSystem", "« %1 » ne situe pas les X, Y d'une carte"),
            {system.name_}));
    system.state_ = std::move(state);
    return system;
}

std::string CoordinateSystem::prjText() const {
    if (!state_) return {};
    const char* const options[] = {"MULTILINE=NO", nullptr};
    for (const PJ_WKT_TYPE flavour : {PJ_WKT1_ESRI, PJ_WKT1_GDAL}) {
        if (const char* wkt = proj_as_wkt(state_->context, state_->crs, flavour, options))
            return wkt;
    }
    return {};
}

std::string CoordinateSystem::versWgs84(double* x, double* y, std::size_t stride,
                                        std::size_t count) const {
    if (!state_)
        return platform::translate("CoordinateSystem",
                                   "aucun système : les points ne se situent pas sur la Terre");
    PJ_CONTEXT* context = state_->context;
    PJ* wgs84 = proj_create(context, "EPSG:4326");
    PJ* operation =
        wgs84 ? proj_create_crs_to_crs_from_pj(context, state_->crs, wgs84, nullptr, nullptr)
              : nullptr;
    // East then north in, longitude then latitude out, whatever order the authorities give.
    PJ* ordered = operation ? proj_normalize_for_visualization(context, operation) : nullptr;
    proj_destroy(operation);
    proj_destroy(wgs84);
    if (!ordered)
        return platform::fill(
            platform::translate("CoordinateSystem", "pas de transformation de « %1 » vers WGS 84"),
            {name_});
    transformInParallel(ordered, x, y, stride, count);
    proj_destroy(ordered);
    return {};
}

} // namespace tracelle::gis
