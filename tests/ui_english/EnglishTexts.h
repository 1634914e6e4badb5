// What an English window may show: the translations of the program's catalogues, read from the
// .ts files as they stand, and a walker that lists every text of a window that is not one of
// them or that does not fit in its widget.
#pragma once

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace tracelle::testing {

class EnglishTexts {
public:
    // Every entry of the .ts files in `folder`; or, for the walker's own test, of `ts` alone.
    static EnglishTexts fromFolder(const QString& folder);
    static EnglishTexts fromTs(const QByteArray& ts);

    // A finished translation, a pattern of one (%1 … %9 standing for anything), or a text
    // without letters once the `allowed` texts (names the test gives, the program's name) are
    // taken out.
    bool isEnglish(const QString& shown, const QStringList& allowed = {}) const;
    // How a French caption shows: itself, or any of its translations.
    QStringList captions(const QString& french) const;
    int size() const { return static_cast<int>(exact_.size() + patterns_.size()); }

private:
    void read(const QByteArray& ts);

    QHash<QString, QStringList> bySource_;
    QSet<QString> exact_;
    std::vector<QRegularExpression> patterns_;
};

// A text of a window that fails, and why.
struct Finding {
    QString window, objectName, className, text, fault;
};
QString describe(const Finding& f);

// The visible texts of `root` and its visible children (and the menus of a main window):
// not English, or wider than their label or button.
std::vector<Finding> walkTexts(QWidget* root, const QString& window, const EnglishTexts& english,
                               const QStringList& allowed);

// Texts the program said through its interaction (messages, questions) that are not English.
std::vector<Finding> checkMessages(const std::vector<std::string>& said, const QString& window,
                                   const EnglishTexts& english, const QStringList& allowed);

} // namespace tracelle::testing
