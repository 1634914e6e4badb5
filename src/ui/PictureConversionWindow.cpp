#include "ui/PictureConversionWindow.h"

#include "files/LastFolder.h"
#include "picture/ConversionSize.h"
#include "platform/Interaction.h"
#include "render/RenderModule.h"
#include "ui/Bgr.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <filesystem>

namespace tracelle::ui {

using platform::interaction;

namespace {

// The path shortened to `width` pixels: the file name kept, the folders taken from the left
// one by one, each shown as ".../", and the root last.
QString raccourciChemin(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width) return path;
    QStringList parts = path.split(QLatin1Char('/'));
    const QString root = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    if (!root.isEmpty()) parts.removeFirst();
    QString shortened;
    for (int removed = 1; removed < parts.size(); ++removed) {
        shortened = root + QStringLiteral(".../") + parts.mid(removed).join(QLatin1Char('/'));
        if (metrics.horizontalAdvance(shortened) <= width) return shortened;
    }
    return QStringLiteral(".../") + parts.last();
}

QString sizeText(QSize s) {
    return QString::number(s.width()) + QLatin1Char('x') + QString::number(s.height());
}

} // namespace

PictureConversionWindow::PictureConversionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("PictureConversionWindow");
    setWindowTitle(tr("e m f"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSettings());
    name_ = new QLabel(tr("nom"), this);
    name_->setObjectName("LabelNom");
    name_->setMinimumWidth(100);
    layout->addWidget(name_);
    auto* displays = new QHBoxLayout;
    displays->addWidget(
        buildDisplay(sourceArea_, sourcePicture_, sourceList_, tr("image de départ")));
    displays->addWidget(buildDisplay(resultArea_, resultPicture_, resultList_, tr("bitmap")));
    layout->addLayout(displays, 1);
    setBackground(palette().color(QPalette::Window));

    // Short enough that its title bar and borders fit too on the small screens of 600 pixels.
    resize(820, 540);
    // Centred on the screen once, where it is made.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        resize(size().boundedTo(free.size()));
        move(free.center() - rect().center());
    }
}

