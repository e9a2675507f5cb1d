// What the program takes from the machine it is installed on: the folders in
// which it looks for its help, and Qt's own translation.
#include "HelpViewer.h"
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTranslator>

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void helpFolders_data() {
        QTest::addColumn<QByteArray>("dataDirs");  // XDG_DATA_DIRS, unset when null
        QTest::addColumn<QStringList>("expected"); // after the program's and the user's
        const QString built = QStringLiteral(ORDEL_DATA_DIR);
        QTest::newRow("a school's folder first, the built-in one last")
            << QByteArray("/school/share:/usr/share/:/usr/share")
            << QStringList{"/school/share/ordel", "/usr/share/ordel", built};
        QTest::newRow("unset: /usr/local/share, then /usr/share")
            << QByteArray() << QStringList{"/usr/local/share/ordel", "/usr/share/ordel", built};
    }
    void helpFolders() {
        QFETCH(QByteArray, dataDirs);
        QFETCH(QStringList, expected);
        qputenv("XDG_DATA_HOME", "/home/pupil/.local/share");
        dataDirs.isNull() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", dataDirs);
        expected.prepend(QStringLiteral("/home/pupil/.local/share/ordel"));
        expected.prepend(QCoreApplication::applicationDirPath());
        expected.removeDuplicates();
        QCOMPARE(HelpViewer::defaultSearchFolders(), expected);
    }

    void qtTranslation_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("copy"); // "Copy" in the help window's context menu
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "&Copiar";
        QTest::newRow("European Portuguese, from Brazil's") << "pt_PT"
                                                            << "&Copiar";
        QTest::newRow("none for Swahili") << "sw_KE"
                                          << "&Copy";
    }
    void qtTranslation() {
        QFETCH(QString, locale);
        QFETCH(QString, copy);
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_pt_BR.qm")))
            QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
        QCOMPARE(installQtTranslation(*QCoreApplication::instance(), QLocale(locale)),
                 copy != QStringLiteral("&Copy"));
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), copy);
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator; // which also removes it
    }
};

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_desktop.moc"
