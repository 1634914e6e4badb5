#include "ui/MessageDialog.h"

#include "ui/Artwork.h"
#include "ui/GradientPanel.h"
#include "ui/QtText.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace tracelle::ui {

namespace {

constexpr int kHeight = 213;
constexpr int kButtonTop = 164;
constexpr int kButtonWidth = 95;
constexpr int kButtonGap = 10;
constexpr int kLeft = 24;

// The program's texts end their lines with CR as often as with LF: each breaks a line.
QString withLineBreaks(const std::string& text) {
    QString shown = q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("MessageDialog");
    setModal(true);

    title_ = new QLabel(this);
    title_->setObjectName("LabelTitre");
    title_->setStyleSheet("color: yellow; font-weight: bold; background: transparent;");
    title_->move(kLeft, 18);

    message_ = new QLabel(this);
    message_->setObjectName("LabelMessage");
    message_->setStyleSheet("color: aqua; background: transparent;");
    message_->setWordWrap(true);

    picture_ = new QLabel(this);
    picture_->setObjectName("ImageQuestion");
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents); // dragging goes through it
    picture_->move(kLeft, 18);
    picture_->hide();

    textPane_ = new QPlainTextEdit(this);
    textPane_->setObjectName("MemoTexte");
    textPane_->hide();

    first_ = makeButton(tr("Oui"), 'O');
    second_ = makeButton(tr("Non"), 'N');
    cancel_ = makeButton(tr("Annuler"), 'E');
    ok_ = makeButton(tr("OK"), 'E');
}

QPushButton* MessageDialog::makeButton(const QString& caption, char answer) {
    auto* button = new QPushButton(caption, this);
    button->setFixedSize(kButtonWidth, 28);
    // A button answers as soon as the mouse button goes down on it.
    connect(button, &QPushButton::pressed, this, [this, answer] {
        answer_ = answer;
        accept();
    });
    return button;
}

char MessageDialog::dlg_titre_message_ONEK_oui_non(const std::string& title,
                                                   const std::string& message,
                                                   const std::string& buttons,
                                                   const std::string& firstCaption,
                                                   const std::string& secondCaption,
                                                   platform::DialogWidth width) {
    if (isVisible()) return 'E';
    hide();
    const int w = width == platform::DialogWidth::Wide ? 605 : 455;
    const bool quitQuestion = message == "Quitter";
    title_->setText(withLineBreaks(title));
    title_->adjustSize();
    // A title of several lines pushes what follows down.
    const int top = std::max(48, title_->geometry().bottom() + 8);
    QFont font("Courier New");
    font.setBold(true);
    font.setPointSize(buttons.find('+') != std::string::npos ? 25 : 10);
    message_->setFont(font);
    message_->setText(withLineBreaks(message));
    message_->setFixedWidth(w - 2 * kLeft);
    message_->adjustSize();
    message_->move(kLeft, top);

    // A review shows the file's text, and a long message its every line: the dialog grows to
    // hold them above its buttons.
    const bool review = !textPane_->isHidden();
    const int below = kHeight - kButtonTop;
    const int h = review ? 520
                  : quitQuestion
                      ? kHeight
                      : std::max(kHeight, message_->y() + message_->height() + 8 + below);
    const int buttonTop = h - below;
    setFixedSize(w, h);

    title_->setVisible(!quitQuestion);
    message_->setVisible(!quitQuestion);
    if (quitQuestion) {
        picture_->setPixmap(quitPicture(w - 2 * kLeft, kButtonTop - 30));
        picture_->adjustSize();
    }
    picture_->setVisible(quitQuestion);
    const int paneTop = review ? top : top + 22;
    textPane_->setGeometry(kLeft, paneTop, w - 2 * kLeft, buttonTop - paneTop - 8);

    first_->setText(firstCaption.empty() ? tr("Oui") : q(firstCaption));
    second_->setText(secondCaption.empty() ? tr("Non") : q(secondCaption));
    const std::pair<QPushButton*, char> all[] = {
        {first_, 'O'}, {second_, 'N'}, {cancel_, 'E'}, {ok_, 'K'}};
    int x = kLeft;
    for (const auto& [button, code] : all) {
        const bool shown = buttons.find(code) != std::string::npos;
        button->setVisible(shown);
        if (shown) {
            // A long caption ("Ne pas enregistrer") widens its button rather than being cut.
            button->setFixedWidth(std::max(
                kButtonWidth, button->fontMetrics().horizontalAdvance(button->text()) + 16));
            button->move(x, buttonTop);
            x += button->width() + kButtonGap;
        }
    }

    answer_ = 'E';
    exec();
    if (width == platform::DialogWidth::Wide) textPane_->hide();
    return answer_;
}

void MessageDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGradientPanel(painter, rect(), QColor(0, 0, 140), QColor(28, 205, 208));
}

void MessageDialog::showEvent(QShowEvent* event) {
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setBrush(Qt::color1);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(rect(), 20, 20); // corners rounded by 40 × 40
    setMask(shape);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void MessageDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        dragging_ = true;
        dragStart_ = event->globalPosition().toPoint();
    }
}

void MessageDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint now = event->globalPosition().toPoint();
    move(pos() + now - dragStart_);
    dragStart_ = now;
}

void MessageDialog::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace tracelle::ui
