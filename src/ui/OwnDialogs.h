// A window that does something each time it is activated or left must not take its own
// dialogs (a file or colour dialog it opened) for the user going away and coming back.
#pragma once

namespace tracelle::ui {

class OwnDialogs {
public:
    // Held while one of the window's dialogs may be shown.
    class Open {
    public:
        explicit Open(OwnDialogs& d) : d_(d) { ++d_.open_; }
        ~Open() { --d_.open_; }
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;

    private:
        OwnDialogs& d_;
    };

    // For each change of activation: true when it comes from the window's own dialog (the
    // window left for it, or given back after it) and is to be ignored.
    bool ignore(bool active) {
        if (!active) {
            if (open_ > 0) away_ = true;
            return away_;
        }
        const bool back = away_;
        away_ = false;
        return back;
    }

private:
    int open_ = 0;
    bool away_ = false;
};

} // namespace tracelle::ui
