// The interaction of a program without windows: messages go to standard error as warnings,
// every question is answered "No" or "cancel" (a Yes / No question told as a warning too).
// A warning is told once: a cell is read again at every pass over the points.
#pragma once

#include "platform/Interaction.h"

#include <set>

namespace tracelle::cli {

// The text on one line: line ends and tabs become single spaces.
std::string surUneLigne(const std::string& text);
// The text on one line after the program's name, as every failure is told.
std::string errorLine(const std::string& text);

class CliInteraction final : public platform::Interaction {
public:
    void beep() override {}
    void beep(int, int) override {}
    void information(const std::string& text) override;
    bool confirm(const std::string& text) override;
    char dlg_titre_message_ONEK_oui_non(const std::string&, const std::string&, const std::string&,
                                        const std::string&, const std::string&,
                                        platform::DialogWidth) override {
        return 'N';
    }
    std::optional<std::string> af_fic_txt_memo(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> savePictureName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<platform::PdfPage> choosePdfPage(const std::string&, int) override {
        return std::nullopt;
    }
    std::optional<int> popupMenu(const std::vector<std::string>&) override { return std::nullopt; }
    std::string clipboardText() override { return {}; }
    std::optional<picture::Rgb24> clipboardPicture() override { return {}; }
    void setClipboardText(const std::string&) override {}
    void openWithDesktop(const std::string&) override {}
    void setBusy(bool) override {}
    void requestQuit() override {}

private:
    std::set<std::string> told_;
};

} // namespace tracelle::cli
