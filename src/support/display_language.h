#pragma once
#include <QString>
#include <QStringList>

// The language the window speaks: the player's choice, else the first of the system's languages
// that the launcher has a catalogue for, else English. Codes are catalogue names: "de", "pt_BR".
namespace DisplayLanguage {
// The languages with a catalogue built into the launcher, in the order the Settings list shows them.
QStringList shipped();
// "" for English. `choice` is the saved preference ("" or unknown: follow the system);
// `uiLanguages` the system's, most wanted first ("de-AT", "pt-BR", "zh-Hans-CN").
QString resolve(const QString &choice, const QStringList &uiLanguages, const QStringList &shipped);
// The language's name in itself: "Deutsch", "日本語".
QString nativeName(const QString &code);

// Puts the catalogues of `code` ("" English) in place of the current ones: the launcher's, and
// Qt's own for standard texts. Sets the layout direction and the display number locale. The
// views re-read their texts on QQmlEngine::retranslate().
void apply(const QString &code);
// The same from a catalogue file outside the launcher (a test language).
void applyCatalogue(const QString &file, const QString &code);
QString current();
}
