// The program's start-up: the splash window, then every window in its fixed order.
#pragma once

#include "picture/PictureLoading.h"

#include <QStringList>
#include <memory>

namespace tracelle::ui {

class ConverterWindow;
class PictureConversionWindow;
class QtInteraction;
class MainWindow;
class PointsTableWindow;
class AboutBox;
class HelpWindow;
class GraphWindow;
class Splash;
class MessageDialog;

class Startup {
public:
    // The decoding of the picture the command line names, started before the application
    // and its windows exist so that their start-up is spent beside it; null when the command
    // line names none, or one whose format needs the application to be read.
    static std::unique_ptr<picture::PictureLoading> startPicture(const QStringList& arguments);

    // Creates the windows; `arguments` are the program's, without its own name; `started`,
    // from startPicture() on the same arguments.
    explicit Startup(const QStringList& arguments,
                     std::unique_ptr<picture::PictureLoading> started = nullptr);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Shows the main window maximised; the splash leaves once it has come forward.
    void show();

    MainWindow& mainWindow() const { return *main_; }
    MessageDialog& messageDialog() const { return *dialog_; }
    Splash& splash() const { return *splash_; }
    // Object names of the windows, in the order they were created.
    const QStringList& creationOrder() const { return order_; }

private:
    template <class W, class... Args> std::unique_ptr<W> create(Args&&... args);

    QStringList order_;
    std::unique_ptr<Splash> splash_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<PointsTableWindow> table_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<GraphWindow> graph_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<MessageDialog> dialog_;
    std::unique_ptr<ConverterWindow> converter_;
    std::unique_ptr<PictureConversionWindow> conversion_;
    std::unique_ptr<QtInteraction> interaction_;
    // A picture named on the command line, decoded while the windows are built.
    std::string picture_;
    std::unique_ptr<picture::PictureLoading> loading_;
};

} // namespace tracelle::ui
