// The project file: its first line, canvas, counts and tables, the comma text of every row, and
// the tables applied to a project as opening, importing calibration values and completing do.
// A file is either read whole, and then opened without a single message or question, or
// refused with the line and the reason; never both, never half.
#include "CalibratedProject.h"
#include "FuzzFile.h"
#include "files/CommaText.h"
#include "files/ProjectFile.h"
#include "platform/Interaction.h"

using namespace tracelle;

namespace {

// Opening a project read whole must not reach the user: any message or question is a finding.
class MustNotAsk final : public platform::Interaction {
public:
    void beep() override {}
    void beep(int, int) override {}
    void information(const std::string&) override { std::abort(); }
    bool confirm(const std::string&) override { std::abort(); }
    char dlg_titre_message_ONEK_oui_non(const std::string&, const std::string&, const std::string&,
                                        const std::string&, const std::string&,
                                        platform::DialogWidth) override {
        std::abort();
    }
    std::optional<std::string> af_fic_txt_memo(const std::string&, const std::string&) override {
        std::abort();
    }
    std::optional<std::string> openFileName(const platform::FileDialogRequest&) override {
        std::abort();
    }
    std::optional<std::string> saveFileName(const platform::FileDialogRequest&) override {
        std::abort();
    }
    std::optional<std::string> savePictureName(const platform::FileDialogRequest&) override {
        std::abort();
    }
    std::optional<std::uint32_t> chooseColour(std::uint32_t) override { std::abort(); }
    std::optional<platform::PdfPage> choosePdfPage(const std::string&, int) override {
        std::abort();
    }
    std::optional<int> popupMenu(const std::vector<std::string>&) override { std::abort(); }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    std::optional<picture::Rgb24> clipboardPicture() override { return {}; }
    void openWithDesktop(const std::string&) override {}
    void setBusy(bool) override {}
    void requestQuit() override { std::abort(); }
};

void checkOpen(const std::string& path) {
    files::ProjectError error;
    const auto read = files::lisProjet(path, error);
    MustNotAsk quiet;
    platform::setInteraction(&quiet);
    model::Project opened;
    const std::string refusal = files::chargeProjetSansImage(path, opened);
    platform::setInteraction(nullptr);
    if (read) {
        const bool complete = error.message.empty() && refusal.empty() && opened.N() == read->n &&
                              opened.K() == read->k && opened.currentLine() == read->lines &&
                              read->tables.pointCount() == read->n &&
                              static_cast<std::int64_t>(read->tables.lines.size()) == read->lines;
        if (!complete) std::abort();
    } else if (error.message.empty() || refusal != error.message) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::writeInput(data, size, "trc");
    checkOpen(path);
    files::ProjectError error;
    if (auto read = files::lisProjet(path, error)) {
        model::Project project;
        fuzz::calibrate(project);
        files::importeValeursCalage(project, read->tables);
        files::completePoints(project, read->tables);
    }

    std::vector<std::string> cells;
    std::string_view rest = fuzz::text(data, size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        cells.clear();
        files::appendDecodedRow(rest.substr(0, end), cells, 9);
        (void)files::encodeRow(cells);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return 0;
}
