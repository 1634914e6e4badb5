#include "platform/Interaction.h"

namespace tracelle::platform {

namespace {

class SilentInteraction final : public Interaction {
public:
    void beep() override {}
    void beep(int, int) override {}
    void information(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    char dlg_titre_message_ONEK_oui_non(const std::string&, const std::string&, const std::string&,
                                        const std::string&, const std::string&,
                                        DialogWidth) override {
        return 'E';
    }
    std::optional<std::string> af_fic_txt_memo(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> savePictureName(const FileDialogRequest&) override { return {}; }
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return {}; }
    std::optional<PdfPage> choosePdfPage(const std::string&, int) override { return {}; }
    std::optional<int> popupMenu(const std::vector<std::string>&) override { return {}; }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    std::optional<picture::Rgb24> clipboardPicture() override { return {}; }
    void openWithDesktop(const std::string&) override {}
    void setBusy(bool) override {}
    void requestQuit() override {}
};

SilentInteraction silent;
Interaction* current = &silent;

} // namespace

Interaction& interaction() {
    return *current;
}

void setInteraction(Interaction* interaction) {
    current = interaction ? interaction : &silent;
}

} // namespace tracelle::platform
