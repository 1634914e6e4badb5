#include "ui/Startup.h"

#include "files/ProjectFile.h"
#include "files/Recovery.h"
#include "picture/Decoder.h"
#include "platform/Interaction.h"
#include "ui/AboutBox.h"
#include "ui/ConverterWindow.h"
#include "ui/GraphWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/PictureConversionWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/QtInteraction.h"
#include "ui/QtPictureDecoder.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

namespace tracelle::ui {

template <class W, class... Args> std::unique_ptr<W> Startup::create(Args&&... args) {
    auto window = std::make_unique<W>(std::forward<Args>(args)...);
    order_ << window->objectName();
    return window;
}

namespace {

// A project is named by its ".trc" or recognised by its first line; anything else named on
// the command line is taken for a picture.
bool isProject(const std::string& path) {
    const QString name = QString::fromStdString(path);
    return name.endsWith(QStringLiteral(".trc"), Qt::CaseInsensitive) ||
           files::ProjectText::firstLine(path) == std::string(files::kProjectKeyword);
}

// The picture the command line names, made absolute; empty when it names none or a project.
std::string pictureNamed(const QStringList& arguments) {
    const std::string named = MainWindow::joinArguments(arguments).toStdString();
    if (named.empty() || isProject(named)) return {};
    std::error_code ec;
    return std::filesystem::absolute(named, ec).string();
}

} // namespace

std::unique_ptr<picture::PictureLoading> Startup::startPicture(const QStringList& arguments) {
    // Options Qt takes out of the command line would change the name read; the other formats
    // may go to Qt's readers, which want the application.
    for (const QString& argument : arguments)
        if (argument.startsWith('-')) return nullptr;
    const std::string path = pictureNamed(arguments);
    if (path.empty() || !picture::rowDecoderFor(path)) return nullptr;
    return picture::PictureLoading::ofFile(path);
}

Startup::Startup(const QStringList& arguments, std::unique_ptr<picture::PictureLoading> started)
    : picture_(pictureNamed(arguments)), loading_(std::move(started)) {
    picture::setFallbackDecoder(decodeWithQt);
    if (!picture_.empty() && !loading_) loading_ = picture::PictureLoading::ofFile(picture_);
    splash_ = std::make_unique<Splash>();
    splash_->show();
    splash_->repaint();
    QApplication::processEvents();

    main_ = create<MainWindow>();
    if (picture_.empty()) main_->setParametre(MainWindow::joinArguments(arguments));
    table_ = create<PointsTableWindow>(main_->project());
    about_ = create<AboutBox>();
    graph_ = create<GraphWindow>();
    help_ = create<HelpWindow>();
    dialog_ = create<MessageDialog>();
    converter_ = create<ConverterWindow>();
    {
        // The second splash is painted and released at once.
        Splash second;
        order_ << QStringLiteral("SecondSplash");
        second.repaint();
        second.close();
    }
    conversion_ = create<PictureConversionWindow>();

    interaction_ = std::make_unique<QtInteraction>(main_.get(), dialog_.get());
    platform::setInteraction(interaction_.get());
    main_->attachWindows({table_.get(), about_.get(), graph_.get(), help_.get(), converter_.get(),
                          conversion_.get()});
    // Before anything else is opened: the work a crash interrupted comes first, asked about
    // with the card out of the way.
    if (files::secoursLaisse()) {
        splash_->close();
        main_->showMaximized();
        main_->proposeSecours();
    }

    // Opening what the command line names may ask questions: the card, on top of every
    // window and with its hourglass, would hide them.
    if (!main_->parametre().isEmpty() || loading_) splash_->close();
    if (!main_->parametre().isEmpty()) {
        main_->showMaximized();
        main_->ouvrirParametre();
    } else if (loading_) {
        main_->showMaximized();
        main_->ouvreImage(picture_, std::move(loading_));
    }
}

Startup::~Startup() {
    platform::setInteraction(nullptr);
}

void Startup::show() {
    // A project named on the command line has already placed the windows.
    if (!main_->isVisible()) main_->showMaximized();
    main_->raise();
    main_->activateWindow();
    Splash* splash = splash_.get();
    QTimer::singleShot(0, splash, [splash] { splash->leaveSoon(); });
}

} // namespace tracelle::ui
