// The one door from the program's logic to the user: messages, questions, dialogs,
// clipboard, beeps. The windows provide the Qt implementation; tests script one.
#pragma once

#include "picture/Rgb24.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tracelle::platform {

struct FileDialogRequest {
    std::string title;
    std::string filter;    // "Projet (*.trc)|*.trc|Tous (*.*)|*.*" pairs, as the windows show them
    std::string directory; // folder where the dialog starts
    std::string fileName;  // proposed name
    std::string defaultExtension;
};

// Size of the message dialog: the main window's entry point opens it narrow, the other
// windows' entry point wide and without its text pane.
enum class DialogWidth { Narrow, Wide };

// A page of a PDF document opened as a picture, and the resolution it is drawn at.
struct PdfPage {
    int page = 1; // from 1
    int dpi = 300;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    virtual void beep() = 0;
    virtual void beep(int frequencyHz, int durationMs) = 0;
    virtual void information(const std::string& text) = 0;
    // Yes / No question; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // The program's own message dialog; answers 'O', 'N' or 'E'.
    virtual char
    dlg_titre_message_ONEK_oui_non(const std::string& title, const std::string& message,
                                   const std::string& buttons, const std::string& firstCaption,
                                   const std::string& secondCaption, DialogWidth width) = 0;
    // The review of an import: `text` shown in the message dialog's text pane for the user to
    // edit; the edited text when the user goes on, nothing when he cancels.
    virtual std::optional<std::string> af_fic_txt_memo(const std::string& title,
                                                       const std::string& text) = 0;
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> savePictureName(const FileDialogRequest& request) = 0;
    // Colours are 0x00BBGGRR.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial) = 0;
    // A small menu at the mouse: the index of the item chosen; nothing when dismissed.
    virtual std::optional<int> popupMenu(const std::vector<std::string>& items) = 0;
    // A line of text typed by the user under `prompt`, `initial` proposed; nothing when
    // cancelled. Those that cannot ask (the command line, the silent stand-in) cancel.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) {
        (void)title, (void)prompt, (void)initial;
        return std::nullopt;
    }
    // The page (1 to `pageCount`) and resolution of `file` to open; nothing when cancelled.
    virtual std::optional<PdfPage> choosePdfPage(const std::string& file, int pageCount) = 0;
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // The picture on the clipboard; nothing when it holds none.
    virtual std::optional<picture::Rgb24> clipboardPicture() = 0;
    virtual void openWithDesktop(const std::string& path) = 0;
    virtual void setBusy(bool busy) = 0;
    // Ends the program once the current event has been handled.
    virtual void requestQuit() = 0;
};

// The interaction in force. Before one is installed, a silent stand-in answers "No" and
// "cancel" to everything, so that code run outside a window never blocks.
Interaction& interaction();
void setInteraction(Interaction* interaction);

// Shows the busy cursor for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor() { interaction().setBusy(true); }
    ~BusyCursor() { interaction().setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace tracelle::platform
