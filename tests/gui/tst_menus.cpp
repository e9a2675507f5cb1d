// The menu tree: names, captions, order, separators, what is switched off,
// the menu "&Operação" by level, the access keys, and the handler that each
// item runs.

#include "GuiSupport.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using gui::find;
using gui::Fixture;
using gui::name;

namespace {

// One line per entry: level, name and caption; "-" for a separator.
void describe(const QList<QAction*>& actions, int level, QStringList& out) {
    for (QAction* a : actions) {
        out << QStringLiteral("%1 %2 %3")
                   .arg(level)
                   .arg(a->objectName(), a->isSeparator() ? QStringLiteral("-") : a->text());
        if (QMenu* menu = a->menu())
            describe(menu->actions(), level + 1, out);
    }
}

QList<QAction*> allItems(const OrdelWindow& window) {
    QList<QAction*> items;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            items << a;
            if (QMenu* menu = a->menu())
                walk(menu->actions());
        }
    };
    walk(window.menuBar()->actions());
    return items;
}

QStringList shownMenus(const OrdelWindow& window) {
    QStringList shown;
    for (QAction* a : window.menuBar()->actions()) {
        if (a->isVisible())
            shown << a->objectName();
    }
    return shown;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void tree();
    void switchedOffAndShown();
    void operationMenuByLevel();
    void accessKeys_data();
    void accessKeys();
    void apagarNeverOpens();
    void handlers_data();
    void handlers();
};

void TestMenus::tree() {
    Fixture f;
    QStringList seen;
    describe(f.window->menuBar()->actions(), 1, seen);

    const QStringList expected{
        name("1 MnuArq &Arquivo"),
        name("2 MnuNovo &Novo..."),
        name("3 MnuIniciante &Iniciante"),
        name("3 MnuAvançado &Avançado"),
        name("2 MnuEs -"),
        name("2 MnuFechar Sai&r"),
        name("1 MnuJogo &Operação"),
        name("2 MnuAdição &Adição"),
        name("2 MnuSubtração &Subtração"),
        name("2 MnuMultiplicação &Multiplicação"),
        name("2 MnuDivisão &Divisão"),
        name("1 MnuSist &Sistema de numeração..."),
        name("2 MnUnidade &Unidade"),
        name("2 mnuDezena &Dezena"),
        name("2 MNucentena &Centena"),
        name("2 MnuMilhar &Milhar"),
        name("1 MnuApagar Apagar"),
        name("2 MNuDesfazer Desfazer"),
        name("1 MnuAjuda Aj&uda"),
        name("2 MnuTópicos &Tópicos da ajuda"),
        name("2 MnuEsp -"),
        name("2 MnuSobre So&bre o Ordel"),
    };
    QCOMPARE(seen, expected);

    // The menus themselves carry the names too.
    for (const char* menu : {"MnuArq", "MnuNovo", "MnuJogo", "MnuSist", "MnuApagar", "MnuAjuda"})
        QVERIFY2(find<QMenu>(*f.window, menu) != nullptr, menu);
}

void TestMenus::switchedOffAndShown() {
    Fixture f;
    for (QAction* item : allItems(*f.window)) {
        const QString n = item->objectName();
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(n));
        QVERIFY2(!item->isCheckable(), qPrintable(n));
        // Hidden by the start-up sequence: "&Operação" alone (and Qt counts
        // a hidden action as disabled too).
        const bool hidden = n == QLatin1String("MnuJogo");
        QVERIFY2(item->isVisible() == !hidden, qPrintable(n));
        QVERIFY2(item->isEnabled() == (!hidden && n != QLatin1String("MnuApagar")), qPrintable(n));
    }
    f.choose("MnuAvançado");
    QVERIFY(find<QMenu>(*f.window, "MnuJogo")->menuAction()->isEnabled());
    QVERIFY(!find<QMenu>(*f.window, "MnuApagar")->menuAction()->isEnabled());
}

void TestMenus::operationMenuByLevel() {
    Fixture f;
    f.window->show();
    const QStringList beginner{name("MnuArq"), name("MnuSist"), name("MnuApagar"),
                               name("MnuAjuda")};
    const QStringList advanced{name("MnuArq"), name("MnuJogo"), name("MnuSist"), name("MnuApagar"),
                               name("MnuAjuda")};
    QCOMPARE(shownMenus(*f.window), beginner);

    f.choose("MnuAvançado");
    QCOMPARE(shownMenus(*f.window), advanced);
    // It stands in the bar between "&Arquivo" and "&Sistema de numeração...".
    QMenuBar* bar = f.window->menuBar();
    const QRect arquivo = bar->actionGeometry(find<QMenu>(*f.window, "MnuArq")->menuAction());
    const QRect operacao = bar->actionGeometry(find<QMenu>(*f.window, "MnuJogo")->menuAction());
    const QRect sistema = bar->actionGeometry(find<QMenu>(*f.window, "MnuSist")->menuAction());
    QVERIFY(!operacao.isEmpty());
    QVERIFY(arquivo.right() < operacao.left());
    QVERIFY(operacao.right() < sistema.left());

    // Choosing "&Avançado" again, or a mode, keeps it; "&Iniciante" hides it.
    f.choose("MnuAvançado");
    f.choose("MnuMilhar");
    QCOMPARE(shownMenus(*f.window), advanced);
    f.choose("MnuIniciante");
    QCOMPARE(shownMenus(*f.window), beginner);
}

