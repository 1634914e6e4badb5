// One click mode of the image area. The main window keeps what every mode shares (the
// right-button pan, the click that only activates the window, the beep on an empty picture)
// and hands the rest of the mouse to the tool of the mode button that is down.
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>

namespace tracelle::model {
class Project;
}
namespace tracelle::picture {
class Layer;
}

namespace tracelle::ui {

class ImageArea;

// What a tool may reach: never the main window, so that a tool is tried without it.
struct ToolContext {
    model::Project& project;
    picture::Layer& layer;
    ImageArea& area;
    // A panel of the status bar (0 to 2) shows a text.
    std::function<void(int panel, const QString& text)> setStatus;
    // The view shows what changed on the layer.
    std::function<void()> refreshView;
    // The picture without the marks drawn over it: what snapping and tracing read.
    std::function<const picture::Layer&()> picture;
};

// A mouse event on the image area: its position there and the layer pixel under it.
struct ToolEvent {
    QPoint position;
    QPoint pixel;
    Qt::MouseButtons buttons = Qt::NoButton;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

class ClickTool {
public:
    explicit ClickTool(ToolContext context) : context_(std::move(context)) {}
    virtual ~ClickTool() = default;
    ClickTool(const ClickTool&) = delete;
    ClickTool& operator=(const ClickTool&) = delete;

    // The mode was chosen (also again while it is the current one), or another took over.
    virtual void activate() {}
    virtual void deactivate() {}
    // A left click on the picture.
    virtual void pressed(const ToolEvent& event) = 0;
    // True when the move belongs to the tool alone (a stroke, a drag): the window neither pans
    // nor follows it with the band.
    virtual bool moved(const ToolEvent&) { return false; }
    // Any button let go.
    virtual void released(const ToolEvent&) {}
    // Esc: what is under way is given up; true when there was something.
    virtual bool cancel() { return false; }
    virtual Qt::CursorShape cursor() const { return Qt::ArrowCursor; }
    // The overview of the picture was made again (a new picture, then once it is ready): what
    // the tool read on it is read again.
    virtual void overviewChanged() {}
    // The pixel a click at `pixel` would store: the band and the coordinates show it.
    virtual QPoint aimAt(QPoint pixel) const { return pixel; }

    // When the rubber band runs from the last point to the mouse.
    enum class Band { Never, WithLines, Always };
    virtual Band band() const { return Band::Never; }

protected:
    ToolContext context_;
};

} // namespace tracelle::ui