QWidget* PictureConversionWindow::buildSettings() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    const QString captions[] = {tr("1 ->  Ouvrir *.emf *.wmf *.bmp"),
                                {},
                                tr("3 -> appliquer"),
                                tr("4 -> Enregistrer"),
                                tr("5- Lecture test")};
    for (int k = 0; k < 5; ++k) {
        if (k == 1) continue;
        steps_[k] = new QPushButton(captions[k], panel);
    }
    connect(steps_[0], &QPushButton::clicked, this, &PictureConversionWindow::openSource);
    connect(steps_[2], &QPushButton::clicked, this, &PictureConversionWindow::makeBitmap);
    connect(steps_[3], &QPushButton::clicked, this, &PictureConversionWindow::saveBitmap);
    connect(steps_[4], &QPushButton::clicked, this, &PictureConversionWindow::openInMainWindow);

    // Step 2 is a label and its swatch; both open the colour dialog.
    auto* step2 = new QWidget(panel);
    auto* step2Row = new QHBoxLayout(step2);
    step2Row->setContentsMargins(0, 0, 0, 0);
    steps_[1] = new QPushButton(tr("2 -> couleur de fond"), step2);
    steps_[1]->setFlat(true);
    steps_[1]->setToolTip(tr("Clik pour changer éventuellement la couleur de fond"));
    swatch_ = new QPushButton(step2);
    swatch_->setObjectName("PanelCouleurFond");
    swatch_->setFixedSize(48, 24);
    swatch_->setToolTip(steps_[1]->toolTip());
    for (QPushButton* b : {steps_[1], swatch_})
        connect(b, &QPushButton::clicked, this, &PictureConversionWindow::chooseBackground);
    step2Row->addWidget(steps_[1]);
    step2Row->addWidget(swatch_);
    step2Row->addStretch(1);

    auto* quit = new QPushButton(tr("Quitter"), panel);
    connect(quit, &QPushButton::clicked, this, &PictureConversionWindow::quitDirect);

    grid->addWidget(steps_[0], 0, 0);
    grid->addWidget(step2, 1, 0);
    grid->addWidget(steps_[2], 2, 0);
    grid->addWidget(steps_[3], 3, 0);
    grid->addWidget(steps_[4], 4, 0);
    grid->addWidget(quit, 5, 0);

    widthCm_ = new QLineEdit(QStringLiteral("18"), panel);
    widthCm_->setObjectName("EditLargeur");
    dpi_ = new QComboBox(panel);
    dpi_->setObjectName("ComboBoxDpi");
    dpi_->setEditable(true);
    dpi_->addItems({"76", "92", "150", "300", "600", "1000"});
    dpi_->setCurrentText(QStringLiteral("150"));
    targetBox_ = new QLineEdit(panel);
    targetBox_->setObjectName("EditResultante");
    targetBox_->setReadOnly(true);
    sourceWidthBox_ = new QLineEdit(panel);
    sourceWidthBox_->setObjectName("EditActuelle");
    sourceWidthBox_->setReadOnly(true);
    const std::pair<QString, QWidget*> boxes[] = {
        {tr("Largeur approximative de la figure en cm"), widthCm_},
        {tr("Résolution souhaitée en dpi"), dpi_},
        {tr("Largeur résultante en pixels - > "), targetBox_},
        {tr("Largeur actuelle en pixxels"), sourceWidthBox_}};
    for (int k = 0; k < 4; ++k) {
        grid->addWidget(new QLabel(boxes[k].first, panel), k, 1);
        boxes[k].second->setMaximumWidth(90);
        grid->addWidget(boxes[k].second, k, 2);
    }
    // Typing is never interrupted by a message: a text that is no whole number is told when
    // its box is left or the bitmap is made.
    connect(widthCm_, &QLineEdit::textEdited, this, [this] { calc_res(false); });
    connect(widthCm_, &QLineEdit::editingFinished, this, [this] { calc_res(true); });
    connect(dpi_, &QComboBox::currentTextChanged, this, [this] { calc_res(false); });
    connect(dpi_->lineEdit(), &QLineEdit::editingFinished, this, [this] { calc_res(true); });

    pageLabel_ = new QLabel(tr("page du PDF"), panel);
    page_ = new QSpinBox(panel);
    page_->setObjectName("SpinPage");
    page_->setMinimum(1);
    page_->setMaximumWidth(90);
    connect(page_, &QSpinBox::valueChanged, this, [this](int page) { choosePage(page - 1); });
    grid->addWidget(pageLabel_, 4, 1);
    grid->addWidget(page_, 4, 2);
    pageLabel_->hide();
    page_->hide();

    auto* formatBox = new QGroupBox(tr("format"), panel);
    auto* formatColumn = new QVBoxLayout(formatBox);
    auto* group = new QButtonGroup(formatBox);
    const char* names[] = {"jpeg", "bmp", "tif"};
    for (int k = 0; k < 3; ++k) {
        formats_[k] = new QRadioButton(QString::fromLatin1(names[k]), formatBox);
        group->addButton(formats_[k]);
        formatColumn->addWidget(formats_[k]);
    }
    formats_[1]->setChecked(true);
    grid->addWidget(formatBox, 0, 3, 6, 1);
    grid->setColumnStretch(4, 1);
    return panel;
}

QWidget* PictureConversionWindow::buildDisplay(QScrollArea*& area, QLabel*& picture,
                                               QListWidget*& list, const QString& title) {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    area = new QScrollArea(panel);
    picture = new QLabel;
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(picture);
    area->setWidgetResizable(false);
    column->addWidget(area, 1);
    column->addWidget(new QLabel(title, panel));
    list = new QListWidget(panel);
    list->setMaximumHeight(list->fontMetrics().height() * 4);
    column->addWidget(list);
    return panel;
}

