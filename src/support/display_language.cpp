#include "support/display_language.h"
#include "support/file_size.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {
const QString prefix = QStringLiteral("vantorel_");

struct Catalogues {
    std::unique_ptr<QTranslator> launcher;
    std::unique_ptr<QTranslator> qt;
    QString code;
};
Catalogues &catalogues()
{
    static Catalogues installed;
    return installed;
}

// Qt's catalogue for the texts of its controls only. Its descriptions of network and file
// failures stay English: they reach the log, which support reads in English.
class QtControlTexts : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        static const QList<QByteArrayView> controls{"QPlatformTheme", "QGnomeTheme", "QShortcut", "QLineEdit",
                                                    "QAccessibleActionInterface", "QGuiApplication", "QDialogButtonBox"};
        const QByteArrayView name(context);
        if (!name.startsWith("QQuick") && !controls.contains(name))
            return {};
        return QTranslator::translate(context, source, disambiguation, n);
    }
};

template<typename Translator = QTranslator>
std::unique_ptr<QTranslator> load(const QString &file)
{
    std::unique_ptr<QTranslator> translator = std::make_unique<Translator>();
    if (!translator->load(file))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
}

QStringList DisplayLanguage::shipped()
{
    QStringList codes;
    for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({prefix + QStringLiteral("*.qm")}))
        codes.append(file.mid(prefix.size()).chopped(3));
    std::sort(codes.begin(), codes.end(),
              [](const QString &a, const QString &b) { return nativeName(a).localeAwareCompare(nativeName(b)) < 0; });
    return codes;
}

QString DisplayLanguage::resolve(const QString &choice, const QStringList &uiLanguages, const QStringList &shipped)
{
    if (choice == QLatin1String("en"))
        return {};
    if (shipped.contains(choice))
        return choice;
    for (const QString &tag : uiLanguages) {
        const QLocale wanted(tag);
        if (wanted.language() == QLocale::English)
            return {};
        if (wanted.language() == QLocale::C)
            continue;
        if (shipped.contains(wanted.name()))
            return wanted.name();
        // Another country's form of a shipped language, when it is written the same way
        // (Portuguese from Portugal reads pt_BR; Traditional Chinese does not read zh_CN).
        for (const QString &code : shipped) {
            const QLocale have(code);
            if (have.language() == wanted.language() && have.script() == wanted.script())
                return code;
        }
    }
    return {};
}

QString DisplayLanguage::nativeName(const QString &code)
{
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (code.contains(QLatin1Char('_')) && locale.language() == QLocale::Portuguese)
        name += QStringLiteral(" (") + locale.nativeTerritoryName() + QLatin1Char(')');
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

void DisplayLanguage::applyCatalogue(const QString &file, const QString &code)
{
    Catalogues &now = catalogues();
    if (now.launcher)
        QCoreApplication::removeTranslator(now.launcher.get());
    if (now.qt)
        QCoreApplication::removeTranslator(now.qt.get());
    now = {};
    now.code = code;
    const QLocale locale = code.isEmpty() ? QLocale::c() : QLocale(code);
    if (!code.isEmpty()) {
        now.qt = load<QtControlTexts>(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qt_") + code + QStringLiteral(".qm"));
        now.launcher = load(file);
        if (!now.launcher)
            Log::warn(QStringLiteral("language: no catalogue for ") + code);
    }
    setDisplayNumberLocale(locale);
    if (qGuiApp)  // the headless tools have no layout
        QGuiApplication::setLayoutDirection(code.isEmpty() ? Qt::LeftToRight : locale.textDirection());
}

void DisplayLanguage::apply(const QString &code)
{
    applyCatalogue(QStringLiteral(":/i18n/") + prefix + code + QStringLiteral(".qm"), code);
}

QString DisplayLanguage::current() { return catalogues().code; }
