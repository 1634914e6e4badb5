#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace tracelle::testing {

ScriptedInteraction::ScriptedInteraction() {
    platform::setInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction() {
    platform::setInteraction(nullptr);
    EXPECT_TRUE(confirms_.empty()) << confirms_.size() << " scripted confirmation(s) never asked";
    EXPECT_TRUE(dialogs_.empty()) << dialogs_.size() << " scripted dialog answer(s) never asked";
    EXPECT_TRUE(fileNames_.empty()) << fileNames_.size() << " scripted file name(s) never asked";
    EXPECT_TRUE(colours_.empty()) << colours_.size() << " scripted colour(s) never asked";
    EXPECT_TRUE(reviews_.empty()) << reviews_.size() << " scripted review(s) never asked";
    EXPECT_TRUE(menus_.empty()) << menus_.size() << " scripted menu choice(s) never asked";
}

bool ScriptedInteraction::confirm(const std::string& text) {
    questions.push_back(text);
    if (confirms_.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text;
        return false;
    }
    const bool answer = confirms_.front();
    confirms_.pop_front();
    return answer;
}

char ScriptedInteraction::dlg_titre_message_ONEK_oui_non(const std::string& title,
                                                         const std::string& message,
                                                         const std::string&, const std::string&,
                                                         const std::string&,
                                                         platform::DialogWidth) {
    questions.push_back(message);
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected message dialog: " << title << " / " << message;
        return 'E';
    }
    const char answer = dialogs_.front();
    dialogs_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInteraction::nextFileName(const platform::FileDialogRequest& r) {
    fileDialogs.push_back(r);
    if (fileNames_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << r.title;
        return std::nullopt;
    }
    auto answer = fileNames_.front();
    fileNames_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInteraction::af_fic_txt_memo(const std::string& title,
                                                                const std::string& text) {
    questions.push_back(title);
    reviewed.push_back(text);
    if (reviews_.empty()) {
        ADD_FAILURE() << "unexpected review: " << title;
        return std::nullopt;
    }
    auto answer = reviews_.front();
    reviews_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInteraction::openFileName(const platform::FileDialogRequest& r) {
    return nextFileName(r);
}

std::optional<std::string> ScriptedInteraction::saveFileName(const platform::FileDialogRequest& r) {
    return nextFileName(r);
}

std::optional<std::string>
ScriptedInteraction::savePictureName(const platform::FileDialogRequest& r) {
    return nextFileName(r);
}

std::optional<std::uint32_t> ScriptedInteraction::chooseColour(std::uint32_t) {
    ++colourDialogs;
    if (colours_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    auto answer = colours_.front();
    colours_.pop_front();
    return answer;
}

std::optional<platform::PdfPage> ScriptedInteraction::choosePdfPage(const std::string&,
                                                                    int pageCount) {
    pdfPageCounts.push_back(pageCount);
    if (pdfPages_.empty()) {
        ADD_FAILURE() << "unexpected PDF page dialog";
        return std::nullopt;
    }
    auto answer = pdfPages_.front();
    pdfPages_.pop_front();
    return answer;
}

std::optional<int> ScriptedInteraction::popupMenu(const std::vector<std::string>& items) {
    menus.push_back(items);
    if (menus_.empty()) {
        ADD_FAILURE() << "unexpected popup menu";
        return std::nullopt;
    }
    auto answer = menus_.front();
    menus_.pop_front();
    return answer;
}

} // namespace tracelle::testing