QColor PictureConversionWindow::background() const {
    return swatch_->palette().color(QPalette::Button);
}

void PictureConversionWindow::setBackground(const QColor& colour) {
    QPalette p = swatch_->palette();
    p.setColor(QPalette::Button, colour);
    swatch_->setPalette(p);
    swatch_->setAutoFillBackground(true);
    // Style sheets win over palettes in every style: the swatch shows its colour.
    swatch_->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}

picture::OutputFormat PictureConversionWindow::format() const {
    if (formats_[0]->isChecked()) return picture::OutputFormat::Jpeg;
    if (formats_[2]->isChecked()) return picture::OutputFormat::Tif;
    return picture::OutputFormat::Bmp;
}

void PictureConversionWindow::tell(const std::string& message) {
    const OwnDialogs::Open open(dialogs_);
    interaction().information(message);
}

void PictureConversionWindow::speed_gras(int step) {
    for (int k = 0; k < 5; ++k) {
        QFont font = steps_[k]->font();
        font.setBold(k + 1 == step);
        steps_[k]->setFont(font);
    }
}

bool PictureConversionWindow::calc_res(bool talk) {
    const picture::TargetWidth t =
        picture::calc_res(widthCm_->text().toStdString(), dpi_->currentText().toStdString());
    if (!t.error.empty()) {
        if (talk) tell(t.error);
        return false;
    }
    if (!t.computed) return false;
    targetWidth_ = t.pixels;
    targetBox_->setText(QString::number(t.pixels));
    return true;
}

void PictureConversionWindow::openSource() {
    std::optional<std::string> chosen;
    {
        const OwnDialogs::Open open(dialogs_);
        auto request = files::dansDernierDossier(
            tr("Ouvrir").toStdString(),
            tr("images *.emf, *.wmf, *.bmp|*.emf;*.wmf;*.bmp|"
               "toutes |*.emf;*.wmf;*.bmp;*.jpg;*.jpeg;*.ico;*.pdf|PDF (*.pdf)|*.pdf")
                .toStdString());
        chosen = interaction().openFileName(request);
    }
    if (!chosen) return;
    std::string error;
    const render::RenderModule* module = render::renderModule(&error);
    std::unique_ptr<render::Source> loaded = module ? module->loadSource(*chosen, &error) : nullptr;
    if (!loaded) {
        // The previous source stays.
        tell(error);
        return;
    }
    source_ = std::move(loaded);
    zoom_ = 100;
    const bool pages = source_->pageCount() > 1;
    {
        const QSignalBlocker quiet(page_);
        page_->setMaximum(std::max(1, source_->pageCount()));
        page_->setValue(1);
    }
    page_->setVisible(pages);
    pageLabel_->setVisible(pages);
    affiche_1();
    speed_gras(2);
}

void PictureConversionWindow::choosePage(int page) {
    std::string error;
    if (!source_->setPage(page, &error)) {
        tell(error);
        return;
    }
    zoom_ = 100;
    affiche_1();
}

void PictureConversionWindow::affiche_1() {
    const QSize picture = source_->size();
    const QSize shown(picture::zoomedSize(picture.width(), zoom_),
                      picture::zoomedSize(picture.height(), zoom_));
    std::string error;
    shown_ = source_->draw(shown, background(), &error);
    sourcePicture_->setPixmap(QPixmap::fromImage(shown_));
    sourcePicture_->resize(shown);
    sourceArea_->ensureVisible(0, 0);
    if (!error.empty()) tell(error);

    const QString suffix = tr("  LxH=%1").arg(sizeText(picture));
    const QFontMetrics metrics = name_->fontMetrics();
    name_->setText(raccourciChemin(q(source_->path()), metrics,
                                   name_->width() - metrics.horizontalAdvance(suffix)) +
                   suffix);
    sourceList_->clear();
    sourceList_->addItems({q(source_->path()), tr("picture LxHxb=%1").arg(sizeText(picture)),
                           tr("image   LxHxb=%1").arg(sizeText(shown))});
    sourceWidthBox_->setText(QString::number(picture.width()));
}

