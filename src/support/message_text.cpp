#include "support/message_text.h"
#include "support/file_size.h"
#include "support/launcher_error.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <vector>

namespace {
// Sentences that reach the window from outside the error type: notices of the sign-in flow and
// the readable descriptions of platform failures.
const char *const otherSources[] = {
    QT_TRANSLATE_NOOP("Message", "Wrong email or password."),
    QT_TRANSLATE_NOOP("Message", "That code didn't work. Check it and try again."),
    QT_TRANSLATE_NOOP("Message", "We sent a code to your email."),
    QT_TRANSLATE_NOOP("Message", "Too many attempts. Try again in %1 seconds."),
    QT_TRANSLATE_NOOP("Message", "The home feed isn't in the correct format (%1)."),
    QT_TRANSLATE_NOOP("Message", "The data couldn't be read because it isn't in the correct format (%1)."),
    QT_TRANSLATE_NOOP("Message", "The manifest couldn't be read because it isn't in the correct format (%1)."),
    QT_TRANSLATE_NOOP("Message", "The chunk index isn't usable (%1)."),
    QT_TRANSLATE_NOOP("Message", "The URL \"%1\" is not supported."),
    QT_TRANSLATE_NOOP("Message", "The answer is larger than expected."),
    QT_TRANSLATE_NOOP("Message", "The server took too long to answer."),
    QT_TRANSLATE_NOOP("Message", "The download is larger than expected."),
    QT_TRANSLATE_NOOP("Message", "The server didn't send the part of the file that was asked for."),
    QT_TRANSLATE_NOOP("Message", "The part of the file that was asked for arrived cut short."),
    QT_TRANSLATE_NOOP("Message", "Couldn't read \"%1\": %2"),
    QT_TRANSLATE_NOOP("Message", "Couldn't write the download: %1"),
    QT_TRANSLATE_NOOP("Message", "Couldn't create a download file in %1: %2"),
    QT_TRANSLATE_NOOP("Message", "Couldn't create the folder \"%1\"."),
    QT_TRANSLATE_NOOP("Message", "SHA-256 is not available."),
};

const QRegularExpression &placeMarker()
{
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    return marker;
}

struct Pattern {
    const char *context;
    const char *source;
    QRegularExpression match;
    QList<int> places; // the place number of each captured value, in the English order
};

Pattern pattern(const char *context, const char *source)
{
    const QString text = QString::fromUtf8(source);
    Pattern p{context, source, {}, {}};
    QString expression;
    qsizetype from = 0;
    for (auto it = placeMarker().globalMatch(text); it.hasNext();) {
        const auto place = it.next();
        expression += QRegularExpression::escape(text.mid(from, place.capturedStart() - from));
        expression += QStringLiteral("(.*?)");
        p.places.append(place.captured(1).toInt());
        from = place.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(from));
    p.match = QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                 QRegularExpression::DotMatchesEverythingOption);
    return p;
}

const std::vector<Pattern> &patterns()
{
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> list;
        for (const char *source : LauncherError::sourceTexts())
            list.push_back(pattern("LauncherError", source));
        for (const char *source : otherSources)
            list.push_back(pattern("Message", source));
        return list;
    }();
    return all;
}

// Puts each value in its place in one pass, so that a value holding "%2" stays as it is.
QString fill(const QString &text, const QHash<int, QString> &values)
{
    QString out;
    qsizetype from = 0;
    for (auto it = placeMarker().globalMatch(text); it.hasNext();) {
        const auto place = it.next();
        const auto value = values.constFind(place.captured(1).toInt());
        if (value == values.constEnd())
            continue;
        out += text.mid(from, place.capturedStart() - from) + *value;
        from = place.capturedEnd();
    }
    return out + text.mid(from);
}
}

QString translatedMessage(const QString &english)
{
    for (const Pattern &p : patterns()) {
        const auto found = p.match.match(english);
        if (!found.hasMatch())
            continue;
        const QString translated = QCoreApplication::translate(p.context, p.source);
        QHash<int, QString> values;
        for (int i = 0; i < p.places.size(); ++i)
            values.insert(p.places[i], displayFileSizeText(found.captured(i + 1)));
        return fill(translated, values);
    }
    return english;
}
