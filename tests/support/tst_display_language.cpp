#include "support/display_language.h"
#include "support/quick_helpers.h"

#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QtTest>

class TestDisplayLanguage : public QObject {
    Q_OBJECT
    const QStringList shipped{"ar", "de", "es", "fr", "it", "ja", "ko", "pl", "pt_BR", "ru", "tr", "zh_CN"};

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("language");  // "": English
        QTest::newRow("the system's first") << "" << QStringList{"de-DE", "fr-FR"} << "de";
        QTest::newRow("another country's German") << "" << QStringList{"de-AT"} << "de";
        QTest::newRow("Brazilian Portuguese") << "" << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portuguese from Portugal") << "" << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("Simplified Chinese") << "" << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("Traditional Chinese, then Japanese") << "" << QStringList{"zh-Hant-TW", "ja-JP"} << "ja";
        QTest::newRow("none shipped") << "" << QStringList{"nl-NL", "sv-SE"} << "";
        QTest::newRow("unshipped, then shipped") << "" << QStringList{"nl-NL", "ko-KR"} << "ko";
        QTest::newRow("English before a shipped one") << "" << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("the C locale passed over") << "" << QStringList{"C", "ru-RU"} << "ru";
        QTest::newRow("the player's choice") << "tr" << QStringList{"de-DE"} << "tr";
        QTest::newRow("English chosen") << "en" << QStringList{"ar-EG"} << "";
        QTest::newRow("an unknown choice follows the system") << "xx" << QStringList{"ar-EG"} << "ar";
    }
    void resolve()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, system);
        QFETCH(QString, language);
        QCOMPARE(DisplayLanguage::resolve(choice, system, shipped), language);
    }

    // The launcher's catalogues are built in, and Qt's own come along for its standard texts.
    void catalogues_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("qtCancel");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("English") << "" << "Cancel" << false;
        QTest::newRow("German") << "de" << "Abbrechen" << false;
        QTest::newRow("Japanese") << "ja" << "キャンセル" << false;
        QTest::newRow("Arabic") << "ar" << "\u0623\u0644\u063A\u0650" << true;  // as Qt's catalogue has it
    }
    void catalogues()
    {
        QFETCH(QString, language);
        QFETCH(QString, qtCancel);
        QFETCH(bool, rightToLeft);
        QCOMPARE(DisplayLanguage::shipped().size(), shipped.size());
        for (const QString &code : shipped)
            QVERIFY2(DisplayLanguage::shipped().contains(code), qPrintable(code));
        DisplayLanguage::apply(language);
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        const QString refused = QCoreApplication::translate("QAbstractSocket", "Connection refused");
        const bool mirrored = QGuiApplication::layoutDirection() == Qt::RightToLeft;
        DisplayLanguage::apply(QString());
        QCOMPARE(cancel, qtCancel);
        QCOMPARE(refused, QStringLiteral("Connection refused"));  // a failure's words, for the log
        QCOMPARE(mirrored, rightToLeft);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    // What the system asks for comes from LANGUAGE (a list) first, then LANG.
    void followsTheEnvironment_data()
    {
        QTest::addColumn<QString>("languageVariable");
        QTest::addColumn<QString>("langVariable");
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG") << "" << "ja_JP.UTF-8" << "ja";
        QTest::newRow("LANGUAGE list") << "nl:pt_BR:de" << "de_DE.UTF-8" << "pt_BR";
        QTest::newRow("LANGUAGE English") << "en_US" << "fr_FR.UTF-8" << "";
    }
    void followsTheEnvironment()
    {
        QFETCH(QString, languageVariable);
        QFETCH(QString, langVariable);
        QFETCH(QString, language);
        if (isChildRun())
            QSKIP("the child only prints");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        env.insert("LANGUAGE", languageVariable);
        env.insert("LANG", langVariable);
        env.insert("VANTOREL_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"printSystemChoice"});
        QVERIFY(child.waitForFinished(30000));
        const QString printed = QString::fromUtf8(child.readAll());
        QVERIFY2(printed.contains("language=[" + language + "]"), qPrintable(printed));
    }
    void printSystemChoice()
    {
        if (!isChildRun())
            QSKIP("run by followsTheEnvironment");
        qWarning("language=[%s]", qPrintable(DisplayLanguage::resolve({}, QLocale::system().uiLanguages(), shipped)));
    }
};

QTEST_MAIN(TestDisplayLanguage)
#include "tst_display_language.moc"
