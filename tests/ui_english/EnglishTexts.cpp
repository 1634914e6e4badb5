#include "EnglishTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QXmlStreamReader>
#include <algorithm>

namespace tracelle::testing {

namespace {

// As the user reads it: no accelerator marks, no shortcut after a tab.
QString withoutMnemonics(QString text) {
    text = text.section('\t', 0, 0);
    text.replace(QStringLiteral("&&"), QChar(0xE000));
    text.remove('&');
    return text.replace(QChar(0xE000), '&');
}

QString plain(const QString& text) {
    return withoutMnemonics(text).simplified();
}

// The text of an element as lupdate writes it: control characters (a carriage return) as
// <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.atEnd()) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("byte"))
                text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            xml.skipCurrentElement();
        }
    }
    return text;
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

EnglishTexts EnglishTexts::fromFolder(const QString& folder) {
    EnglishTexts texts;
    for (const QFileInfo& ts : QDir(folder).entryInfoList({QStringLiteral("*.ts")}, QDir::Files)) {
        QFile file(ts.filePath());
        if (file.open(QIODevice::ReadOnly)) texts.read(file.readAll());
    }
    return texts;
}

EnglishTexts EnglishTexts::fromTs(const QByteArray& ts) {
    EnglishTexts texts;
    texts.read(ts);
    return texts;
}

void EnglishTexts::read(const QByteArray& ts) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
    QXmlStreamReader xml(ts);
    QString source;
    bool finished = false;
    const auto add = [&](const QString& english) {
        if (!finished || english.isEmpty()) return;
        bySource_[source] << english;
        // A file dialog's filter, "Name|pattern|Name|pattern", shows its names one by one.
        if (english.count('|') > 0) {
            for (const QString& piece : english.split('|'))
                if (!piece.contains(placeholder)) exact_.insert(plain(piece));
        }
        const QString shown = plain(english);
        if (!shown.contains(placeholder)) {
            exact_.insert(shown);
            return;
        }
        QStringList parts = shown.split(placeholder);
        // A pattern of placeholders and punctuation alone would take any text for English.
        if (!hasLetters(parts.join(QString()))) return;
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        patterns_.emplace_back(
            QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))),
            QRegularExpression::DotMatchesEverythingOption);
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            source = elementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            add(elementText(xml));
        }
    }
}

bool EnglishTexts::isEnglish(const QString& shown, const QStringList& allowed) const {
    const auto one = [&](QString text) {
        for (const QString& name : allowed)
            text.replace(name, QStringLiteral(" "));
        // A coordinate system's code, told beside its name, as the user types it.
        static const QRegularExpression code(QStringLiteral("\\((EPSG:\\d+|aucun)\\)"));
        text.remove(code);
        text = plain(text);
        if (!hasLetters(text) || exact_.contains(text)) return true;
        return std::any_of(patterns_.begin(), patterns_.end(),
                           [&](const QRegularExpression& p) { return p.match(text).hasMatch(); });
    };
    if (one(shown)) return true;
    // A text told after another, as a system's name and the remark on it.
    for (qsizetype cut = 1; cut < shown.size(); ++cut)
        if (one(shown.left(cut)) && one(shown.mid(cut)) && hasLetters(shown.left(cut)) &&
            hasLetters(shown.mid(cut)))
            return true;
    // Lines put together by the program, each translated on its own.
    const QStringList lines = shown.split(QRegularExpression(QStringLiteral("[\r\n]+")));
    return lines.size() > 1 && std::all_of(lines.begin(), lines.end(), one);
}

QStringList EnglishTexts::captions(const QString& french) const {
    return QStringList{french} + bySource_.value(french);
}

QString describe(const Finding& f) {
    return QStringLiteral("%1 | %2 (%3) | «%4» | %5")
        .arg(f.window, f.objectName, f.className, f.text, f.fault);
}

namespace {

int textWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : withoutMnemonics(text).split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room a button's caption is drawn in, from its style: its frame, margins and indicator
// taken away; -1 when no caption is drawn.
int captionRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const auto* tool = qobject_cast<const QToolButton*>(button);
    if (tool) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && icon) return -1;
        const int menu = tool->popupMode() == QToolButton::MenuButtonPopup
                             ? style->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, tool)
                             : 0;
        return tool->contentsRect().width() - icon - menu -
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tool);
    }
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return style->subElementRect(contents, &option, button).width() - icon;
}

class Walk {
public:
    Walk(const QString& window, const EnglishTexts& english, const QStringList& allowed)
        : window_(window), english_(english), allowed_(allowed) {}

    void check(const QObject* owner, const QString& text) {
        if (text.isEmpty() || english_.isEnglish(text, allowed_)) return;
        add(owner, text, QStringLiteral("not English"));
    }
    void fits(const QWidget* widget, const QString& text, int room) {
        if (text.isEmpty() || room < 0) return;
        const int needed = textWidth(widget->fontMetrics(), text);
        if (needed > room)
            add(widget, text, QStringLiteral("cut: %1 px in %2 px").arg(needed).arg(room));
    }
    void widget(QWidget* w);
    void menu(QMenu* menu);
    void add(const QObject* owner, const QString& text, const QString& fault) {
        found.push_back({window_, owner ? owner->objectName() : QString(),
                         owner ? QString::fromLatin1(owner->metaObject()->className()) : QString(),
                         text, fault});
    }

    std::vector<Finding> found;

private:
    const QString& window_;
    const EnglishTexts& english_;
    const QStringList& allowed_;
};

void Walk::widget(QWidget* w) {
    if (w->isWindow()) check(w, w->windowTitle());
    check(w, w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const bool rich =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        const QString text =
            rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
        check(label, text);
        if (!rich && !label->wordWrap())
            fits(label, text,
                 label->contentsRect().width() - 2 * label->margin() -
                     std::max(0, label->indent()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        check(button, button->text());
        fits(button, button->text(), captionRoom(button));
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        check(box, box->title());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        check(edit, edit->placeholderText());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            check(combo, combo->itemText(i));
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            check(tabs, tabs->tabText(i));
            check(tabs, tabs->tabToolTip(i));
        }
    } else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
        // The first rows are enough: the rest are numbered alike.
        const int count = std::min(header->count(), 64);
        for (int i = 0; i < count; ++i)
            if (!header->isSectionHidden(i))
                check(header, header->model()->headerData(i, header->orientation()).toString());
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
        for (QAction* a : bar->actions())
            if (!a->menu()) check(bar, a->text());
    }
}

void Walk::menu(QMenu* menu) {
    // Some menus fill or name their items as they open.
    emit menu->aboutToShow();
    check(menu, menu->title());
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) check(menu, a->text());
    emit menu->aboutToHide();
}

} // namespace

std::vector<Finding> walkTexts(QWidget* root, const QString& window, const EnglishTexts& english,
                               const QStringList& allowed) {
    Walk walk(window, english, allowed);
    walk.widget(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->isVisible()) walk.widget(w);
    if (root->isWindow())
        for (QMenu* m : root->findChildren<QMenu*>())
            walk.menu(m);
    return std::move(walk.found);
}

std::vector<Finding> checkMessages(const std::vector<std::string>& said, const QString& window,
                                   const EnglishTexts& english, const QStringList& allowed) {
    Walk walk(window, english, allowed);
    for (const std::string& text : said)
        walk.check(nullptr, QString::fromStdString(text));
    for (Finding& f : walk.found)
        f.className = QStringLiteral("message");
    return std::move(walk.found);
}

} // namespace tracelle::testing
