#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The texts of the interface in one language, for the whole run. Russian is
// the game's own: its texts are the sources in the code, and its catalogue
// holds only their plural forms. Another language's catalogue holds every
// text. Qt's own dialogs and buttons get Qt's catalogue of the same language.
class Translation
{
public:
    static inline const QString Russian = QStringLiteral("ru");
    static inline const QString English = QStringLiteral("en");

    // The languages the game speaks, its own first.
    static QStringList languages() { return {Russian, English}; }
    // Each language's name in that language, as its menu item reads.
    static QString nativeName(const QString &language);

    // Installs the catalogues of language; an unknown or empty one is
    // Russian. They stay installed while this object lives.
    explicit Translation(const QString &language);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    QString language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_game;
    QTranslator m_qt;
};
