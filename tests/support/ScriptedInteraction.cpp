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
    EXPECT_TRUE(texts_.empty()) << texts_.size() << " scripted text(s) never asked";
}

namespace {

// The next scripted answer, or a failure of the test and `none` when none was scripted.
template <class T> T next(std::deque<T>& answers, T none, const std::string& unexpected) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << unexpected;
        return none;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

bool ScriptedInteraction::confirm(const std::string& text) {
    questions.push_back(text);
    if (whileConfirming) whileConfirming();
    return next(confirms_, false, "confirmation: " + text);
}

char ScriptedInteraction::dlg_titre_message_ONEK_oui_non(const std::string& title,
                                                         const std::string& message,
                                                         const std::string&, const std::string&,
                                                         const std::string&,
                                                         platform::DialogWidth) {
    questions.push_back(message);
    return next(dialogs_, 'E', "message dialog: " + title + " / " + message);
}

std::optional<std::string> ScriptedInteraction::nextFileName(const platform::FileDialogRequest& r) {
    fileDialogs.push_back(r);
    return next(fileNames_, {}, "file dialog: " + r.title);
}

std::optional<std::string> ScriptedInteraction::af_fic_txt_memo(const std::string& title,
                                                                const std::string& text) {
    questions.push_back(title);
    reviewed.push_back(text);
    return next(reviews_, {}, "review: " + title);
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
    return next(colours_, {}, "colour dialog");
}

std::optional<platform::PdfPage> ScriptedInteraction::choosePdfPage(const std::string&,
                                                                    int pageCount) {
    pdfPageCounts.push_back(pageCount);
    return next(pdfPages_, {}, "PDF page dialog");
}

std::optional<int> ScriptedInteraction::popupMenu(const std::vector<std::string>& items) {
    menus.push_back(items);
    return next(menus_, {}, "popup menu");
}

std::optional<std::string> ScriptedInteraction::askText(const std::string& title,
                                                        const std::string& prompt,
                                                        const std::string&) {
    prompts.push_back(prompt);
    return next(texts_, {}, "text question: " + title + " / " + prompt);
}

} // namespace tracelle::testing
