#include "ui/Startup.h"

#include "picture/Decoder.h"
#include "platform/Interaction.h"
#include "ui/Convert.h"
#include "ui/QtInteraction.h"
#include "ui/QtPictureDecoder.h"
#include "ui/Splash.h"
#include "ui/Unit6.h"
#include "ui/emf.h"
#include "ui/scroll.h"
#include "ui/scroll2.h"
#include "ui/scrollab.h"
#include "ui/scrollf1.h"
#include "ui/scrollrep.h"

#include <QApplication>
#include <QTimer>

namespace tracelle::ui {

template <class W, class... Args> std::unique_ptr<W> Startup::create(Args&&... args) {
    auto window = std::make_unique<W>(std::forward<Args>(args)...);
    order_ << window->objectName();
    return window;
}

Startup::Startup(const QStringList& arguments) {
    splash_ = std::make_unique<Splash>();
    splash_->show();
    splash_->repaint();
    QApplication::processEvents();

    main_ = create<Scroll>();
    main_->setParametre(Scroll::joinArguments(arguments));
    table_ = create<Scroll2>(main_->project());
    about_ = create<Scrollab>();
    graph_ = create<Scrollrep>();
    help_ = create<Scrollf1>();
    dialog_ = create<Unit6>();
    converter_ = create<Convert>();
    {
        // The second splash is painted and released at once.
        Splash second;
        order_ << QStringLiteral("Splash2");
        second.repaint();
        second.close();
    }
    conversion_ = create<Emf>();

    picture::setFallbackDecoder(decodeWithQt);
    interaction_ = std::make_unique<QtInteraction>(main_.get(), dialog_.get());
    platform::setInteraction(interaction_.get());
    main_->attachWindows({table_.get(), about_.get(), graph_.get(), help_.get(), converter_.get(),
                          conversion_.get()});

    if (!main_->parametre().isEmpty()) {
        main_->showMaximized();
        main_->ouvrirParametre();
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
