// A new picture shown while it is decoded: the rows arrived at the view's scale, refreshed as
// more arrive, and everything that needs the whole picture waiting for it.
#include "picture/Decoder.h"
#include "platform/FreedMemory.h"
#include "platform/Interaction.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/OpeningTimes.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace tracelle::ui {

using platform::interaction;

namespace {

// Often enough for rows to flow, seldom enough for the view's cost to stay small.
constexpr int kArrivalRefreshMs = 50;
// Below a megapixel a picture decodes in some ten milliseconds: it is shown whole, at once.
constexpr std::uint64_t kShownArrivingFrom = std::uint64_t{1} << 20;

} // namespace

std::string MainWindow::awaitSmallPicture(picture::PictureLoading& loading) {
    const auto picture = loading.picture();
    if (!picture ||
        std::uint64_t(picture->width()) * std::uint64_t(picture->height()) < kShownArrivingFrom)
        return loading.wait();
    return {};
}

bool MainWindow::poseArriving(const std::string& path,
                              std::unique_ptr<picture::PictureLoading> loading,
                              const std::string& mode) {
    if (loading->finished()) {
        // Decoded already (a small picture, or one the start-up had time for).
        if (const std::string error = loading->wait(); !error.empty()) {
            interaction().information(picture::decodeFailureMessage(path, error));
            return false;
        }
        return posePicture(path, loading->picture(), nullptr, mode, nullptr);
    }
    auto picture = loading->picture();
    auto arrival = loading->arrival();
    loading_ = std::move(loading);
    if (!arrivalTimer_) {
        arrivalTimer_ = new QTimer(this);
        arrivalTimer_->setInterval(kArrivalRefreshMs);
        connect(arrivalTimer_, &QTimer::timeout, this, &MainWindow::showArrivedRows);
    }
    arrivalTimer_->start();
    // The last rows shown, and the crosses drawn, as soon as they are in.
    QPointer<MainWindow> self(this);
    loading_->whenEnded([self] {
        QMetaObject::invokeMethod(
            self,
            [self] {
                if (self) self->showArrivedRows();
            },
            Qt::QueuedConnection);
    });
    return posePicture(path, std::move(picture), std::move(arrival), mode, nullptr);
}

void MainWindow::showArrivedRows() {
    if (!loading_) return;
    // While the questions about the new picture are open, its end waits for their answers.
    if (loading_->finished() && !askingAboutPicture_)
        waitForPicture();
    else
        imageArea_->showArrivedRows();
}

void MainWindow::waitForPicture() {
    if (!loading_) return;
    std::string error;
    {
        platform::BusyCursor busy;
        error = loading_->wait();
    }
    arrivalTimer_->stop();
    loading_.reset();
    if (!error.empty()) {
        // A file cut short or damaged past its first rows: what came is no picture to work on.
        const std::string path = project_.picture().file;
        overview_.reset();
        layer_ = picture::Layer();
        imageArea_->setLayer(nullptr, nullptr);
        overviewChanged();
        project_.picture().file.clear();
        pictureCaption_ = kCaption;
        status_[1]->clear();
        majTitre();
        interaction().information(picture::decodeFailureMessage(path, error));
        return;
    }
    layer_.takeArrived();
    // The crosses and points wait for the whole picture, so that no tile is copied half made.
    Redessiner();
    if (overview_.ready()) pictureSettled();
}

void MainWindow::pictureSettled() {
    platform::returnFreedMemory(); // the decoder's buffers
    openingTimes::idle();
}

} // namespace tracelle::ui
