// The user-facing side of Interaction: Qt's dialogs, clipboard and desktop services.
#pragma once

#include "platform/Interaction.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace tracelle::ui {

// "Projet (*.trc)|*.trc|Tous (*.*)|*.*" as Qt's "Projet (*.trc);;Tous (*.*)".
QString toQtFilter(const std::string& filter);

class MessageDialog;

class QtInteraction final : public platform::Interaction {
    Q_DECLARE_TR_FUNCTIONS(QtInteraction)
public:
    // Dialogs are shown over the window the user works in, else `parent`; `dialog` is the
    // program's own message dialog.
    QtInteraction(QWidget* parent, MessageDialog* dialog) : parent_(parent), dialog_(dialog) {}

    void beep() override;
    void beep(int frequencyHz, int durationMs) override;
    void information(const std::string& text) override;
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
    std::string clipboardText() override;
    std::optional<picture::Rgb24> clipboardPicture() override;
    void setClipboardText(const std::string& text) override;
    void openWithDesktop(const std::string& path) override;
    void setBusy(bool busy) override;
    void requestQuit() override;

private:
    // The window the dialogs are shown over.
    QWidget* owner();

    QWidget* parent_;
    QPointer<QWidget> lastOwner_;
    MessageDialog* dialog_;
    int busyDepth_ = 0;
};

} // namespace tracelle::ui
