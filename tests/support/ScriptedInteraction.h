// A test double for Interaction: records every message and beep, answers questions from
// queues, and fails the test on a question it was not told to expect.
#pragma once

#include "platform/Interaction.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tracelle::testing {

class ScriptedInteraction final : public platform::Interaction {
public:
    // Installs itself for its lifetime; fails the test if a scripted answer was never used.
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    void answerConfirm(bool yes) { confirms_.push_back(yes); }
    void answerDialog(char answer) { dialogs_.push_back(answer); }
    void answerFileName(std::optional<std::string> name) { fileNames_.push_back(std::move(name)); }
    void answerColour(std::optional<std::uint32_t> colour) { colours_.push_back(colour); }
    void answerPdfPage(std::optional<platform::PdfPage> page) { pdfPages_.push_back(page); }
    void answerMenu(std::optional<int> item) { menus_.push_back(item); }
    // The text the user leaves in the review (nothing: cancelled).
    void answerReview(std::optional<std::string> text) { reviews_.push_back(std::move(text)); }
    // The text typed at a prompt (nothing: cancelled).
    void answerText(std::optional<std::string> text) { texts_.push_back(std::move(text)); }

    // Runs inside each confirmation, as the events a real dialog's loop would handle.
    std::function<void()> whileConfirming;

    // What the program said and did.
    std::vector<std::string> messages;  // information boxes
    std::vector<std::string> questions; // confirmations and message dialogs
    std::vector<platform::FileDialogRequest> fileDialogs;
    std::vector<std::string> reviewed;      // texts shown for review
    std::vector<std::string> prompts;       // the prompts of the text questions
    std::vector<std::pair<int, int>> tones; // frequency, duration
    int beeps = 0;                          // plain system beeps
    int colourDialogs = 0;
    std::string clipboard;
    std::optional<picture::Rgb24> clipboardImage;
    std::vector<std::string> opened;
    std::vector<int> pdfPageCounts;              // the page count of each PDF page dialog
    std::vector<std::vector<std::string>> menus; // the items of each popup menu
    int busyDepth = 0;
    bool quitRequested = false;

    void beep() override { ++beeps; }
    void beep(int frequencyHz, int durationMs) override {
        tones.emplace_back(frequencyHz, durationMs);
    }
    void information(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& text) override;
    char dlg_titre_message_ONEK_oui_non(const std::string& title, const std::string& message,
                                        const std::string& buttons, const std::string& firstCaption,
                                        const std::string& secondCaption,
                                        platform::DialogWidth width) override;
    std::optional<std::string> af_fic_txt_memo(const std::string& title,
                                               const std::string& text) override;
    std::optional<std::string> openFileName(const platform::FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const platform::FileDialogRequest& request) override;
    std::optional<std::string> savePictureName(const platform::FileDialogRequest& request) override;
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;
    std::optional<platform::PdfPage> choosePdfPage(const std::string& file, int pageCount) override;
    std::optional<int> popupMenu(const std::vector<std::string>& items) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    std::optional<picture::Rgb24> clipboardPicture() override { return clipboardImage; }
    void openWithDesktop(const std::string& path) override { opened.push_back(path); }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void requestQuit() override { quitRequested = true; }

private:
    std::optional<std::string> nextFileName(const platform::FileDialogRequest& request);

    std::deque<bool> confirms_;
    std::deque<char> dialogs_;
    std::deque<std::optional<std::string>> fileNames_;
    std::deque<std::optional<std::uint32_t>> colours_;
    std::deque<std::optional<platform::PdfPage>> pdfPages_;
    std::deque<std::optional<int>> menus_;
    std::deque<std::optional<std::string>> reviews_;
    std::deque<std::optional<std::string>> texts_;
};

} // namespace tracelle::testing