void PictureConversionWindow::chooseBackground() {
    std::optional<std::uint32_t> chosen;
    {
        const OwnDialogs::Open open(dialogs_);
        chosen = interaction().chooseColour(toBgr(background()));
    }
    // The colour is a choice, not a duty: kept or changed, the next step is 3.
    if (chosen) setBackground(fromBgr(*chosen));
    speed_gras(3);
}

void PictureConversionWindow::makeBitmap() {
    if (widthCm_->text().isEmpty() || dpi_->currentText().isEmpty()) return;
    if (!calc_res(true) || !source_) return;
    if (source_->scalable()) {
        const int zoom = source_->zoomFor(targetWidth_);
        if (zoom == 0) return; // a drawing without width
        zoom_ = zoom;
        affiche_1();
    }
    speed_gras(3);
    affiche_2();
    speed_gras(4);
}

void PictureConversionWindow::affiche_2() {
    // The display is drawn already, at its size and over the background.
    const QSize shown = sourcePicture_->size();
    result_ = shown_.copy();
    resultPicture_->setPixmap(QPixmap::fromImage(result_));
    resultPicture_->resize(result_.size());
    resultArea_->ensureVisible(0, 0);
    resultList_->clear();
    resultList_->addItems({tr("%1 => Bitmap").arg(q(source_->path())),
                           tr("picture LxHxb=%1").arg(sizeText(result_.size())),
                           tr("image   LxHxb=%1").arg(sizeText(shown))});
}

void PictureConversionWindow::saveBitmap() {
    if (result_.isNull()) {
        tell(tr("Aucune image à enregistrer : ouvrez une image puis appliquez (étapes 1 et 3).")
                 .toStdString());
        return;
    }
    std::optional<std::string> chosen;
    {
        const OwnDialogs::Open open(dialogs_);
        auto request = files::dansDernierDossier(
            tr("ENREGISTRER l'image BITMAP").toStdString(),
            tr("Fichiers image (*.bmp;*.jpg;*.tif)|*.bmp;*.jpg;*.tif|Tous les fichiers (*.*)|*.*")
                .toStdString());
        request.fileName = picture::proposedOutputName(source_->path(), format());
        chosen = interaction().savePictureName(request);
    }
    if (chosen) {
        const std::string path = picture::savedOutputName(*chosen, format());
        // The file dialog asked about the name typed only, not the one the format gives it.
        if (path != *chosen && std::filesystem::exists(path)) {
            const OwnDialogs::Open open(dialogs_);
            if (!interaction().confirm(
                    tr("%1 existe déjà. Le remplacer ?").arg(q(path)).toStdString())) {
                speed_gras(5);
                return;
            }
        }
        platform::BusyCursor busy;
        std::string error;
        if (const render::RenderModule* module = render::renderModule(&error))
            error = picture::writeConverted(module->rowsOf(result_), format(), path);
        if (error.empty())
            savedName_ = path;
        else
            tell(error);
    }
    speed_gras(5);
}

void PictureConversionWindow::openInMainWindow() {
    if (savedName_.empty()) return;
    // The map is to be seen: this window steps aside, its work kept for the menu to show
    // again (behind the map, its questions would bring it back over it).
    hide();
    emit lectureTest(q(savedName_));
    speed_gras(1);
}

void PictureConversionWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !dialogs_.ignore(isActiveWindow()) &&
        isActiveWindow()) {
        zoom_ = 100;
        calc_res(false);
        speed_gras(1);
        savedName_.clear();
    }
    QWidget::changeEvent(event);
}

} // namespace tracelle::ui
