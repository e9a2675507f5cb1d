// What the program takes from the machine it is installed on: the folders in
// which it looks for its help, and Qt's own translation.
#include "HelpViewer.h"
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTranslator>

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void helpFolders_data();
    void helpFolders();
    void qtTranslation_data();
    void qtTranslation();
};

namespace {

const QString kBuilt = QStringLiteral(ORDEL_DATA_DIR);

void setOrUnset(const char* name, const QString& value) {
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value.toUtf8());
}

void removeTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

void DesktopTest::helpFolders_data() {
    QTest::addColumn<QString>("dataDirs");  // XDG_DATA_DIRS; null: unset
    QTest::addColumn<QStringList>("after"); // the folders after the program's and the user's

    QTest::newRow("a school's folder before the system's")
        << QStringLiteral("/school/share:/usr/share")
        << QStringList{"/school/share/ordel", "/usr/share/ordel", kBuilt};
    QTest::newRow("unset: /usr/local/share, then /usr/share")
        << QString() << QStringList{"/usr/local/share/ordel", "/usr/share/ordel", kBuilt};
    QTest::newRow("the built-in folder last, when the XDG folders leave it out")
        << QStringLiteral("/opt/site") << QStringList{"/opt/site/ordel", kBuilt};
    QTest::newRow("each folder once")
        << QStringLiteral("/usr/share:/usr/share/") << QStringList{"/usr/share/ordel", kBuilt};
}

void DesktopTest::helpFolders() {
    QFETCH(QString, dataDirs);
    QFETCH(QStringList, after);
    setOrUnset("XDG_DATA_HOME", QStringLiteral("/home/pupil/.local/share"));
    setOrUnset("XDG_DATA_DIRS", dataDirs);

    QStringList expected{QCoreApplication::applicationDirPath(),
                         QStringLiteral("/home/pupil/.local/share/ordel")};
    for (const QString& folder : after)
        if (!expected.contains(folder))
            expected.append(folder);
    QStringList found = HelpViewer::defaultSearchFolders();
    for (QString& folder : found)
        folder = QDir::cleanPath(folder);
    QCOMPARE(found, expected);
}

void DesktopTest::qtTranslation_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("copy"); // the help window's "Copy" in its context menu

    QTest::newRow("Brazilian Portuguese") << "pt_BR" << true << "&Copiar";
    QTest::newRow("European Portuguese, from Brazil's") << "pt_PT" << true << "&Copiar";
    QTest::newRow("a language Qt has no translation for") << "sw_KE" << false << "&Copy";
}

void DesktopTest::qtTranslation() {
    QFETCH(QString, locale);
    QFETCH(bool, installed);
    QFETCH(QString, copy);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_pt_BR.qm")))
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");

    removeTranslators();
    QCOMPARE(installQtTranslation(*qApp, QLocale(locale)), installed);
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), copy);
    removeTranslators();
}

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_desktop.moc"