void TestMenus::accessKeys_data() {
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens"); // empty: nothing opens

    QTest::newRow("Alt+A") << false << int(Qt::Key_A) << name("MnuArq");
    QTest::newRow("Alt+S") << false << int(Qt::Key_S) << name("MnuSist");
    QTest::newRow("Alt+U") << false << int(Qt::Key_U) << name("MnuAjuda");
    QTest::newRow("Alt+O at Iniciante") << false << int(Qt::Key_O) << QString();
    QTest::newRow("Alt+O at Avançado") << true << int(Qt::Key_O) << name("MnuJogo");
    QTest::newRow("Alt+A at Avançado") << true << int(Qt::Key_A) << name("MnuArq");
}

void TestMenus::accessKeys() {
    QFETCH(bool, advanced);
    QFETCH(int, key);
    QFETCH(QString, opens);

    Fixture f;
    if (advanced)
        f.choose("MnuAvançado");
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

    QTest::keyClick(f.window.get(), Qt::Key(key), Qt::AltModifier);
    if (opens.isEmpty()) {
        QTest::qWait(100);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        return;
    }
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QWidget* popup = QApplication::activePopupWidget();
    QCOMPARE(popup->objectName(), opens);
    popup->close();
}

void TestMenus::apagarNeverOpens() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QMenuBar* bar = f.window->menuBar();
    QMenu* apagar = find<QMenu>(*f.window, "MnuApagar");

    const QRect place = bar->actionGeometry(apagar->menuAction());
    QVERIFY(!place.isEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
    QTest::qWait(100);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QVERIFY(!apagar->isVisible());
}

void TestMenus::handlers_data() {
    QTest::addColumn<QStringList>("before"); // items chosen first
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("label");   // where the effect shows
    QTest::addColumn<QString>("caption"); // and what it shows
    QTest::addColumn<int>("draws");       // values the item draws
    QTest::addColumn<int>("range");       // of the last value drawn; 0: none drawn

    // At start-up the pair (3, 7) is held and the mode is "Unidade". Each mode
    // draws one pair; the queue gives it (4, 9).
    const QStringList none;
    const QStringList advanced{name("MnuAvançado")};
    QTest::newRow("MnuAvançado") << none << name("MnuAvançado") << name("Legenda")
                                 << name("Avançado") << 0 << 0;
    QTest::newRow("MnuIniciante") << advanced << name("MnuIniciante") << name("Legenda")
                                  << name("Iniciante") << 2 << 9;
    QTest::newRow("MnUnidade") << none << name("MnUnidade") << name("Numero2") << name("9") << 2
                               << 9;
    QTest::newRow("mnuDezena") << none << name("mnuDezena") << name("Numero2") << name("9") << 2
                               << 99;
    QTest::newRow("MNucentena") << none << name("MNucentena") << name("Numero2") << name("9") << 2
                                << 999;
    QTest::newRow("MnuMilhar") << none << name("MnuMilhar") << name("Numero2") << name("9") << 2
                               << 20999;
    QTest::newRow("MnuAdição") << advanced << name("MnuAdição") << name("Símbolo") << name("+") << 0
                               << 0;
    QTest::newRow("MnuSubtração") << advanced << name("MnuSubtração") << name("Símbolo")
                                  << name("-") << 2 << 9;
    QTest::newRow("MnuMultiplicação")
        << advanced << name("MnuMultiplicação") << name("Símbolo") << name("x") << 0 << 0;
    QTest::newRow("MnuDivisão") << advanced << name("MnuDivisão") << name("Símbolo") << name(":")
                                << 2 << 9;
}

void TestMenus::handlers() {
    QFETCH(QStringList, before);
    QFETCH(QString, item);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, draws);
    QFETCH(int, range);

    Fixture f;
    for (const QString& b : before)
        f.choose(b.toUtf8().constData());
    f.random.queue({4, 9});
    const int drawn = f.random.draws;
    f.random.lastRange = 0;

    f.choose(item.toUtf8().constData());
    QCOMPARE(f.caption(label.toUtf8().constData()), caption);
    // One handler, once: a doubled or crossed binding draws more, or in
    // another range.
    QCOMPARE(f.random.draws - drawn, draws);
    QCOMPARE(f.random.lastRange, range);
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
