#include "platform/Module.h"

#include "platform/Language.h"

#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <mutex>

namespace tracelle::platform {

namespace {

namespace fs = std::filesystem;

fs::path moduleFolder() {
    if (const char* dir = std::getenv("TRACELLE_MODULE_DIR"); dir && *dir) return dir;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path() / TRACELLE_MODULES_FROM_BIN).lexically_normal();
}

struct Opened {
    void* handle = nullptr;
    std::string error;
};

} // namespace

void* moduleFunction(const std::string& name, const char* function, std::string* why) {
    static std::mutex mutex;
    static std::map<std::string, Opened> modules;
    const std::lock_guard lock(mutex);
    auto [it, first] = modules.try_emplace(name);
    Opened& module = it->second;
    if (first) {
        const std::string path = (moduleFolder() / (name + ".so")).string();
        // RTLD_NOW: a missing library is told here, not as a crash in the middle of a command.
        module.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module.handle) {
            const char* error = dlerror();
            module.error = fill(translate("Module", "le module %1 ne peut pas être chargé (%2) : "
                                                    "installation incomplète"),
                                {path, error ? error : ""});
        }
    }
    if (!module.handle) {
        if (why) *why = module.error;
        return nullptr;
    }
    dlerror();
    void* address = dlsym(module.handle, function);
    if (!address && why)
        *why = fill(
            translate("Module", "le module %1 n'a pas la fonction %2 : installation incomplète"),
            {name, function});
    return address;
}

} // namespace tracelle::platform
